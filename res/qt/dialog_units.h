#ifndef CURVESMITH_RES_QT_DIALOG_UNITS_H_
#define CURVESMITH_RES_QT_DIALOG_UNITS_H_

#include <QFont>
#include <QRect>

#include "res/dialog_template.h"

namespace curvesmith {

using DialogBaseUnits = res::DialogBaseUnits;

// The base units of a dialog laid out in `font`: the average width of the
// Latin letters, rounded, and the font's line height, in pixels.
DialogBaseUnits DialogBaseUnitsOf(const QFont& font);

// `rect`, given in dialog units, in pixels.
QRect ToPixels(const DialogBaseUnits& units, const res::DialogRect& rect);

// The font a dialog template asks for, falling back to the nearest Japanese
// UI fonts where the template's own is not installed.
QFont DialogFont(const res::DialogTemplate& dialog);

}  // namespace curvesmith

#endif  // CURVESMITH_RES_QT_DIALOG_UNITS_H_
