#include "cli/shown_text.h"

#include <cstdint>
#include <cstdio>

#include "engine/utf8_sequence.h"

namespace curvesmith::cli {
namespace {

// The embeddings, overrides and isolates that reorder the text around them
// on a terminal, which could make a message read differently from its bytes.
bool IsBidiControl(std::uint32_t code_point) {
  return (code_point >= 0x202A && code_point <= 0x202E) ||
         (code_point >= 0x2066 && code_point <= 0x2069);
}

void AppendEscape(std::string& shown, const char* format, unsigned value) {
  char escape[16];
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
