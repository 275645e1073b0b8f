#ifndef CURVESMITH_CLI_ARGUMENTS_H_
#define CURVESMITH_CLI_ARGUMENTS_H_

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/option_help.h"
#include "engine/parameter_set.h"
#include "engine/run_settings.h"

namespace curvesmith::cli {

// A mistake on the command line; the message is one line that names the
// option and what it accepts, and shows the text given through Shown(). The
// tool prints it and exits with status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The words after the command name, read one option at a time.
class Arguments {
 public:
  explicit Arguments(std::vector<std::string_view> words) : words_(std::move(words)) {}
  // The words of `command`, which takes the `declared` options only (and, with
  // `operands`, words that do not start with "--" as operands).
  Arguments(std::vector<std::string_view> words, std::string_view command,
            std::vector<std::string> declared, bool operands)
      : words_(std::move(words)),
        command_(command),
        declared_(std::move(declared)),
        operands_(operands) {}

  bool Done() const { return next_ >= words_.size(); }
  // The next option (or operand). Throws UsageError for an option the
  // command does not declare.
  std::string_view NextOption();
  // The value that follows `option`. Throws UsageError when there is none.
  std::string_view ValueOf(std::string_view option);

 private:
  std::vector<std::string_view> words_;
  std::size_t next_ = 0;
  std::string_view command_;
  std::vector<std::string> declared_;
  bool operands_ = false;
};

// The run settings the command line takes, in the order --help lists them
// and a study varies them (the curve slowest) and names its columns.
inline constexpr RunField kRunOptionOrder[] = {
    RunField::kTargetCurve,   RunField::kPopulationSize, RunField::kGenerations,
    RunField::kCrossoverRate, RunField::kMutationRate,   RunField::kSeed,
};

// An option's name without its dashes, as the study's columns and JSON
// keys write it: "curve" for --curve.
constexpr std::string_view OptionColumn(std::string_view option) {
  return option.substr(option.find_first_not_of('-'));
}

// Options shared by every command that computes a run.
struct RunOptions {
  ParameterSet parameters = DefaultRunParameters();
  std::uint32_t seed = 0;
  bool seed_given = false;
};

// Takes `option` (and its value) when it is one of the run options:
// --curve, --population, --generations, --crossover, --mutation, --seed.
// Numbers are read as the parameter form reads its fields (ParseNumber).
// Returns false for any other option. Throws UsageError for a bad value.
bool TakeRunOption(std::string_view option, Arguments& arguments, RunOptions& options);

// The value of the run option `option` (one of the five numbers) in `text`,
// read as TakeRunOption reads it. Throws its UsageError for a text that is not
// a number; one beyond the double range is said to be.
float ReadRunValue(std::string_view option, std::string_view text);

// Throws the UsageError of the run option `option` quoting the user's `text`
// when `value`, which was read from it, lies outside the data model.
void CheckRunValue(std::string_view option, float value, std::string_view text);

// Throws UsageError naming the first value outside the data model.
void CheckRunOptions(const RunOptions& options);

// The seed of the run: the one given, or the clock's.
std::uint32_t SeedOf(const RunOptions& options);

// The run options and their defaults, as --help describes them.
OptionHelps RunOptionHelps();

// Throws the UsageError for `option` given `text`, which is not `accepted`:
// "OPTION takes ACCEPTED, not "TEXT"".
[[noreturn]] void Refuse(std::string_view option, std::string_view accepted, std::string_view text);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_ARGUMENTS_H_
