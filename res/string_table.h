#ifndef CURVESMITH_RES_STRING_TABLE_H_
#define CURVESMITH_RES_STRING_TABLE_H_

#include <array>
#include <span>
#include <string_view>

#include "res/language.h"

// The program's string table: every text the desktop program shows (menus,
// prompts and tool-tips, the dialogs' controls, the chart's captions,
// messages), keyed by id, in UTF-8, one column per language.
namespace curvesmith::res {

// One entry covers the ids first_id to last_id, which all share the texts;
// texts[language] is the text in that language.
struct StringEntry {
  int first_id;
  int last_id;
  std::array<const char*, kLanguageCount> texts;
};

std::span<const StringEntry> StringTable();

// The text of string `id` in `language`, or an empty view when the table has
// none.
std::string_view LoadString(int id, Language language = InterfaceLanguage());

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
