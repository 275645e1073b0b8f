#include "res/dialog_template.h"

namespace curvesmith::res {
namespace {

// value * numerator / denominator, rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

// A horizontal dialog unit is a quarter of the average character width, a
// vertical one an eighth of the character height.
constexpr int kUnitsPerCharWidth = 4;
constexpr int kUnitsPerCharHeight = 8;

}  // namespace

DialogRect DialogUnitsToPixels(const DialogRect& rect, const DialogBaseUnits& units) {
  // Edges are converted, not sizes, so that controls which meet in dialog
  // units also meet in pixels.
  const int left = ScaleRounded(rect.x, units.x, kUnitsPerCharWidth);
  const int top = ScaleRounded(rect.y, units.y, kUnitsPerCharHeight);
  const int right = ScaleRounded(rect.x + rect.width, units.x, kUnitsPerCharWidth);
  const int bottom = ScaleRounded(rect.y + rect.height, units.y, kUnitsPerCharHeight);
  return {left, top, right - left, bottom - top};
}

const DialogControl* FindControl(const DialogTemplate& dialog, int id) {
  for (const DialogControl& control : dialog.controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

}  // namespace curvesmith::res
