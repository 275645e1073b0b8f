#include "engine/number_text.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace curvesmith {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

template <typename Number>
std::from_chars_result ReadWhole(std::string_view text, Number& value) {
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc{} && result.ptr != text.data() + text.size()) {
    result.ec = std::errc::invalid_argument;
  }
  return result;
}

// The number itself: blanks and one leading '+' set aside.
std::string_view NumberPart(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

}  // namespace

std::string FormatNumber(float value) {
  return ShortestText(value);
}

std::optional<float> ParseNumber(std::string_view text) {
  text = NumberPart(text);
  if (text.empty()) return std::nullopt;

  float value = 0.0f;
  const auto as_float = ReadWhole(text, value);
  if (as_float.ec == std::errc{}) return value;
  if (as_float.ec != std::errc::result_out_of_range) return std::nullopt;

  // Out of the float range, but a number: overflow and underflow are told
  // apart through the wider type, whose conversion then gives infinity or
  // zero with the right sign.
  const auto wide = ParseWideNumber(text);
  if (wide) return static_cast<float>(*wide);
  return std::nullopt;
}

std::optional<double> ParseWideNumber(std::string_view text) {
  text = NumberPart(text);
  double value = 0.0;
  if (text.empty() || ReadWhole(text, value).ec != std::errc{}) return std::nullopt;
  return value;
}

BeyondDouble FindBeyondDouble(std::string_view text) {
  text = NumberPart(text);
  double value = 0.0;
  if (text.empty() || ReadWhole(text, value).ec != std::errc::result_out_of_range) {
    return BeyondDouble::kNo;
  }
  // The wider type tells the two apart; beyond even its range, the sign of
  // the exponent does.
  long double wide = 0.0L;
  if (ReadWhole(text, wide).ec == std::errc{}) {
    return (wide < 1.0L && wide > -1.0L) ? BeyondDouble::kTooSmall : BeyondDouble::kTooLarge;
  }
  const auto exponent = text.find_first_of("eE");
  const bool negative =
      exponent != std::string_view::npos && exponent + 1 < text.size() && text[exponent + 1] == '-';
  return negative ? BeyondDouble::kTooSmall : BeyondDouble::kTooLarge;
}

std::string FixedText(double value) {
  // to_chars rather than printf: the desktop program runs in the user's
  // locale, where printf would write "0,500000".
  char buffer[std::numeric_limits<double>::max_exponent10 + 16];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

}  // namespace curvesmith
