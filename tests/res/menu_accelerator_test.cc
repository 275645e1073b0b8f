#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "res/accelerator_table.h"
#include "res/main_menu.h"
#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

const char* KeyName(Key key) {
  switch (key) {
    case Key::kB:
      return "B";
    case Key::kC:
      return "C";
    case Key::kK:
      return "K";
    case Key::kD:
      return "D";
    case Key::kF:
      return "F";
    case Key::kG:
      return "G";
    case Key::kH:
      return "H";
    case Key::kJ:
      return "J";
    case Key::kW:
      return "W";
    case Key::kN:
      return "N";
    case Key::kO:
      return "O";
    case Key::kP:
      return "P";
    case Key::kR:
      return "R";
    case Key::kS:
      return "S";
    case Key::kV:
      return "V";
    case Key::kX:
      return "X";
    case Key::kZ:
      return "Z";
    case Key::kBackspace:
      return "Backspace";
    case Key::kDelete:
      return "Del";
    case Key::kInsert:
      return "Ins";
    case Key::kF6:
      return "F6";
    case Key::kF5:
      return "F5";
    case Key::kF7:
      return "F7";
    case Key::kF8:
      return "F8";
    case Key::kF9:
      return "F9";
    case Key::k1:
      return "1";
    case Key::k2:
      return "2";
    case Key::k3:
      return "3";
    case Key::k4:
      return "4";
    case Key::k5:
      return "5";
    case Key::k6:
      return "6";
    case Key::kF12:
      return "F12";
    case Key::kF11:
      return "F11";
    case Key::kEscape:
      return "Esc";
    case Key::kL:
      return "L";
  }
  return "";
}

// The key combination as a menu shows it after the tab, e.g. "Ctrl+N".
std::string AcceleratorText(const Accelerator& accelerator) {
  std::string text;
  if (accelerator.modifiers & kCtrl) text += "Ctrl+";
  if (accelerator.modifiers & kShift) text += "Shift+";
  if (accelerator.modifiers & kAlt) text += "Alt+";
  return text + KeyName(accelerator.key);
}

std::string ShortcutText(const MenuItem& item) {
  const std::string text = item.text;
  const std::size_t tab = text.find('\t');
  return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

// The first accelerator of each command: the one a menu item shows.
std::map<int, std::string> FirstAcceleratorTexts() {
  std::map<int, std::string> texts;
  for (const Accelerator& accelerator : AcceleratorTable()) {
    texts.emplace(accelerator.command, AcceleratorText(accelerator));
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

TEST(MainMenuTest, PopupsInOrder) {
  const std::span<const MenuItem> bar = MainMenu();
  ASSERT_EQ(bar.size(), 5u);
  EXPECT_STREQ(bar[0].text, "ﾌｧｲﾙ(&F)");
  EXPECT_STREQ(bar[1].text, "編集(&E)");
  EXPECT_STREQ(bar[2].text, "表示(&V)");
  EXPECT_STREQ(bar[3].text, "再生(&P)");
  EXPECT_STREQ(bar[4].text, "ﾍﾙﾌﾟ(&H)");
  EXPECT_EQ(bar[0].children.size(), 14u);
  // The classic five, then copying the chart.
  EXPECT_EQ(bar[1].children.size(), 7u);
  EXPECT_EQ(bar[1].children[6].command, kIdEditCopyChart);
  // The replay tool bar's toggle follows the two classic items.
  EXPECT_EQ(bar[2].children.size(), 7u);
  EXPECT_EQ(bar[2].children[2].command, kIdViewReplayBar);
  EXPECT_EQ(bar[3].children.size(), 15u);
  EXPECT_EQ(bar[4].children.size(), 1u);
}

TEST(MainMenuTest, EachCommandAppearsOnce) {
  std::set<int> seen;
  for (const MenuItem* item : MenuCommands()) {
    EXPECT_TRUE(seen.insert(item->command).second) << item->command;
  }
}

TEST(MainMenuTest, OnlyTheRecentFilePlaceholderIsGreyed) {
  for (const MenuItem* item : MenuCommands()) {
    EXPECT_EQ(item->greyed, item->command == kIdFileMruFirst) << item->text;
  }
}

TEST(MainMenuTest, SampleTexts) {
  const std::span<const MenuItem> file = MainMenu()[0].children;
  EXPECT_STREQ(file[1].text, "開く(&O)...\tCtrl+O");
  // The export and sample submenus follow Save As; the classic items keep
  // their order.
  EXPECT_EQ(file[4].kind, MenuItemKind::kPopup);
  EXPECT_STREQ(file[4].text, "ｴｸｽﾎﾟｰﾄ(&E)");
  EXPECT_EQ(file[5].kind, MenuItemKind::kPopup);
  EXPECT_STREQ(file[5].text, "ｻﾝﾌﾟﾙを開く(&M)");
  EXPECT_EQ(file[6].kind, MenuItemKind::kSeparator);
  EXPECT_STREQ(file[8].text, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)");
  EXPECT_STREQ(file[11].text, "最近使ったﾌｧｲﾙ");
  EXPECT_STREQ(file[13].text, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)");
  EXPECT_STREQ(MainMenu()[4].children[0].text, "Curvesmith のﾊﾞｰｼﾞｮﾝ情報(&A)...");
}

TEST(MenuAcceleratorTest, ShortcutTextsMatchTheAcceleratorTable) {
  const std::map<int, std::string> accelerators = FirstAcceleratorTexts();
  int with_shortcut = 0;
  for (const MenuItem* item : MenuCommands()) {
    const std::string shown = ShortcutText(*item);
    if (shown.empty()) continue;
    ++with_shortcut;
    const auto found = accelerators.find(item->command);
    ASSERT_NE(found, accelerators.end()) << item->text << " shows a shortcut it does not have";
    EXPECT_EQ(shown, found->second) << item->text;
  }
  // The classic eight, the replay player's thirteen, the samples' six, the
  // chart's four (leaving full screen has no menu item).
  EXPECT_EQ(with_shortcut, 8 + 13 + 6 + 4);
}

TEST(AcceleratorTableTest, NoKeyCombinationIsBoundTwice) {
  std::set<std::tuple<Key, std::uint32_t>> seen;
  for (const Accelerator& accelerator : AcceleratorTable()) {
    EXPECT_TRUE(seen.insert({accelerator.key, accelerator.modifiers}).second)
        << AcceleratorText(accelerator);
  }
}

TEST(AcceleratorTableTest, AlternativeClipboardKeys) {
  std::map<std::string, int> commands;
  for (const Accelerator& accelerator : AcceleratorTable()) {
    commands[AcceleratorText(accelerator)] = accelerator.command;
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
  const std::set<Key> function_keys = {Key::kF5, Key::kF6,  Key::kF7,  Key::kF8,
                                       Key::kF9, Key::kF11, Key::kF12, Key::kEscape};
  for (const Accelerator& accelerator : AcceleratorTable()) {
    if (accelerator.modifiers & (kCtrl | kAlt)) continue;
    const bool shift_edit_key =
        accelerator.modifiers == kShift &&
        (accelerator.key == Key::kDelete || accelerator.key == Key::kInsert);
    EXPECT_TRUE(function_keys.contains(accelerator.key) || shift_edit_key)
        << AcceleratorText(accelerator);
  }
}

}  // namespace
}  // namespace curvesmith::res
