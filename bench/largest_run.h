#ifndef CURVESMITH_BENCH_LARGEST_RUN_H_
#define CURVESMITH_BENCH_LARGEST_RUN_H_

#include "engine/parameter_set.h"
#include "engine/run_state.h"

namespace curvesmith {

// The largest run the data model holds, on curve 0, with the form's default
// rates: the run the speed goals are set for.
inline constexpr ParameterSet kLargestRun{.Generations = static_cast<float>(kMaxGenerations),
                                          .CrossoverRate = 0.7f,
                                          .PopulationSize = static_cast<float>(kMaxPopulation),
                                          .MutationRate = 0.1f,
                                          .TargetCurve = 0.0f};

}  // namespace curvesmith

#endif  // CURVESMITH_BENCH_LARGEST_RUN_H_
