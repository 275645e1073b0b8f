#include "chart/curve_trace.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/chart_mapping.h"
#include "chart/fitted_curve.h"
#include "engine/objective.h"

namespace curvesmith::chart {
namespace {

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
        samples.push_back(ChartY(curve.fitness(TraceSamplePosition(i))));
      }
    }
    return ordinates;
  }();
  const TargetCurve* curve = FindTargetCurve(target_curve);
  if (curve == nullptr) return nullptr;
  return &tables[static_cast<std::size_t>(curve - TargetCurves().data())];
}

// The frame's own scale ends at its top edge (see FitnessAxis::FrameFitness).
constexpr double kFrameHighest = (kFrameBottom - kFrameTop) / kUnitsPerFitness;

void DrawFittedTrace(Surface& surface, const FittedCurve& curve) {
  bool drawing = false;
  for (int i = 0; i <= kTraceLastSample; ++i) {
    const double value = curve.trace[static_cast<std::size_t>(i)];
    if (std::isnan(value)) {
      drawing = false;
      continue;
    }
    const int x = ChartX(TraceSamplePosition(i));
    const int y = ChartY(std::clamp(curve.axis.FrameFitness(value), 0.0, kFrameHighest));
    if (!drawing) surface.MoveTo(x, y);
    drawing = true;
    surface.LineTo(x, y);
  }
}

}  // namespace

double TraceSamplePosition(int i) {
  return static_cast<double>(i) / kTraceSamplesPerUnit;
}

void DrawCurveTrace(Surface& surface, const ChartResources& resources, double target_curve,
                    const FittedCurve* fitted) {
  resources.Select(ChartResource::BluePen);
  if (fitted != nullptr) {
    DrawFittedTrace(surface, *fitted);
    return;
  }
  const std::vector<int>* ordinates = Ordinates(target_curve);
  if (ordinates == nullptr) return;
  // The first sample is x = 0, where the trace starts.
  surface.MoveTo(ChartX(0.0), (*ordinates)[0]);
  for (int i = 0; i <= kTraceLastSample; ++i) {
    surface.LineTo(ChartX(TraceSamplePosition(i)), (*ordinates)[static_cast<std::size_t>(i)]);
  }
}

}  // namespace curvesmith::chart
