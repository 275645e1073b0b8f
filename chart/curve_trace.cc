#include "chart/curve_trace.h"

#include "chart/chart_mapping.h"
#include "engine/objective.h"

namespace curvesmith::chart {

void DrawCurveTrace(Surface& surface, const ChartResources& resources, double target_curve) {
  resources.Select(ChartResource::BluePen);
  const auto start = ObjectiveFunction(target_curve, 0.0);
  if (!start) return;
  surface.MoveTo(ChartX(0.0), ChartY(*start));
  for (int i = 0; i <= kTraceLastSample; ++i) {
    const double x = static_cast<double>(i) / kTraceSamplesPerUnit;
    surface.LineTo(ChartX(x), ChartY(*ObjectiveFunction(target_curve, x)));
  }
}

}  // namespace curvesmith::chart
