#include "engine/run_parameters.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/objective.h"
#include "engine/run_state.h"

namespace curvesmith {
namespace {

bool IsCountWithin(float value, int most) {
  return std::isfinite(value) && std::trunc(value) <= most;
}

bool IsRate(float value) {
  return value >= kLowestRate && value <= kHighestRate;
}

std::int32_t RunCount(float value, std::int32_t most) {
  if (std::isnan(value)) return 0;
  const double lowest = std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(
      std::clamp(std::trunc(static_cast<double>(value)), lowest, static_cast<double>(most)));
}

}  // namespace

std::optional<RunField> FindValueOutsideModel(const ParameterSet& p) {
  if (!IsCountWithin(p.PopulationSize, kMaxPopulation)) return RunField::kPopulationSize;
  if (!IsCountWithin(p.Generations, kMaxGenerations)) return RunField::kGenerations;
  if (!IsRate(p.CrossoverRate)) return RunField::kCrossoverRate;
  if (!IsRate(p.MutationRate)) return RunField::kMutationRate;
  if (!SelectsCurve(p.TargetCurve)) return RunField::kTargetCurve;
  return std::nullopt;
}

RunCounts CountsOfRun(const ParameterSet& parameters) {
  return {.population = RunCount(parameters.PopulationSize, kMaxPopulation),
          .generations = RunCount(parameters.Generations, kMaxGenerations)};
}

}  // namespace curvesmith
