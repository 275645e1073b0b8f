#ifndef CURVESMITH_CHART_FITNESS_AXIS_H_
#define CURVESMITH_CHART_FITNESS_AXIS_H_

#include <string>
#include <vector>

#include "chart/chart_mapping.h"
#include "engine/objective.h"

namespace curvesmith::chart {

// The frame's grid divides the fitness axis into this many equal intervals.
inline constexpr int kFitnessIntervals = 8;

// One interval on the frame's own scale: 800 units of 5 per fitness, in 8.
inline constexpr double kFrameFitnessStep =
    (kFrameBottom - kFrameTop) / kUnitsPerFitness / static_cast<double>(kFitnessIntervals);

// The fitness axis up the frame: kFitnessIntervals intervals of `step`,
// starting at `lowest` on the frame's bottom edge.
struct FitnessAxis {
  double lowest = 0.0;
  double step = 1.0;

  // `f` as the chart's mapping takes it (ChartY, MarkerBox): 0 at the
  // frame's bottom edge, 160 at its top. On the built-in curves' 0 to 160
  // axis this is `f` itself, bit for bit.
  // Inline: the replay's erasures take every marker of a run through it.
  double FrameFitness(double f) const { return (f - lowest) * (kFrameFitnessStep / step); }
  double Highest() const { return lowest + kFitnessIntervals * step; }
};

// The axis of a built-in curve: its chart_lowest to chart_highest.
FitnessAxis CurveAxis(const TargetCurve& curve);

// The axis fitted to values from `lowest` to `highest`: the smallest step of
// 1, 2, 2.5 or 5 times a power of ten whose multiples, from the one at or
// below `lowest`, reach `highest`. Equal values get an axis around them.
// REQUIRES: both finite, lowest <= highest.
FitnessAxis FittedAxis(double lowest, double highest);

// The labels of the axis's grid lines, bottom to top (kFitnessIntervals + 1
// of them), with as many digits as the step needs; a power of ten as "e6".
std::vector<std::string> TickLabels(const FitnessAxis& axis);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_FITNESS_AXIS_H_
