// The form's number reader against the C library: whatever the bytes,
// ParseNumber accepts exactly the texts that strtod reads whole — once the
// blanks and the one '+' the form allows are set aside, and leaving out what
// the form does not take (hexadecimal, other white space, a second sign, a
// text beyond the double range) — and gives the float strtof gives.

#include <bit>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/number_text.h"

namespace {

std::optional<float> ReadByStrtod(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  if (text.empty() || std::isspace(static_cast<unsigned char>(text.front())) ||
      text.front() == '+') {
    return std::nullopt;
  }
  std::string_view digits = text;
  if (digits.front() == '-') digits.remove_prefix(1);
  if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    return std::nullopt;
  }

  const std::string whole(text);  // strtod needs the terminating NUL
  char* end = nullptr;
  errno = 0;
  const double wide = std::strtod(whole.c_str(), &end);
  if (end != whole.c_str() + whole.size()) return std::nullopt;
  if (errno == ERANGE && (std::isinf(wide) || wide == 0.0)) return std::nullopt;
  return std::strtof(whole.c_str(), nullptr);
}

bool Same(float a, float b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<float> read = curvesmith::ParseNumber(text);
  const std::optional<float> expected = ReadByStrtod(text);
  if (read.has_value() != expected.has_value() || (read && !Same(*read, *expected))) {
    std::fprintf(stderr, "ParseNumber %s %.9g, strtod %s %.9g\n", read ? "reads" : "refuses",
                 read.value_or(0.0f), expected ? "reads" : "refuses", expected.value_or(0.0f));
    std::abort();
  }
  return 0;
}
