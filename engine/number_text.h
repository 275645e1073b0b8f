#ifndef CURVESMITH_ENGINE_NUMBER_TEXT_H_
#define CURVESMITH_ENGINE_NUMBER_TEXT_H_

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace curvesmith {

// The shortest decimal text that reads back as the same value of its type: a
// float as a float, a double as a double.
template <typename T>
std::string ShortestText(T value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// The text a field or a parameter file shows for `value`: the shortest
// decimal form that reads back as the same float ("0", "0.7", "1e-07"),
// always with the C locale's point. Non-finite values read "inf", "-inf" and
// "nan".
std::string FormatNumber(float value);

// `value` as printf's "%f" writes it in the C locale, six decimals
// ("0.500000", "-1.250000", "nan"), however long, whatever the user's locale: how the replay's
// readouts, the run reports and the chart's tooltips show positions, fitness and rates.
std::string FixedText(double value);

// Reads a number as FormatNumber writes it, and as a person types one, in the
// C locale whatever the user's locale: surrounding blanks and one leading '+'
// are allowed, decimal and exponent forms, "inf" and "nan". The whole text
// must be the number. A value beyond the float range becomes infinite, one
// too small for it zero, as converting the double to float makes them; a text
// beyond even the double range is refused. nullopt: the text is not a number
// (an empty field included).
std::optional<float> ParseNumber(std::string_view text);

// Reads a number as ParseNumber does, to double precision: the same texts,
// except that one beyond the double range is refused.
std::optional<double> ParseWideNumber(std::string_view text);

// Why ParseNumber refuses a text that has the form of a number: its value
// lies beyond the double range, below its smallest magnitude ("1e-400") or
// above its largest ("1e999").
enum class BeyondDouble { kNo, kTooSmall, kTooLarge };
BeyondDouble FindBeyondDouble(std::string_view text);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_NUMBER_TEXT_H_
