#ifndef CURVESMITH_CHART_FRAME_AND_GRID_H_
#define CURVESMITH_CHART_FRAME_AND_GRID_H_

#include "chart/chart_resources.h"
#include "chart/surface.h"

namespace curvesmith::chart {

// Strokes the frame box with FramePen, from its bottom-left corner to the
// right, up, left and down again, then with GridPen the seven horizontal grid
// lines (fitness 20 to 140, from the bottom up, each drawn left to right) and
// the nine vertical ones (x 2 to 18, each drawn top to bottom). Leaves GridPen
// selected and the current position at (1400, 900).
void DrawFrameAndGrid(Surface& surface, const ChartResources& resources);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_FRAME_AND_GRID_H_
