#ifndef CURVESMITH_CHART_FITTED_CURVE_H_
#define CURVESMITH_CHART_FITTED_CURVE_H_

#include <functional>
#include <span>
#include <vector>

#include "chart/fitness_axis.h"
#include "engine/run_state.h"

namespace curvesmith::chart {

// A target curve the chart draws in place of the built-in one the run's
// TargetCurve selects, such as a formula: the axis fitted to its values at
// the genome positions, and its value at every trace sample.
struct FittedCurve {
  FitnessAxis axis;
  // Entry i: the value at TraceSamplePosition(i), i = 0 .. kTraceLastSample;
  // it may be infinite or not a number between genome positions.
  std::vector<double> trace;
};

// The chart of the curve whose values at the genome positions are
// `genome_values` (finite) and whose value at any x is `value_at(x)`.
FittedCurve FitCurve(std::span<const double> genome_values,
                     const std::function<double(double)>& value_at);

// The fitness axis the chart of `state` is drawn on: the fitted curve's when
// there is one, otherwise the built-in curve's (curve 0's when TargetCurve
// selects none).
FitnessAxis ChartAxis(const RunState& state, const FittedCurve* curve);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_FITTED_CURVE_H_
