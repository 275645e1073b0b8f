#ifndef CURVESMITH_TESTS_ENGINE_ENGINE_TEST_SUPPORT_H_
#define CURVESMITH_TESTS_ENGINE_ENGINE_TEST_SUPPORT_H_

#include <cstring>
#include <memory>

#include "engine/individual.h"
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

inline bool SameBytes(const RunState& a, const RunState& b) {
  return std::memcmp(&a, &b, sizeof(RunState)) == 0;
}

}  // namespace curvesmith::testing

#endif  // CURVESMITH_TESTS_ENGINE_ENGINE_TEST_SUPPORT_H_
