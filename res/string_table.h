#ifndef CURVESMITH_RES_STRING_TABLE_H_
#define CURVESMITH_RES_STRING_TABLE_H_

#include <span>
#include <string_view>

// The program's string table: every user-visible text the shell shows
// outside the dialog templates and the menu, keyed by id, in UTF-8.
namespace curvesmith::res {

// One entry covers the ids first_id to last_id, which all share the text.
struct StringEntry {
  int first_id;
  int last_id;
  const char* text;
};

std::span<const StringEntry> StringTable();

// The text of string `id`, or an empty view when the table has none.
std::string_view LoadString(int id);

// A command's string is its status-bar prompt, optionally followed by a line
// feed and its tool-tip. Without a line feed the whole text is the prompt and
// the tool-tip is empty.
struct CommandText {
  std::string_view prompt;
  std::string_view tool_tip;
};
CommandText SplitCommandString(std::string_view text);

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_STRING_TABLE_H_
