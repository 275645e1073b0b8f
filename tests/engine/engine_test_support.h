#ifndef CURVESMITH_TESTS_ENGINE_ENGINE_TEST_SUPPORT_H_
#define CURVESMITH_TESTS_ENGINE_ENGINE_TEST_SUPPORT_H_

#include <cstring>
#include <memory>

#include "engine/individual.h"
#include "engine/parameter_set.h"
#include "engine/run_state.h"

namespace curvesmith::testing {

// A zeroed run state, as at program start (too large for the stack).
inline std::unique_ptr<RunState> FreshState() {
  return std::make_unique<RunState>();
}

// The individual whose genes spell `value` (gene j = bit j).
inline Individual GenomeOf(int value, double fitness = 0.0) {
  Individual individual{};
  for (int j = 0; j < kGeneCount; ++j) individual.gene[j] = (value >> j) & 1;
  individual.fitness = fitness;
  return individual;
}

// The form's values for a run; the auxiliary value stays 0.
inline ParameterSet Parameters(float population, float generations, float crossover = 0.7f,
                               float mutation = 0.1f, float curve = 0.0f) {
  return {.Generations = generations,
          .CrossoverRate = crossover,
          .PopulationSize = population,
          .MutationRate = mutation,
          .TargetCurve = curve};
}

// Whether the first `size` bytes of two run states agree (all by default).
inline bool SameBytes(const RunState& a, const RunState& b, std::size_t size = sizeof(RunState)) {
  return std::memcmp(&a, &b, size) == 0;
}

}  // namespace curvesmith::testing

#endif  // CURVESMITH_TESTS_ENGINE_ENGINE_TEST_SUPPORT_H_
