#include "res/main_menu.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr MenuItem Command(const char* text, int command) {
  return {MenuItemKind::kCommand, text, command, false, {}};
}
constexpr MenuItem Separator() {
  return {MenuItemKind::kSeparator, "", 0, false, {}};
}
constexpr MenuItem Popup(const char* text, std::span<const MenuItem> children) {
  return {MenuItemKind::kPopup, text, 0, false, children};
}

constexpr MenuItem kFileMenu[] = {
    Command("新規作成(&N)\tCtrl+N", kIdFileNew),
    Command("開く(&O)...\tCtrl+O", kIdFileOpen),
    Command("上書き保存(&S)\tCtrl+S", kIdFileSave),
    Command("名前を付けて保存(&A)...", kIdFileSaveAs),
    Separator(),
    Command("印刷(&P)...\tCtrl+P", kIdFilePrint),
    Command("印刷ﾌﾟﾚﾋﾞｭｰ(&V)", kIdFilePrintPreview),
    Command("ﾌﾟﾘﾝﾀの設定(&R)...", kIdFilePrintSetup),
    Separator(),
    // Stands in for the recent-file list while that list is empty.
    {MenuItemKind::kCommand, "最近使ったﾌｧｲﾙ", kIdFileMruFirst, true, {}},
    Separator(),
    Command("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", kIdAppExit),
};

constexpr MenuItem kEditMenu[] = {
    Command("元に戻す(&U)\tCtrl+Z", kIdEditUndo),  Separator(),
    Command("切り取り(&T)\tCtrl+X", kIdEditCut),   Command("ｺﾋﾟｰ(&C)\tCtrl+C", kIdEditCopy),
    Command("貼り付け(&P)\tCtrl+V", kIdEditPaste),
};

constexpr MenuItem kViewMenu[] = {
    Command("ﾂｰﾙ ﾊﾞｰ(&T)", kIdViewToolBar),
    Command("ｽﾃｰﾀｽ ﾊﾞｰ(&S)", kIdViewStatusBar),
};

constexpr MenuItem kHelpMenu[] = {
    Command("Curvesmith のﾊﾞｰｼﾞｮﾝ情報(&A)...", kIdAppAbout),
};

constexpr MenuItem kMenuBar[] = {
    Popup("ﾌｧｲﾙ(&F)", kFileMenu),
    Popup("編集(&E)", kEditMenu),
    Popup("表示(&V)", kViewMenu),
    Popup("ﾍﾙﾌﾟ(&H)", kHelpMenu),
};

}  // namespace

std::span<const MenuItem> MainMenu() {
  return kMenuBar;
}

}  // namespace curvesmith::res
