#ifndef CURVESMITH_BENCH_LARGEST_RUN_H_
#define CURVESMITH_BENCH_LARGEST_RUN_H_

#include "engine/parameter_set.h"

namespace curvesmith {

// The largest run the program allows: 1000 individuals, 999 generations, on
// curve `curve`, with the form's usual rates.
inline ParameterSet LargestRunParameters(float curve = 0.0f) {
  return {.Generations = 999.0f,
          .CrossoverRate = 0.7f,
          .PopulationSize = 1000.0f,
          .MutationRate = 0.1f,
          .TargetCurve = curve};
}

}  // namespace curvesmith

#endif  // CURVESMITH_BENCH_LARGEST_RUN_H_
