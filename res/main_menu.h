#ifndef CURVESMITH_RES_MAIN_MENU_H_
#define CURVESMITH_RES_MAIN_MENU_H_

#include <span>

// Main menu 128 as a tree. Item texts are UTF-8; '&' marks the mnemonic and a
// tab separates the shortcut text shown at the right.
namespace curvesmith::res {

enum class MenuItemKind {
  kCommand,
  kSeparator,
  kPopup,
};

struct MenuItem {
  MenuItemKind kind;
  const char* text;                    // empty for a separator
  int command;                         // 0 for a separator or a pop-up
  bool greyed;                         // shown disabled whatever its command's state
  std::span<const MenuItem> children;  // the items of a pop-up
};

// The menu bar's pop-ups, left to right.
std::span<const MenuItem> MainMenu();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_MAIN_MENU_H_
