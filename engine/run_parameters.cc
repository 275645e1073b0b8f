#include "engine/run_parameters.h"

#include <cmath>

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

}  // namespace

std::optional<RunField> FindValueOutsideModel(const ParameterSet& p) {
  if (!IsCountWithin(p.PopulationSize, kMaxPopulation)) return RunField::kPopulationSize;
  if (!IsCountWithin(p.Generations, kMaxGenerations)) return RunField::kGenerations;
  if (!IsRate(p.CrossoverRate)) return RunField::kCrossoverRate;
  if (!IsRate(p.MutationRate)) return RunField::kMutationRate;
  if (!SelectsCurve(p.TargetCurve)) return RunField::kTargetCurve;
  return std::nullopt;
}

}  // namespace curvesmith
