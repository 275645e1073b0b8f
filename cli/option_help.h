#ifndef CURVESMITH_CLI_OPTION_HELP_H_
#define CURVESMITH_CLI_OPTION_HELP_H_

#include <cstddef>
#include <string>
#include <vector>

namespace curvesmith::cli {

// One option of a command as --help shows it: its name with its value
// ("--output FORMAT"; a flag has no value), and its text. The text's lines
// after the first continue under it; an empty first line puts the whole text
// under a name too long for its column.
struct OptionHelp {
  std::string name;
  std::string text;
};
using OptionHelps = std::vector<OptionHelp>;

// The column where --help starts the text of an option.
inline constexpr std::size_t kHelpColumn = 20;

// The lines of --help for `options`, each indented by two blanks.
std::string HelpLines(const OptionHelps& options);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_OPTION_HELP_H_
