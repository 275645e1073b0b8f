#ifndef CURVESMITH_ENGINE_RUN_PARAMETERS_H_
#define CURVESMITH_ENGINE_RUN_PARAMETERS_H_

#include <optional>

namespace curvesmith {

// The range of the two rates; the counts' limits are the run state's
// capacities, kMaxPopulation and kMaxGenerations.
inline constexpr float kLowestRate = 0.0f;
inline constexpr float kHighestRate = 1.0f;

// The five values a run is started with, single precision as the form holds
// them: the counts are truncated toward zero, the rates and the curve selector
// widened to double exactly.
struct RunParameters {
  float population_size = 0.0f;
  float generations = 0.0f;
  float crossover_rate = 0.0f;
  float mutation_rate = 0.0f;
  float target_curve = 0.0f;
};

enum class RunField { kPopulationSize, kGenerations, kCrossoverRate, kMutationRate, kTargetCurve };

// The first value, in the order of RunField, that lies outside the data model:
// a value that is not a finite number, a population above 1000, more than 999
// generations, or a rate outside 0 to 1. Zero, negative counts and numbers that
// select no curve are within it: they run as they are.
std::optional<RunField> FindValueOutsideModel(const RunParameters& parameters);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_RUN_PARAMETERS_H_
