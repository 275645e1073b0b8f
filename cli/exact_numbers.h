#ifndef CURVESMITH_CLI_EXACT_NUMBERS_H_
#define CURVESMITH_CLI_EXACT_NUMBERS_H_

#include <charconv>
#include <string>
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

// The shortest text that reads back as the same value: a float as a float
// (the form's value), a double as a double.
template <typename T>
std::string ShortestText(T value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_EXACT_NUMBERS_H_
