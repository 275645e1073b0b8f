#ifndef CURVESMITH_ENGINE_RUN_SETTINGS_H_
#define CURVESMITH_ENGINE_RUN_SETTINGS_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/objective.h"
#include "engine/parameter_set.h"
#include "engine/run_state.h"

namespace curvesmith {

// The range of the two rates; the counts' limits are the run state's
// capacities, kMaxPopulation and kMaxGenerations.
inline constexpr float kLowestRate = 0.0f;
inline constexpr float kHighestRate = 1.0f;

// Every setting of a run, in the order a run checks them (the first five).
// The reports, the chart's caption and the form write their settings in
// orders of their own, each by hand.
enum class RunField {
  kPopulationSize,
  kGenerations,
  kCrossoverRate,
  kMutationRate,
  kTargetCurve,
  kAuxParameter,
  kSeed,
};

// What a setting's value is, which decides how it is read, checked and
// described.
enum class SettingKind {
  kCount,    // truncated toward zero; finite and at most `most`
  kRate,     // from kLowestRate to kHighestRate
  kChoice,   // one of a few values, named by `choices` and told by `selects`
  kSeed,     // the random generator's seed: a whole number from 0 to 2^32 - 1
  kCarried,  // any number, carried along and read by no computation
};

// One run setting, described once for the run, the parameter file, the
// command line and the reports. The window's part (control, label, range
// text) is attached where the form lives.
struct RunSetting {
  RunField field = {};
  // Its key in a parameter file and in a run's JSON report.
  std::string_view key = {};
  // Its curvesmith-cli option (empty when the command line has none), the
  // name of the option's value in --help, and what --help says it is.
  std::string_view option = {};
  std::string_view value_name = {};
  std::string_view meaning = {};
  SettingKind kind = {};
  // Where a ParameterSet holds it; nullptr for the seed, which a run is given
  // beside its parameters.
  float ParameterSet::*member = {};
  // kCount: the most a run takes, and what it counts ("individuals").
  int most = {};
  std::string_view unit = {};
  // kChoice: whether a value selects one of the choices, and the choices'
  // names in order; `unit` names them all ("curves").
  bool (*selects)(double value) = {};
  std::vector<std::string> (*choices)() = {};
  // The value a run takes when none is given (the seed's is the clock's).
  float default_value = {};
};

// Every setting, in the order of RunField.
inline constexpr RunSetting kRunSettings[] = {
    {.field = RunField::kPopulationSize,
     .key = "population_size",
     .option = "--population",
     .value_name = "N",
     .meaning = "population size",
     .kind = SettingKind::kCount,
     .member = &ParameterSet::PopulationSize,
     .most = kMaxPopulation,
     .unit = "individuals",
     .default_value = 100.0f},
    {.field = RunField::kGenerations,
     .key = "generations",
     .option = "--generations",
     .value_name = "G",
     .meaning = "bred generations",
     .kind = SettingKind::kCount,
     .member = &ParameterSet::Generations,
     .most = kMaxGenerations,
     .unit = "generations",
     .default_value = 50.0f},
    {.field = RunField::kCrossoverRate,
     .key = "crossover_rate",
     .option = "--crossover",
     .value_name = "R",
     .meaning = "crossover rate",
     .kind = SettingKind::kRate,
     .member = &ParameterSet::CrossoverRate,
     .default_value = 0.7f},
    {.field = RunField::kMutationRate,
     .key = "mutation_rate",
     .option = "--mutation",
     .value_name = "R",
     .meaning = "mutation rate",
     .kind = SettingKind::kRate,
     .member = &ParameterSet::MutationRate,
     .default_value = 0.1f},
    {.field = RunField::kTargetCurve,
     .key = "target_curve",
     .option = "--curve",
     .value_name = "C",
     .meaning = "target curve",
     .kind = SettingKind::kChoice,
     .member = &ParameterSet::TargetCurve,
     .unit = "curves",
     .selects = SelectsCurve,
     .choices = TargetCurveNumbers,
     .default_value = 0.0f},
    {.field = RunField::kAuxParameter,
     .key = "aux_parameter",
     .kind = SettingKind::kCarried,
     .member = &ParameterSet::AuxParameter},
    {.field = RunField::kSeed,
     .key = "seed",
     .option = "--seed",
     .value_name = "S",
     .meaning = "seed of the random generator",
     .kind = SettingKind::kSeed},
};

static_assert(
    [] {
      for (std::size_t i = 0; i < std::size(kRunSettings); ++i) {
        if (static_cast<std::size_t>(kRunSettings[i].field) != i) return false;
      }
      return true;
    }(),
    "RunSettingOf finds each setting at its field's place");

inline constexpr const RunSetting& RunSettingOf(RunField field) {
  return kRunSettings[static_cast<int>(field)];
}

// The values a run takes when none is given.
ParameterSet DefaultRunParameters();

// The choices of a kChoice setting joined by `separator`, and before the
// last by `last_separator`: "0, 1 or 2".
std::string ChoicesText(const RunSetting& setting, std::string_view separator,
                        std::string_view last_separator);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_RUN_SETTINGS_H_
