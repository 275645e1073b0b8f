#include "cli/option_help.h"

#include <string_view>

#include "cli/split_text.h"

namespace curvesmith::cli {

std::string HelpLines(const OptionHelps& options) {
  std::string help;
  for (const OptionHelp& option : options) {
    const std::vector<std::string_view> lines = SplitText(option.text, '\n');
    std::string first = "  " + option.name;
    if (!lines.front().empty()) {
      first += first.size() < kHelpColumn ? std::string(kHelpColumn - first.size(), ' ') : "  ";
      first += lines.front();
    }
    help += first + "\n";
    for (std::size_t i = 1; i < lines.size(); ++i) {
      help += std::string(kHelpColumn, ' ') + std::string(lines[i]) + "\n";
    }
  }
  return help;
}

}  // namespace curvesmith::cli
