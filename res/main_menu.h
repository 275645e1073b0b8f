#ifndef CURVESMITH_RES_MAIN_MENU_H_
#define CURVESMITH_RES_MAIN_MENU_H_

#include <span>

// Main menu 128 as a tree. Item texts are string ids; in the text '&' marks
// the mnemonic. A command's shortcut, where the item shows one, is its first
// key combination in the accelerator table.
namespace curvesmith::res {

enum class MenuItemKind {
  kCommand,
  kSeparator,
  kPopup,
};

struct MenuItem {
  MenuItemKind kind;
  int text;                            // string id; 0 for a separator
  int command;                         // 0 for a separator or a pop-up
  bool greyed;                         // shown disabled whatever its command's state
  bool shows_shortcut;                 // the shortcut written after the text
  std::span<const MenuItem> children;  // the items of a pop-up
};

// The menu bar's pop-ups, left to right.
std::span<const MenuItem> MainMenu();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_MAIN_MENU_H_
