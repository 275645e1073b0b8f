#ifndef CURVESMITH_TESTS_ENGINE_REFERENCE_ENGINE_H_
#define CURVESMITH_TESTS_ENGINE_REFERENCE_ENGINE_H_

#include <cstdint>

#include "engine/parameter_set.h"
#include "engine/run_state.h"

namespace curvesmith::reference {

// A second, deliberately literal engine: the roulette scans the running sums
// place by place, every individual is scored by ObjectiveFunction itself, and
// each mutation shifts the population along one place at a time. The real
// engine takes shortcuts for speed; for any seed and parameters within the
// data model both must write exactly the same run state.
struct Generator {
  std::uint32_t state;
  int rand() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
  }
};

void SelectAndCross(RunState& state, Generator& generator);
void Mutate(RunState& state, Generator& generator);
void RunEvolution(RunState& state, const ParameterSet& parameters, std::uint32_t seed);

}  // namespace curvesmith::reference

#endif  // CURVESMITH_TESTS_ENGINE_REFERENCE_ENGINE_H_
