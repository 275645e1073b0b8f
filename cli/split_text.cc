#include "cli/split_text.h"

#include <algorithm>

namespace curvesmith::cli {

std::vector<std::string_view> SplitText(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t begin = 0;;) {
    const std::size_t end = std::min(text.find(separator, begin), text.size());
    parts.push_back(text.substr(begin, end - begin));
    if (end == text.size()) return parts;
    begin = end + 1;
  }
}

}  // namespace curvesmith::cli
