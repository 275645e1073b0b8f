#include "chart/fitted_curve.h"

#include <algorithm>

#include "chart/curve_trace.h"

namespace curvesmith::chart {

FittedCurve FitCurve(std::span<const double> genome_values,
                     const std::function<double(double)>& value_at) {
  const auto [lowest, highest] = std::minmax_element(genome_values.begin(), genome_values.end());
  FittedCurve curve{.axis = FittedAxis(*lowest, *highest), .trace = {}};
  curve.trace.reserve(kTraceLastSample + 1);
  for (int i = 0; i <= kTraceLastSample; ++i)
    curve.trace.push_back(value_at(TraceSamplePosition(i)));
  return curve;
}

FitnessAxis ChartAxis(const RunState& state, const FittedCurve* curve) {
  if (curve != nullptr) return curve->axis;
  const TargetCurve* target = FindTargetCurve(state.TargetCurve);
  return CurveAxis(target != nullptr ? *target : TargetCurves().front());
}

}  // namespace curvesmith::chart
