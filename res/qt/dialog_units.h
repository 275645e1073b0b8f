#ifndef CURVESMITH_RES_QT_DIALOG_UNITS_H_
#define CURVESMITH_RES_QT_DIALOG_UNITS_H_

#include <QFont>
#include <QRect>

#include "res/dialog_template.h"

namespace curvesmith {

// Both dialog templates are designed in "ＭＳ Ｐゴシック" 9 pt, whose base
// units on a 96 DPI screen of the platform they come from are 6 x 12 pixels:
// the 788 x 456-unit form is 1182 x 684 pixels there. Dialog units are
// converted with those base units, scaled by the screen's DPI, whatever font
// stands in for that one, so that a dialog keeps its designed size on every
// machine.
inline constexpr res::DialogBaseUnits kDesignBaseUnits = {6, 12};
inline constexpr int kDesignDpi = 96;

// `rect`, in dialog units, in pixels of a screen with `logical_dpi`. Edges are
// converted, so that controls which meet in dialog units still meet.
QRect DialogRectInPixels(const res::DialogRect& rect, int logical_dpi);

// The font that stands in for a template's font on a screen with
// `logical_dpi`: the template's own family, or the nearest Japanese UI font
// installed, at the template's size or the largest pixel size below it at
// which every text of the template fits its control.
QFont DialogFont(const res::DialogTemplate& dialog, int logical_dpi);

}  // namespace curvesmith

#endif  // CURVESMITH_RES_QT_DIALOG_UNITS_H_
