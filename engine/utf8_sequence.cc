#include "engine/utf8_sequence.h"

namespace curvesmith {

std::size_t Utf8Sequence(std::string_view text, std::uint32_t& code_point) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    code_point = lead;
    return 1;
  }
  // Lead bytes by length, with the payload bits they carry and the lowest
  // code point that needs that length (anything lower is an overlong form).
  struct Lead {
    unsigned char first, last, payload_mask;
    std::size_t length;
    std::uint32_t lowest;
  };
  constexpr Lead kLeads[] = {
      {0xC2, 0xDF, 0x1F, 2, 0x80}, {0xE0, 0xEF, 0x0F, 3, 0x800}, {0xF0, 0xF4, 0x07, 4, 0x10000}};
  std::size_t length = 0;
  std::uint32_t lowest = 0;
  for (const Lead& form : kLeads) {
    if (lead < form.first || lead > form.last) continue;
    length = form.length;
    lowest = form.lowest;
    code_point = lead & form.payload_mask;
  }
  if (length == 0) return 0;
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code_point = (code_point << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  if (code_point < lowest || code_point > 0x10FFFF || surrogate) return 0;
  return length;
}

}  // namespace curvesmith
