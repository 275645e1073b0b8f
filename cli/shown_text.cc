#include "cli/shown_text.h"

#include <cstdint>
#include <cstdio>

namespace curvesmith::cli {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, and the
// code point it holds; 0 when the first byte starts none.
std::size_t Utf8Sequence(std::string_view text, std::uint32_t& code_point) {
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

// The embeddings, overrides and isolates that reorder the text around them
// on a terminal, which could make a message read differently from its bytes.
bool IsBidiControl(std::uint32_t code_point) {
  return (code_point >= 0x202A && code_point <= 0x202E) ||
         (code_point >= 0x2066 && code_point <= 0x2069);
}

void AppendEscape(std::string& shown, const char* format, unsigned value) {
  char escape[8];
  std::snprintf(escape, sizeof escape, format, value);
  shown += escape;
}

// `text` with what a terminal would act on escaped, cut after `most`
// characters; quotes and backslashes are escaped too when `quoted`.
std::string Escaped(std::string_view text, std::size_t most, bool quoted) {
  std::string shown;
  std::size_t characters = 0;
  while (!text.empty()) {
    if (characters++ == most) {
      shown += "...";
      break;
    }
    std::uint32_t code_point = 0;
    const std::size_t length = Utf8Sequence(text, code_point);
    if (length == 0) {
      AppendEscape(shown, "\\x%02x", static_cast<unsigned char>(text.front()));
      text.remove_prefix(1);
      continue;
    }
    switch (code_point) {
      case '\n':
        shown += "\\n";
        break;
      case '\r':
        shown += "\\r";
        break;
      case '\t':
        shown += "\\t";
        break;
      case '"':
        shown += quoted ? "\\\"" : "\"";
        break;
      case '\\':
        shown += quoted ? "\\\\" : "\\";
        break;
      default:
        if (code_point < 0x20 || code_point == 0x7F) {
          AppendEscape(shown, "\\x%02x", code_point);
        } else if ((code_point >= 0x80 && code_point <= 0x9F) || IsBidiControl(code_point)) {
          AppendEscape(shown, "\\u%04x", code_point);
        } else {
          shown.append(text.substr(0, length));
        }
    }
    text.remove_prefix(length);
  }
  return shown;
}

}  // namespace

std::string Shown(std::string_view text) {
  std::string shown = "\"";
  shown += Escaped(text, kShownCharacters, true);
  shown += '"';
  return shown;
}

std::string ShownPath(std::string_view path) {
  return Escaped(path, kShownPathCharacters, false);
}

}  // namespace curvesmith::cli
