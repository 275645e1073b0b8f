#ifndef CURVESMITH_CHART_CHART_RESOURCES_H_
#define CURVESMITH_CHART_CHART_RESOURCES_H_

#include <array>
#include <optional>
#include <vector>

#include "chart/surface.h"

namespace curvesmith::chart {

// The drawing resources of one paint, in the order of creation.
enum class ChartResource {
  ChartFont,
  WhiteBrush,
  RedBrush,
  FramePen,
  GridPen,
  BluePen,
  WhitePen,
  GreenPen,
};
inline constexpr int kChartResourceCount = 8;

// The resources a paint creates on its surface. The font is created on its
// own (before the captions), then the brushes and pens; freeing deletes what
// was created in the reverse order of creation, once. A resource whose
// creation failed is absent: Select() skips it and the surface keeps what it
// had selected.
class ChartResources {
 public:
  explicit ChartResources(Surface& surface) : surface_(surface) {}
  // Frees whatever is still held (a paint left early).
  ~ChartResources() { Free(); }

  ChartResources(const ChartResources&) = delete;
  ChartResources& operator=(const ChartResources&) = delete;

  // ChartFont: bold, cell height 45, average width 15, Shift-JIS character
  // set, "Times New Roman".
  void CreateFont();
  // WhiteBrush, RedBrush, FramePen, GridPen, BluePen, WhitePen, GreenPen.
  void CreateBrushesAndPens();
  void Free();

  // Selects the resource on the surface if it exists.
  void Select(ChartResource resource) const;
  bool Has(ChartResource resource) const;

 private:
  void Create(ChartResource resource);

  Surface& surface_;
  std::array<std::optional<ObjectHandle>, kChartResourceCount> objects_{};
  std::vector<ChartResource> created_;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_CHART_RESOURCES_H_
