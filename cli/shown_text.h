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
// control characters (C0, DEL and C1), bytes that are not UTF-8, '"' and '\'
// are written as C escapes (\n, \t, \x1b, \u009b, \xff, \", \\), and only the
// first `most` characters of `text` are shown.
std::string Shown(std::string_view text, std::size_t most = kShownCharacters);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_SHOWN_TEXT_H_
