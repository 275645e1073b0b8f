#include "cli/arguments.h"

#include <charconv>
#include <cmath>

#include "engine/crt_random.h"

namespace curvesmith::cli {
namespace {

struct RunOptionInfo {
  std::string_view name;
  RunField field;
  float RunParameters::*member;
  std::string_view accepted;
};

constexpr RunOptionInfo kRunOptions[] = {
    {"--population", RunField::kPopulationSize, &RunParameters::population_size,
     "a number below 1001 (at most 1000 individuals)"},
    {"--generations", RunField::kGenerations, &RunParameters::generations,
     "a number below 1000 (at most 999 generations)"},
    {"--crossover", RunField::kCrossoverRate, &RunParameters::crossover_rate,
     "a number from 0 to 1"},
    {"--mutation", RunField::kMutationRate, &RunParameters::mutation_rate, "a number from 0 to 1"},
    {"--curve", RunField::kTargetCurve, &RunParameters::target_curve,
     "a finite number (0, 1 or 2 select a curve)"},
};

[[noreturn]] void Refuse(std::string_view option, std::string_view accepted, std::string_view got) {
  throw UsageError(std::string(option) + " takes " + std::string(accepted) + ", not \"" +
                   std::string(got) + "\"");
}

// The whole text as a single-precision number, as the form would hold it.
bool ParseFloat(std::string_view text, float& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

}  // namespace

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
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, options.seed);
    if (error != std::errc() || stop != end)
      Refuse(option, "a whole number from 0 to 4294967295", text);
    options.seed_given = true;
    return true;
  }
  for (const RunOptionInfo& info : kRunOptions) {
    if (option != info.name) continue;
    const std::string_view text = arguments.ValueOf(option);
    float value = 0.0f;
    if (!ParseFloat(text, value)) Refuse(option, info.accepted, text);
    options.parameters.*info.member = value;
    return true;
  }
  return false;
}

void CheckRunOptions(const RunOptions& options) {
  const auto field = FindValueOutsideModel(options.parameters);
  if (!field) return;
  for (const RunOptionInfo& info : kRunOptions) {
    if (info.field != *field) continue;
    char text[32];
    const float value = options.parameters.*info.member;
    const auto result = std::to_chars(text, text + sizeof text, value);
    Refuse(info.name, info.accepted, std::string_view(text, result.ptr - text));
  }
}

std::uint32_t SeedOf(const RunOptions& options) {
  return options.seed_given ? options.seed : SeedFromClock();
}

const char kRunOptionsHelp[] =
    "  --curve C         target curve: 0, 1 or 2 (default 0)\n"
    "  --population N    population size, at most 1000 (default 100)\n"
    "  --generations G   bred generations, at most 999 (default 50)\n"
    "  --crossover R     crossover rate, 0 to 1 (default 0.7)\n"
    "  --mutation R      mutation rate, 0 to 1 (default 0.1)\n"
    "  --seed S          seed of the random generator, 0 to 4294967295\n"
    "                    (default: the current time, as the desktop program does)\n";

}  // namespace curvesmith::cli
