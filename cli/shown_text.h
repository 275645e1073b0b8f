#ifndef CURVESMITH_CLI_SHOWN_TEXT_H_
#define CURVESMITH_CLI_SHOWN_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace curvesmith::cli {

// At most this many characters of a text given on the command line are shown
// in a message; a longer text ends in "...". File names are shown up to the
// longest path the system opens, since their end tells them apart.
inline constexpr std::size_t kShownCharacters = 40;
inline constexpr std::size_t kShownPathCharacters = 4096;

// `text` in double quotes, safe to put in a one-line message on a terminal:
// control characters (C0, DEL and C1), the bidirectional controls (U+202A to
// U+202E, U+2066 to U+2069) and bytes that are not UTF-8 are written as C
// escapes (\n, \t, \x1b, \u009b, \u202e, \xff), and so are '"' and '\' (\", \\);
// only the first kShownCharacters characters of `text` are shown.
std::string Shown(std::string_view text);

// A file name given on the command line, without quotes so that "FILE:LINE"
// reads as usual: control characters and bytes that are not UTF-8 escaped as
// Shown() escapes them, at most kShownPathCharacters characters.
std::string ShownPath(std::string_view path);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_SHOWN_TEXT_H_
