#include "engine/run_parameters.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace curvesmith {
namespace {

bool IsCountWithin(float value, int most) {
  return std::isfinite(value) && std::trunc(value) <= most;
}

bool IsRate(float value) {
  return value >= kLowestRate && value <= kHighestRate;
}

bool IsWithinModel(const RunSetting& setting, float value) {
  switch (setting.kind) {
    case SettingKind::kCount:
      return IsCountWithin(value, setting.most);
    case SettingKind::kRate:
      return IsRate(value);
    case SettingKind::kChoice:
      return setting.selects(value);
    case SettingKind::kSeed:
    case SettingKind::kCarried:
      break;
  }
  return true;
}

std::int32_t RunCount(float value, std::int32_t most) {
  if (std::isnan(value)) return 0;
  const double lowest = std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(
      std::clamp(std::trunc(static_cast<double>(value)), lowest, static_cast<double>(most)));
}

}  // namespace

std::optional<RunField> FindValueOutsideModel(const ParameterSet& parameters) {
  for (const RunSetting& setting : kRunSettings) {
    if (setting.member != nullptr && !IsWithinModel(setting, parameters.*setting.member)) {
      return setting.field;
    }
  }
  return std::nullopt;
}

RunCounts CountsOfRun(const ParameterSet& parameters) {
  return {.population = RunCount(parameters.PopulationSize, kMaxPopulation),
          .generations = RunCount(parameters.Generations, kMaxGenerations)};
}

}  // namespace curvesmith
