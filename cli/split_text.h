#ifndef CURVESMITH_CLI_SPLIT_TEXT_H_
#define CURVESMITH_CLI_SPLIT_TEXT_H_

#include <string_view>
#include <vector>

namespace curvesmith::cli {

// The parts of `text` between `separator`s, empty ones included: "a,,b" is
// "a", "", "b"; an empty text is one empty part.
std::vector<std::string_view> SplitText(std::string_view text, char separator);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_SPLIT_TEXT_H_
