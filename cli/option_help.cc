#include "cli/option_help.h"

#include <algorithm>
#include <string_view>

namespace curvesmith::cli {
namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t begin = 0;;) {
    const std::size_t end = std::min(text.find('\n', begin), text.size());
    lines.push_back(text.substr(begin, end - begin));
    if (end == text.size()) return lines;
    begin = end + 1;
  }
}

}  // namespace

std::string HelpLines(const OptionHelps& options) {
  std::string help;
  for (const OptionHelp& option : options) {
    const std::vector<std::string_view> lines = SplitLines(option.text);
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
