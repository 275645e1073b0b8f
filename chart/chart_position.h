#ifndef CURVESMITH_CHART_CHART_POSITION_H_
#define CURVESMITH_CHART_CHART_POSITION_H_

#include <climits>

namespace curvesmith::chart {

// Where a replay stands within the picture of one generation: its frame's
// first pause (markers and readouts shown), its second (markers erased, the
// chart repaired, the readouts still there), or the end of the replay (the
// FinalFrame left standing).
enum class ReplayPhase { kMarkersShown, kChartRepaired, kEnded };

// A picture of a run's paint: the chart without a replay (the base), or the
// replay's picture of a generation at a phase. The last generation's picture
// is the FinalFrame, whatever the phase asked for.
struct ChartPosition {
  bool replay = false;
  int generation = 0;
  ReplayPhase phase = ReplayPhase::kMarkersShown;

  static constexpr ChartPosition Base() { return {}; }
  static constexpr ChartPosition Generation(int generation,
                                            ReplayPhase phase = ReplayPhase::kMarkersShown) {
    return {.replay = true, .generation = generation, .phase = phase};
  }
  // Generations beyond the run are held to its last, the FinalFrame.
  static constexpr ChartPosition Final() { return Generation(INT_MAX, ReplayPhase::kEnded); }
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_CHART_POSITION_H_
