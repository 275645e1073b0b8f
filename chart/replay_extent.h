#ifndef CURVESMITH_CHART_REPLAY_EXTENT_H_
#define CURVESMITH_CHART_REPLAY_EXTENT_H_

#include <algorithm>

#include "engine/run_state.h"

namespace curvesmith::chart {

// The last evaluated generation of the run in `state` (the FinalFrame's) and
// the markers per frame, held to the capacities of the tables, so a state
// that no run produced cannot make a replay read outside them.
inline int ReplayLastGeneration(const RunState& state) {
  return std::clamp(state.Generation, 0, kByGenerationEntries - 1);
}

inline int ReplayPopulation(const RunState& state) {
  return std::clamp(state.PopulationSize, 0, kHistoryPlaces);
}

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_REPLAY_EXTENT_H_
