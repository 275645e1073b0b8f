#ifndef CURVESMITH_RES_QT_CHART_AREA_SIZE_H_
#define CURVESMITH_RES_QT_CHART_AREA_SIZE_H_

#include <QSize>

#include "res/qt/dialog_units.h"

namespace curvesmith {

// The size in pixels of the parameter form's chart area (693 x 396 dialog
// units) on a screen with `logical_dpi`: 1040 x 594 at 96 DPI. Images of the
// chart drawn off screen use this size at kDesignDpi.
QSize ChartAreaPixelSize(int logical_dpi);

}  // namespace curvesmith

#endif  // CURVESMITH_RES_QT_CHART_AREA_SIZE_H_
