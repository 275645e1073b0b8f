#include "chart/qt/chart_area_size.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

#include "res/dialog_font.h"
#include "res/dialog_template.h"
#include "res/parameter_form_template.h"
#include "res/resource_ids.h"

namespace curvesmith::chart {
namespace {

// A dialog's horizontal base unit is the average width of the Latin letters,
// rounded: (width of the 52 letters / 26 + 1) / 2.
const QString kAverageWidthSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

res::DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int pairs = static_cast<int>(kAverageWidthSample.size()) / 2;
  return {.x = (metrics.horizontalAdvance(kAverageWidthSample) / pairs + 1) / 2,
          .y = metrics.height()};
}

}  // namespace

QSize ChartAreaPixelSize(const QFont& form_font) {
  const res::DialogControl* area =
      res::FindControl(res::ParameterFormTemplate(), res::kIdcChartArea);
  const res::DialogRect pixels = res::ToPixels(area->rect, BaseUnitsOf(form_font));
  return QSize(pixels.width, pixels.height);
}

QFont FormFont() {
  QFont font;
  font.setFamilies(
      QStringList{QString::fromUtf8(res::kDialogFontFamily), "IPAPGothic", "IPAGothic"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(res::kDialogFontPoints);
  return font;
}

}  // namespace curvesmith::chart
