#ifndef CURVESMITH_ENGINE_RUN_PARAMETERS_H_
#define CURVESMITH_ENGINE_RUN_PARAMETERS_H_

#include <cstdint>
#include <optional>

#include "engine/parameter_set.h"
#include "engine/run_settings.h"

namespace curvesmith {

// The first run parameter, in the order of RunField, that a run refuses: a
// value that is not a finite number, a count above its setting's `most` (a
// population above kMaxPopulation, more than kMaxGenerations generations), a
// rate outside kLowestRate to kHighestRate, or a choice that selects none (a
// target curve that selects no curve would score nobody and carry the
// previous run's fitness along).
// Zero and negative counts are within the model: they run as they are. The
// auxiliary value is not read.
std::optional<RunField> FindValueOutsideModel(const ParameterSet& parameters);

// The population size and the generations as a run takes them: each
// truncated toward zero and held to the lowest int32 to its capacity
// (kMaxPopulation, kMaxGenerations); a value that is not a number counts as 0.
// A run and everything that checks what a run gave read them here alone.
struct RunCounts {
  std::int32_t population;
  std::int32_t generations;
};
RunCounts CountsOfRun(const ParameterSet& parameters);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_RUN_PARAMETERS_H_
