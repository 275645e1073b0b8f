#ifndef CURVESMITH_CHART_QT_CHART_AREA_SIZE_H_
#define CURVESMITH_CHART_QT_CHART_AREA_SIZE_H_

#include <QFont>
#include <QSize>

namespace curvesmith::chart {

// The chart area's size in pixels: 693 x 396 dialog units of `form_font`,
// converted as dialog templates are (a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height).
// About 1040 x 600 for a 9-point font at 96 dpi.
QSize ChartAreaPixelSize(const QFont& form_font);

// The 9-point font of the parameter form: "ＭＳ Ｐゴシック", matched by a
// Japanese gothic face where it is not installed.
QFont FormFont();

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_CHART_AREA_SIZE_H_
