#include <gtest/gtest.h>

#include "res/main_menu.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/tool_bar.h"

namespace curvesmith::res {
namespace {

TEST(SplitCommandStringTest, PromptAndToolTip) {
  const CommandText text = SplitCommandString("既存のﾌｧｲﾙを開く\n開く");
  EXPECT_EQ(text.prompt, "既存のﾌｧｲﾙを開く");
  EXPECT_EQ(text.tool_tip, "開く");
}

TEST(SplitCommandStringTest, PromptOnly) {
  const CommandText text = SplitCommandString("指定のﾌｧｲﾙを開く");
  EXPECT_EQ(text.prompt, "指定のﾌｧｲﾙを開く");
  EXPECT_TRUE(text.tool_tip.empty());
}

TEST(SplitCommandStringTest, SplitsAtTheFirstLineFeedOnly) {
  const CommandText text = SplitCommandString("a\nb\nc");
  EXPECT_EQ(text.prompt, "a");
  EXPECT_EQ(text.tool_tip, "b\nc");
}

void ExpectPromptForEveryCommand(std::span<const MenuItem> items) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItemKind::kPopup) ExpectPromptForEveryCommand(item.children);
    if (item.kind != MenuItemKind::kCommand) continue;
    EXPECT_FALSE(SplitCommandString(LoadString(item.command)).prompt.empty())
        << "menu item " << item.text << " (" << item.command << ") has no prompt";
  }
}

TEST(CommandStringsTest, EveryMenuCommandHasAPrompt) {
  ExpectPromptForEveryCommand(MainMenu());
}

TEST(CommandStringsTest, EveryToolBarButtonHasPromptToolTipAndImage) {
  for (const ToolBarButton& button : ToolBar()) {
    if (button.command == kIdSeparator) continue;
    const CommandText text = SplitCommandString(LoadString(button.command));
    EXPECT_FALSE(text.prompt.empty()) << button.command;
    EXPECT_FALSE(text.tool_tip.empty()) << button.command;
    EXPECT_STREQ(ToolBarImage(button.command), button.image);
    EXPECT_STRNE(button.image, "");
  }
}

TEST(ToolBarTest, ButtonsAndSeparatorsInOrder) {
  const int expected[] = {kIdFileNew,   kIdFileOpen,  kIdFileSave,  kIdSeparator,
                          kIdEditCut,   kIdEditCopy,  kIdEditPaste, kIdSeparator,
                          kIdFilePrint, kIdSeparator, kIdAppAbout};
  const std::span<const ToolBarButton> buttons = ToolBar();
  ASSERT_EQ(buttons.size(), std::size(expected));
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i].command, expected[i]) << "button " << i;
  }
  EXPECT_EQ(ToolBarImage(kIdFilePrintPreview), nullptr);
  EXPECT_EQ(ToolBarImage(kIdSeparator), nullptr);
}

TEST(CommandStringsTest, SampleToolTips) {
  EXPECT_EQ(SplitCommandString(LoadString(kIdAppAbout)).tool_tip, "ﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(SplitCommandString(LoadString(kIdViewToolBar)).prompt, "ﾂｰﾙ ﾊﾞｰの 表示/非表示");
  EXPECT_EQ(SplitCommandString(LoadString(kIdEditPaste)).tool_tip, "貼り付け");
  EXPECT_EQ(SplitCommandString(LoadString(kIdsPreviewClose)).tool_tip, "ﾌﾟﾚﾋﾞｭｰのｷｬﾝｾﾙ");
}

}  // namespace
}  // namespace curvesmith::res
