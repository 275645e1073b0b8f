#ifndef CURVESMITH_REPORT_RUN_REPORT_H_
#define CURVESMITH_REPORT_RUN_REPORT_H_

#include <cstdint>
#include <ostream>

#include "engine/run_state.h"

namespace curvesmith::report {

// Reports of a finished run. They read generations 0 to Generation and places
// 0 to PopulationSize - 1 only. Numbers in CSV and JSON are the shortest
// decimals that read back to the same double.

// For a person: parameters, seed, one line per generation, the final best.
void WriteSummary(std::ostream& out, const RunState& state, std::uint32_t seed);

// generation,best_position,best_fitness
void WriteBestCsv(std::ostream& out, const RunState& state);

// generation,place,position,fitness
void WriteHistoryCsv(std::ostream& out, const RunState& state);

// {"seed", "parameters", "best": [...], "history": [...]}
void WriteJson(std::ostream& out, const RunState& state, std::uint32_t seed);

}  // namespace curvesmith::report

#endif  // CURVESMITH_REPORT_RUN_REPORT_H_
