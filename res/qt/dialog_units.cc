#include "res/qt/dialog_units.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <cmath>

#include "res/qt/string_text.h"

namespace curvesmith {
namespace {

constexpr int kPointsPerInch = 72;
// Below this a stand-in font stops being readable; a template that needs less
// gets this size and clips.
constexpr int kSmallestPixelSize = 8;

// Proportional Japanese UI fonts close to the designed one, best first.
const QStringList kJapaneseFallbacks = {"MS PGothic",       "IPAPGothic", "IPAGothic",
                                        "Noto Sans CJK JP", "VL PGothic", "Droid Sans Fallback"};

int ScaleToScreen(int design_pixels, int logical_dpi) {
  return static_cast<int>(
      std::lround(static_cast<double>(design_pixels) * logical_dpi / kDesignDpi));
}

// Whether `text` in `font` fits `box` without being clipped.
bool TextFits(const QFont& font, const QString& text, const QRect& box) {
  const QFontMetricsF metrics(font);
  return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
}

bool EveryTextFits(const res::DialogTemplate& dialog, const QFont& font, int logical_dpi) {
  for (const res::DialogControl& control : dialog.controls) {
    const QString text = LoadText(control.text);
    if (text.isEmpty() || control.kind == res::ControlKind::kEdit) continue;
    if (!TextFits(font, text, DialogRectInPixels(control.rect, logical_dpi))) return false;
  }
  return true;
}

}  // namespace

QRect DialogRectInPixels(const res::DialogRect& rect, int logical_dpi) {
  const res::DialogRect design = res::DialogUnitsToPixels(rect, kDesignBaseUnits);
  const int left = ScaleToScreen(design.x, logical_dpi);
  const int top = ScaleToScreen(design.y, logical_dpi);
  const int right = ScaleToScreen(design.x + design.width, logical_dpi);
  const int bottom = ScaleToScreen(design.y + design.height, logical_dpi);
  return QRect(left, top, right - left, bottom - top);
}

QFont DialogFont(const res::DialogTemplate& dialog, int logical_dpi) {
  QFont font;
  font.setFamilies(QStringList{QString::fromUtf8(dialog.font_family)} + kJapaneseFallbacks);
  font.setStyleHint(QFont::SansSerif);
  int pixels = static_cast<int>(
      std::lround(static_cast<double>(dialog.font_points) * logical_dpi / kPointsPerInch));
  font.setPixelSize(pixels);
  while (pixels > kSmallestPixelSize && !EveryTextFits(dialog, font, logical_dpi)) {
    font.setPixelSize(--pixels);
  }
  return font;
}

}  // namespace curvesmith
