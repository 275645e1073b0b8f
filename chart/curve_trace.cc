#include "chart/curve_trace.h"

#include <array>
#include <optional>
#include <vector>

#include "chart/chart_mapping.h"
#include "engine/objective.h"

namespace curvesmith::chart {
namespace {

double SamplePosition(int i) {
  return static_cast<double>(i) / kTraceSamplesPerUnit;
}

// The chart ordinate of every sample of `target_curve`; nothing when it
// selects no curve. Every replay frame draws the trace again, so the three
// curves' ordinates are computed once, on first use, with the very
// evaluations the trace would make.
const std::vector<int>* Ordinates(double target_curve) {
  static constexpr double kCurves[] = {0.0, 1.0, 2.0};
  static const auto tables = [] {
    std::array<std::vector<int>, std::size(kCurves)> ordinates;
    for (std::size_t c = 0; c < std::size(kCurves); ++c) {
      ordinates[c].reserve(kTraceLastSample + 1);
      for (int i = 0; i <= kTraceLastSample; ++i) {
        ordinates[c].push_back(ChartY(*ObjectiveFunction(kCurves[c], SamplePosition(i))));
      }
    }
    return ordinates;
  }();
  for (std::size_t c = 0; c < std::size(kCurves); ++c) {
    if (target_curve == kCurves[c]) return &tables[c];
  }
  return nullptr;
}

}  // namespace

void DrawCurveTrace(Surface& surface, const ChartResources& resources, double target_curve) {
  resources.Select(ChartResource::BluePen);
  const std::vector<int>* ordinates = Ordinates(target_curve);
  if (ordinates == nullptr) return;
  // The first sample is x = 0, where the trace starts.
  surface.MoveTo(ChartX(0.0), (*ordinates)[0]);
  for (int i = 0; i <= kTraceLastSample; ++i) {
    surface.LineTo(ChartX(SamplePosition(i)), (*ordinates)[static_cast<std::size_t>(i)]);
  }
}

}  // namespace curvesmith::chart
