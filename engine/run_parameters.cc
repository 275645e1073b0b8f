#include "engine/run_parameters.h"

#include <cmath>

#include "engine/run_state.h"

namespace curvesmith {
namespace {

bool IsCountWithin(float value, int most) {
  return std::isfinite(value) && std::trunc(value) <= most;
}

bool IsRate(float value) {
  return value >= kLowestRate && value <= kHighestRate;
}

}  // namespace

std::optional<RunField> FindValueOutsideModel(const RunParameters& p) {
  if (!IsCountWithin(p.population_size, kMaxPopulation)) return RunField::kPopulationSize;
  if (!IsCountWithin(p.generations, kMaxGenerations)) return RunField::kGenerations;
  if (!IsRate(p.crossover_rate)) return RunField::kCrossoverRate;
  if (!IsRate(p.mutation_rate)) return RunField::kMutationRate;
  if (!std::isfinite(p.target_curve)) return RunField::kTargetCurve;
  return std::nullopt;
}

}  // namespace curvesmith
