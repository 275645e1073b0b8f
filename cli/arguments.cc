#include "cli/arguments.h"

#include <limits>

#include "cli/exact_numbers.h"
#include "cli/shown_text.h"
#include "engine/crt_random.h"
#include "engine/number_text.h"
#include "engine/objective.h"
#include "engine/run_parameters.h"
#include "engine/run_state.h"

namespace curvesmith::cli {
namespace {

struct RunOptionInfo {
  std::string_view name;
  RunField field;
  float ParameterSet::*member;
};

constexpr RunOptionInfo kRunOptions[] = {
    {"--population", RunField::kPopulationSize, &ParameterSet::PopulationSize},
    {"--generations", RunField::kGenerations, &ParameterSet::Generations},
    {"--crossover", RunField::kCrossoverRate, &ParameterSet::CrossoverRate},
    {"--mutation", RunField::kMutationRate, &ParameterSet::MutationRate},
    {"--curve", RunField::kTargetCurve, &ParameterSet::TargetCurve},
};

// A small count in words, as the messages write it; digits beyond twelve.
std::string CountWord(std::size_t count) {
  static constexpr std::string_view kWords[] = {"no",   "one",    "two",   "three", "four",
                                                "five", "six",    "seven", "eight", "nine",
                                                "ten",  "eleven", "twelve"};
  return count < std::size(kWords) ? std::string(kWords[count]) : std::to_string(count);
}

std::string SeedRange() {
  return "0 to " + std::to_string(std::numeric_limits<std::uint32_t>::max());
}

std::string RateRange() {
  return FormatNumber(kLowestRate) + " to " + FormatNumber(kHighestRate);
}

// What the option of `field` accepts, from the limits of the data model.
std::string Accepted(RunField field) {
  switch (field) {
    case RunField::kPopulationSize:
      return "a number below " + std::to_string(kMaxPopulation + 1) + " (at most " +
             std::to_string(kMaxPopulation) + " individuals)";
    case RunField::kGenerations:
      return "a number below " + std::to_string(kMaxGenerations + 1) + " (at most " +
             std::to_string(kMaxGenerations) + " generations)";
    case RunField::kCrossoverRate:
    case RunField::kMutationRate:
      return "a number from " + RateRange();
    case RunField::kTargetCurve:
      break;
  }
  return TargetCurveNumbers(", ", " or ") + " (the " + CountWord(TargetCurves().size()) +
         " curves)";
}

const RunOptionInfo* FindRunOption(std::string_view option) {
  for (const RunOptionInfo& info : kRunOptions) {
    if (info.name == option) return &info;
  }
  return nullptr;
}

// The refusal of a text the form refuses too: a number it would have to
// round to 0 or to infinity even in double precision is not taken for either.
[[noreturn]] void RefuseNumber(const RunOptionInfo& info, std::string_view text) {
  switch (FindBeyondDouble(text)) {
    case BeyondDouble::kTooSmall:
      throw UsageError(std::string(info.name) + " takes " + Accepted(info.field) + ", not " +
                       Shown(text) + ", which underflows double precision");
    case BeyondDouble::kTooLarge:
      throw UsageError(std::string(info.name) + " takes " + Accepted(info.field) + ", not " +
                       Shown(text) + ", which overflows double precision");
    case BeyondDouble::kNo:
      break;
  }
  Refuse(info.name, Accepted(info.field), text);
}

}  // namespace

void Refuse(std::string_view option, std::string_view accepted, std::string_view text) {
  throw UsageError(std::string(option) + " takes " + std::string(accepted) + ", not " +
                   Shown(text));
}

std::string_view Arguments::NextOption() {
  return words_[next_++];
}

std::string_view Arguments::ValueOf(std::string_view option) {
  if (Done()) throw UsageError(std::string(option) + " needs a value");
  return words_[next_++];
}

bool TakeRunOption(std::string_view option, Arguments& arguments, RunOptions& options) {
  if (option == "--seed") {
    const std::string_view text = arguments.ValueOf(option);
    if (!ReadNumber(text, options.seed)) {
      Refuse(option, "a whole number from " + SeedRange(), text);
    }
    options.seed_given = true;
    return true;
  }
  const RunOptionInfo* info = FindRunOption(option);
  if (info == nullptr) return false;
  const std::string_view text = arguments.ValueOf(option);
  options.parameters.*info->member = ReadRunValue(option, text);
  return true;
}

float ReadRunValue(std::string_view option, std::string_view text) {
  const RunOptionInfo& info = *FindRunOption(option);
  const auto value = ParseNumber(text);
  if (!value) RefuseNumber(info, text);
  return *value;
}

void CheckRunValue(std::string_view option, float value, std::string_view text) {
  const RunOptionInfo& info = *FindRunOption(option);
  RunOptions single;
  single.parameters.*info.member = value;
  if (FindValueOutsideModel(single.parameters) == info.field) {
    Refuse(option, Accepted(info.field), text);
  }
}

void CheckRunOptions(const RunOptions& options) {
  const auto field = FindValueOutsideModel(options.parameters);
  if (!field) return;
  for (const RunOptionInfo& info : kRunOptions) {
    if (info.field == *field) {
      Refuse(info.name, Accepted(info.field), FormatNumber(options.parameters.*info.member));
    }
  }
}

std::uint32_t SeedOf(const RunOptions& options) {
  return options.seed_given ? options.seed : SeedFromClock();
}

std::string RunOptionsHelp() {
  const ParameterSet defaults = RunOptions().parameters;
  const auto default_of = [&](float ParameterSet::*member) {
    return "(default " + FormatNumber(defaults.*member) + ")\n";
  };
  return "  --curve C         target curve: " + TargetCurveNumbers(", ", " or ") + " " +
         default_of(&ParameterSet::TargetCurve) + "  --population N    population size, at most " +
         std::to_string(kMaxPopulation) + " " + default_of(&ParameterSet::PopulationSize) +
         "  --generations G   bred generations, at most " + std::to_string(kMaxGenerations) + " " +
         default_of(&ParameterSet::Generations) + "  --crossover R     crossover rate, " +
         RateRange() + " " + default_of(&ParameterSet::CrossoverRate) +
         "  --mutation R      mutation rate, " + RateRange() + " " +
         default_of(&ParameterSet::MutationRate) +
         "  --seed S          seed of the random generator, " + SeedRange() +
         "\n"
         "                    (default: the current time, as the desktop program does)\n";
}

}  // namespace curvesmith::cli
