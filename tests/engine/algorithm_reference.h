#ifndef CURVESMITH_TESTS_ENGINE_ALGORITHM_REFERENCE_H_
#define CURVESMITH_TESTS_ENGINE_ALGORITHM_REFERENCE_H_

#include <cstdint>

#include "engine/algorithm.h"
#include "engine/curve_table.h"
#include "engine/parameter_set.h"
#include "engine/run_state.h"

namespace curvesmith::reference {

// A whole run with every operator choice, written as literally as the
// reference engine: records instead of columns, place-by-place scans,
// gene-by-gene loops, the Gray code decoded bit by bit. For any seed,
// parameters within the data model and choices within their ranges the
// engine must write exactly the same run state.
void RunEvolution(RunState& state, const ParameterSet& parameters, std::uint32_t seed,
                  const Algorithm& algorithm, const CurveTable* curve);

}  // namespace curvesmith::reference

#endif  // CURVESMITH_TESTS_ENGINE_ALGORITHM_REFERENCE_H_
