#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "res/accelerator_table.h"
#include "res/main_menu.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace curvesmith::res {
namespace {

// The key combination's last key, after its modifiers ("R" of "Ctrl+Shift+R").
std::string_view KeyOf(std::string_view keys) {
  return keys.substr(keys.rfind('+') == std::string_view::npos ? 0 : keys.rfind('+') + 1);
}

bool HasModifier(std::string_view keys, std::string_view modifier) {
  return keys.find(modifier) != std::string_view::npos;
}

// The first accelerator of each command: the one a menu item shows.
std::map<int, std::string> FirstAcceleratorTexts() {
  std::map<int, std::string> texts;
  for (const Accelerator& accelerator : AcceleratorTable()) {
    texts.emplace(accelerator.command, accelerator.keys);
  }
  return texts;
}

void CollectCommands(std::span<const MenuItem> items, std::vector<const MenuItem*>* commands) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItemKind::kPopup) CollectCommands(item.children, commands);
    if (item.kind == MenuItemKind::kCommand) commands->push_back(&item);
  }
}

std::vector<const MenuItem*> MenuCommands() {
  std::vector<const MenuItem*> commands;
  CollectCommands(MainMenu(), &commands);
  return commands;
}

TEST(MainMenuTest, EachCommandAppearsOnce) {
  std::set<int> seen;
  for (const MenuItem* item : MenuCommands()) {
    EXPECT_TRUE(seen.insert(item->command).second) << item->command;
  }
}

TEST(MainMenuTest, OnlyTheRecentFilePlaceholderIsGreyed) {
  for (const MenuItem* item : MenuCommands()) {
    EXPECT_EQ(item->greyed, item->command == kIdFileMruFirst) << LoadString(item->text);
  }
}

TEST(MenuAcceleratorTest, ItemsThatShowAShortcutHaveOne) {
  const std::map<int, std::string> accelerators = FirstAcceleratorTexts();
  int with_shortcut = 0;
  for (const MenuItem* item : MenuCommands()) {
    if (!item->shows_shortcut) continue;
    ++with_shortcut;
    EXPECT_TRUE(accelerators.contains(item->command))
        << LoadString(item->text) << " shows a shortcut it does not have";
  }
  // The classic eight, the replay player's thirteen, the samples' six, the
  // chart's four (leaving full screen has no menu item).
  EXPECT_EQ(with_shortcut, 8 + 13 + 6 + 4);
}

// The letter after '&' of each item in a pop-up, in `language`: two items
// with one letter would leave the second out of reach by keyboard.
void ExpectUniqueMnemonics(std::span<const MenuItem> items, Language language) {
  std::map<char, std::string_view> seen;
  for (const MenuItem& item : items) {
    if (item.kind == MenuItemKind::kPopup) ExpectUniqueMnemonics(item.children, language);
    if (item.kind == MenuItemKind::kSeparator) continue;
    const std::string_view text = LoadString(item.text, language);
    const std::size_t ampersand = text.find('&');
    if (ampersand == std::string_view::npos || ampersand + 1 == text.size()) continue;
    const char letter = static_cast<char>(std::toupper(text[ampersand + 1]));
    const auto [earlier, inserted] = seen.emplace(letter, text);
    EXPECT_TRUE(inserted) << text << " and " << earlier->second << " share &" << letter;
  }
}

TEST(MainMenuTest, MnemonicsAreUniqueInEachPopupInEveryLanguage) {
  for (const Language language : Languages()) ExpectUniqueMnemonics(MainMenu(), language);
}

TEST(AcceleratorTableTest, NoKeyCombinationIsBoundTwice) {
  std::set<std::string_view> seen;
  for (const Accelerator& accelerator : AcceleratorTable()) {
    EXPECT_TRUE(seen.insert(accelerator.keys).second) << accelerator.keys;
  }
}

TEST(AcceleratorTableTest, AlternativeClipboardKeys) {
  std::map<std::string, int> commands;
  for (const Accelerator& accelerator : AcceleratorTable()) {
    commands[accelerator.keys] = accelerator.command;
  }
  // The classic fourteen, the replay player's thirteen, the panel's and
  // exports' eleven, the samples' six, the chart's five.
  EXPECT_EQ(commands.size(), 14u + 13u + 11u + 6u + 5u);
  EXPECT_EQ(commands["Alt+Backspace"], kIdEditUndo);
  EXPECT_EQ(commands["Shift+Del"], kIdEditCut);
  EXPECT_EQ(commands["Ctrl+Ins"], kIdEditCopy);
  EXPECT_EQ(commands["Shift+Ins"], kIdEditPaste);
  EXPECT_EQ(commands["F6"], kIdNextPane);
  EXPECT_EQ(commands["Shift+F6"], kIdPrevPane);
}

// A key that a focused field of the form takes for itself (letters, digits,
// space, arrows, Home/End and the editing keys without Ctrl or Alt) never
// runs a command: only function keys and Esc (which a field leaves alone) go
// bare or with Shift alone.
TEST(AcceleratorTableTest, NoShortcutTakesAKeyFromTheFormsFields) {
  const std::set<std::string_view> function_keys = {"F5", "F6",  "F7",  "F8",
                                                    "F9", "F11", "F12", "Esc"};
  for (const Accelerator& accelerator : AcceleratorTable()) {
    const std::string_view keys = accelerator.keys;
    if (HasModifier(keys, "Ctrl+") || HasModifier(keys, "Alt+")) continue;
    const bool shift_edit_key = keys == "Shift+Del" || keys == "Shift+Ins";
    EXPECT_TRUE(function_keys.contains(KeyOf(keys)) || shift_edit_key) << keys;
  }
}

}  // namespace
}  // namespace curvesmith::res
