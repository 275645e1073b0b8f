#include "res/qt/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace curvesmith {
namespace {

const QString kAverageWidthSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Proportional Japanese UI fonts close to the designed one, best first.
const QStringList kJapaneseFallbacks = {"MS PGothic",       "IPAPGothic", "IPAGothic",
                                        "Noto Sans CJK JP", "VL PGothic", "Droid Sans Fallback"};

}  // namespace

DialogBaseUnits DialogBaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  // Average over letter pairs and round, as the dialog manager does.
  const int pairs = static_cast<int>(kAverageWidthSample.size()) / 2;
  return {(metrics.horizontalAdvance(kAverageWidthSample) / pairs + 1) / 2, metrics.height()};
}

QRect ToPixels(const DialogBaseUnits& units, const res::DialogRect& rect) {
  const res::DialogRect pixels = res::ToPixels(rect, units);
  return QRect(pixels.x, pixels.y, pixels.width, pixels.height);
}

QFont DialogFont(const res::DialogTemplate& dialog) {
  QFont font;
  font.setFamilies(QStringList{QString::fromUtf8(dialog.font_family)} + kJapaneseFallbacks);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(dialog.font_points);
  return font;
}

}  // namespace curvesmith
