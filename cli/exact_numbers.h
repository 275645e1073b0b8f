#ifndef CURVESMITH_CLI_EXACT_NUMBERS_H_
#define CURVESMITH_CLI_EXACT_NUMBERS_H_

#include <charconv>
#include <string_view>

namespace curvesmith::cli {

// The whole of `text` as a number of type T (no blanks, no sign other than a
// leading minus). False when anything is left over or it does not fit.
template <typename T>
bool ReadNumber(std::string_view text, T& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty();
}

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_EXACT_NUMBERS_H_
