#include "cli/arguments.h"

#include <algorithm>
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

// What the option of `setting` accepts, from the limits of the data model.
std::string Accepted(const RunSetting& setting) {
  switch (setting.kind) {
    case SettingKind::kCount:
      return "a number below " + std::to_string(setting.most + 1) + " (at most " +
             std::to_string(setting.most) + " " + std::string(setting.unit) + ")";
    case SettingKind::kRate:
      return "a number from " + RateRange();
    case SettingKind::kChoice:
      return ChoicesText(setting, ", ", " or ") + " (the " + CountWord(setting.choices().size()) +
             " " + std::string(setting.unit) + ")";
    case SettingKind::kSeed:
      return "a whole number from " + SeedRange();
    case SettingKind::kCarried:
      break;
  }
  return "a number";
}

// What --help says of the values `setting` takes, after its meaning.
std::string Limits(const RunSetting& setting) {
  switch (setting.kind) {
    case SettingKind::kCount:
      return ", at most " + std::to_string(setting.most);
    case SettingKind::kRate:
      return ", " + RateRange();
    case SettingKind::kChoice:
      return ": " + ChoicesText(setting, ", ", " or ");
    case SettingKind::kSeed:
      return ", " + SeedRange();
    case SettingKind::kCarried:
      break;
  }
  return "";
}

const RunSetting* FindRunOption(std::string_view option) {
  for (const RunField field : kRunOptionOrder) {
    if (RunSettingOf(field).option == option) return &RunSettingOf(field);
  }
  return nullptr;
}

// The refusal of a text the form refuses too: a number it would have to
// round to 0 or to infinity even in double precision is not taken for either.
[[noreturn]] void RefuseNumber(const RunSetting& setting, std::string_view text) {
  switch (FindBeyondDouble(text)) {
    case BeyondDouble::kTooSmall:
      throw UsageError(std::string(setting.option) + " takes " + Accepted(setting) + ", not " +
                       Shown(text) + ", which underflows double precision");
    case BeyondDouble::kTooLarge:
      throw UsageError(std::string(setting.option) + " takes " + Accepted(setting) + ", not " +
                       Shown(text) + ", which overflows double precision");
    case BeyondDouble::kNo:
      break;
  }
  Refuse(setting.option, Accepted(setting), text);
}

}  // namespace

void Refuse(std::string_view option, std::string_view accepted, std::string_view text) {
  throw UsageError(std::string(option) + " takes " + std::string(accepted) + ", not " +
                   Shown(text));
}

std::string_view Arguments::NextOption() {
  const std::string_view word = words_[next_++];
  if (!command_.empty() && (word.starts_with("--") || !operands_) &&
      std::find(declared_.begin(), declared_.end(), word) == declared_.end()) {
    throw UsageError("unknown option " + Shown(word) + " for " + std::string(command_) +
                     " (see --help)");
  }
  return word;
}

std::string_view Arguments::ValueOf(std::string_view option) {
  if (Done()) throw UsageError(std::string(option) + " needs a value");
  return words_[next_++];
}

bool TakeRunOption(std::string_view option, Arguments& arguments, RunOptions& options) {
  const RunSetting* setting = FindRunOption(option);
  if (setting == nullptr) return false;
  const std::string_view text = arguments.ValueOf(option);
  if (setting->kind == SettingKind::kSeed) {
    if (!ReadNumber(text, options.seed)) Refuse(option, Accepted(*setting), text);
    options.seed_given = true;
  } else {
    options.parameters.*setting->member = ReadRunValue(option, text);
  }
  return true;
}

float ReadRunValue(std::string_view option, std::string_view text) {
  const RunSetting& setting = *FindRunOption(option);
  const auto value = ParseNumber(text);
  if (!value) RefuseNumber(setting, text);
  return *value;
}

void CheckRunValue(std::string_view option, float value, std::string_view text) {
  const RunSetting& setting = *FindRunOption(option);
  RunOptions single;
  single.parameters.*setting.member = value;
  if (FindValueOutsideModel(single.parameters) == setting.field) {
    Refuse(option, Accepted(setting), text);
  }
}

void CheckRunOptions(const RunOptions& options) {
  const auto field = FindValueOutsideModel(options.parameters);
  if (!field) return;
  const RunSetting& setting = RunSettingOf(*field);
  Refuse(setting.option, Accepted(setting), FormatNumber(options.parameters.*setting.member));
}

std::uint32_t SeedOf(const RunOptions& options) {
  return options.seed_given ? options.seed : SeedFromClock();
}

OptionHelps RunOptionHelps() {
  OptionHelps options;
  for (const RunField field : kRunOptionOrder) {
    const RunSetting& setting = RunSettingOf(field);
    const std::string meaning = std::string(setting.meaning) + Limits(setting);
    options.push_back({std::string(setting.option) + " " + std::string(setting.value_name),
                       setting.kind == SettingKind::kSeed
                           ? meaning + "\n(default: the current time, as the desktop program does)"
                           : meaning + " (default " + FormatNumber(setting.default_value) + ")"});
  }
  return options;
}

}  // namespace curvesmith::cli
