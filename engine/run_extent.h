#ifndef CURVESMITH_ENGINE_RUN_EXTENT_H_
#define CURVESMITH_ENGINE_RUN_EXTENT_H_

#include <algorithm>

#include "engine/run_state.h"

namespace curvesmith {

// What the latest run recorded in a run state: generations 0 to
// last_generation (rows of the history tables and entries of the
// per-generation tables) and places 0 to places - 1 of each row. Held to the
// capacities of the tables, so that a state no run produced cannot make a
// reader walk outside them.
struct RunExtent {
  int last_generation = 0;
  int places = 0;
};

inline RunExtent RunExtentOf(const RunState& state) {
  return {.last_generation = std::clamp(state.Generation, 0, kByGenerationEntries - 1),
          .places = std::clamp(state.PopulationSize, 0, kHistoryPlaces)};
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_RUN_EXTENT_H_
