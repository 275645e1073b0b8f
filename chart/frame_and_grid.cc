#include "chart/frame_and_grid.h"

#include "chart/chart_mapping.h"

namespace curvesmith::chart {
namespace {

// Grid lines every 20 fitness (100 units) and every 2 x (100 units).
constexpr int kGridSpacing = 100;

}  // namespace

void DrawFrameAndGrid(Surface& surface, const ChartResources& resources) {
  resources.Select(ChartResource::FramePen);
  surface.MoveTo(kFrameLeft, kFrameBottom);
  surface.LineTo(kFrameRight, kFrameBottom);
  surface.LineTo(kFrameRight, kFrameTop);
  surface.LineTo(kFrameLeft, kFrameTop);
  surface.LineTo(kFrameLeft, kFrameBottom);

  resources.Select(ChartResource::GridPen);
  for (int y = kFrameBottom - kGridSpacing; y > kFrameTop; y -= kGridSpacing) {
    surface.MoveTo(kFrameLeft, y);
    surface.LineTo(kFrameRight, y);
  }
  for (int x = kFrameLeft + kGridSpacing; x < kFrameRight; x += kGridSpacing) {
    surface.MoveTo(x, kFrameTop);
    surface.LineTo(x, kFrameBottom);
  }
}

}  // namespace curvesmith::chart
