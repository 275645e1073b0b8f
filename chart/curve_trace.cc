#include "chart/curve_trace.h"

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
  static const auto tables = [] {
    std::vector<std::vector<int>> ordinates;
    for (const TargetCurve& curve : TargetCurves()) {
      std::vector<int>& samples = ordinates.emplace_back();
      samples.reserve(kTraceLastSample + 1);
      for (int i = 0; i <= kTraceLastSample; ++i) {
        samples.push_back(ChartY(curve.fitness(SamplePosition(i))));
      }
    }
    return ordinates;
  }();
  const TargetCurve* curve = FindTargetCurve(target_curve);
  if (curve == nullptr) return nullptr;
  return &tables[static_cast<std::size_t>(curve - TargetCurves().data())];
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
