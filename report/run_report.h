#ifndef CURVESMITH_REPORT_RUN_REPORT_H_
#define CURVESMITH_REPORT_RUN_REPORT_H_

#include <cstdint>
#include <ostream>
#include <string_view>

#include "engine/algorithm.h"
#include "engine/run_state.h"

namespace curvesmith::report {

// Reports of a finished run. They read generations 0 to Generation and places
// 0 to PopulationSize - 1 only. Numbers in CSV and JSON are the shortest
// decimals that read back to the same double.

// How a run was computed besides its parameters: its operators and the
// formula it climbed (empty: the target curve). The reports name them only
// when one of them differs from the classic algorithm on its curve, so a
// classic run's reports are as they always were.
struct RunDescription {
  Algorithm algorithm;
  std::string_view formula;
};

// For a person: parameters, seed, one line per generation, the final best.
void WriteSummary(std::ostream& out, const RunState& state, std::uint32_t seed,
                  const RunDescription& description = {});

// generation,best_position,best_fitness
void WriteBestCsv(std::ostream& out, const RunState& state);

// generation,place,position,fitness
void WriteHistoryCsv(std::ostream& out, const RunState& state);

// {"seed", "parameters", "best": [...], "history": [...]}, with
// "algorithm": {"selection", "crossover", "mutation", "elitism", "encoding"
// and, for a formula, "formula"} after "parameters" when the description
// differs from the classic one.
void WriteJson(std::ostream& out, const RunState& state, std::uint32_t seed,
               const RunDescription& description = {});

}  // namespace curvesmith::report

#endif  // CURVESMITH_REPORT_RUN_REPORT_H_
