#ifndef CURVESMITH_CLI_COMMANDS_H_
#define CURVESMITH_CLI_COMMANDS_H_

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/option_help.h"

namespace curvesmith::cli {

// The options every command answers before anything else.
inline constexpr std::string_view kHelpOption = "--help";
inline constexpr std::string_view kVersionOption = "--version";

// Options that --help lists under one title ("Options of run").
struct OptionGroup {
  std::string_view title;
  OptionHelps (*options)();
};

// A command of curvesmith-cli, declared once for the dispatch and --help.
struct Command {
  // Its words on the command line: "run", "study merge".
  std::string_view name;
  // What follows the name in its usage line, and its line in the list of
  // commands.
  std::string_view usage;
  std::string_view summary;
  // Every option it takes, by group.
  std::span<const OptionGroup> groups;
  // Whether it takes words that are not options (the files of study merge).
  bool operands;
  // Runs it on the words after its name; returns the exit status.
  int (*run)(Arguments& arguments, std::ostream& out, std::ostream& err);
};

std::span<const Command> Commands();

// The command that `words` start with, the longest name first; nullptr when
// they start with none.
const Command* FindCommand(const std::vector<std::string_view>& words);

// The words of `command`'s name.
std::size_t WordCount(const Command& command);

// Every option `command` takes, as its declarations name them: "--output"
// for "--output FORMAT", each option of a list "--curve, --population".
std::vector<std::string> DeclaredOptions(const Command& command);

// The words after `command`'s name in `words`, read as its options.
Arguments ArgumentsOf(const Command& command, const std::vector<std::string_view>& words);

// `curvesmith-cli --help`: every command, then every option group.
std::string Help();

// `curvesmith-cli COMMAND --help`: the command's usage and every option.
std::string CommandHelp(const Command& command);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_COMMANDS_H_
