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

constexpr MenuItem kExportMenu[] = {
    Command("ｸﾞﾗﾌ画像 等倍 (PNG)(&1)...", kIdExportChartPng1x),
    Command("ｸﾞﾗﾌ画像 2 倍 (PNG)(&2)...", kIdExportChartPng2x),
    Command("ｸﾞﾗﾌ画像 4 倍 (PNG)(&4)...", kIdExportChartPng4x),
    Separator(),
    Command("全個体の履歴 (CSV)(&H)...", kIdExportHistoryCsv),
    Command("最良点の履歴 (CSV)(&B)...", kIdExportBestCsv),
    Command("実行結果 (JSON)(&J)...", kIdExportJson),
    Separator(),
    Command("再生ｱﾆﾒｰｼｮﾝ 等速 (GIF)(&G)...", kIdExportGif1x),
    Command("再生ｱﾆﾒｰｼｮﾝ 2 倍速 (GIF)(&D)...", kIdExportGif2x),
    Command("再生ｱﾆﾒｰｼｮﾝ 5 倍速 (GIF)(&F)...", kIdExportGif5x),
    Command("再生ｱﾆﾒｰｼｮﾝ 20 倍速 (GIF)(&W)...", kIdExportGif20x),
    Separator(),
    Command("画像に設定を書き込む(&S)\tCtrl+Shift+L", kIdExportCaption),
};

constexpr MenuItem kSampleMenu[] = {
    Command("よく調整した実行 曲線 0(&0)\tCtrl+Alt+1", kIdFileSampleWellTuned0),
    Command("よく調整した実行 曲線 1(&1)\tCtrl+Alt+2", kIdFileSampleWellTuned1),
    Command("よく調整した実行 曲線 2(&2)\tCtrl+Alt+3", kIdFileSampleWellTuned2),
    Command("早すぎる収束(&C)\tCtrl+Alt+4", kIdFileSamplePremature),
    Command("ﾗﾝﾀﾞﾑな探索(&R)\tCtrl+Alt+5", kIdFileSampleRandom),
    Command("小さすぎる母集団(&S)\tCtrl+Alt+6", kIdFileSampleTooSmall),
};

constexpr MenuItem kFileMenu[] = {
    Command("新規作成(&N)\tCtrl+N", kIdFileNew),
    Command("開く(&O)...\tCtrl+O", kIdFileOpen),
    Command("上書き保存(&S)\tCtrl+S", kIdFileSave),
    Command("名前を付けて保存(&A)...", kIdFileSaveAs),
    Popup("ｴｸｽﾎﾟｰﾄ(&E)", kExportMenu),
    Popup("ｻﾝﾌﾟﾙを開く(&M)", kSampleMenu),
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
    Command("元に戻す(&U)\tCtrl+Z", kIdEditUndo),
    Separator(),
    Command("切り取り(&T)\tCtrl+X", kIdEditCut),
    Command("ｺﾋﾟｰ(&C)\tCtrl+C", kIdEditCopy),
    Command("貼り付け(&P)\tCtrl+V", kIdEditPaste),
    Separator(),
    Command("ｸﾞﾗﾌをｺﾋﾟｰ(&G)\tCtrl+Shift+C", kIdEditCopyChart),
};

constexpr MenuItem kViewMenu[] = {
    Command("ﾂｰﾙ ﾊﾞｰ(&T)", kIdViewToolBar),
    Command("ｽﾃｰﾀｽ ﾊﾞｰ(&S)", kIdViewStatusBar),
    Command("再生ﾂｰﾙ ﾊﾞｰ(&P)\tF9", kIdViewReplayBar),
    Command("収束ｸﾞﾗﾌ(&G)", kIdViewConvergencePanel),
    Separator(),
    Command("ｸﾞﾗﾌをｳｨﾝﾄﾞｳに合わせる(&W)\tCtrl+F11", kIdViewChartFillsWindow),
    Command("全画面表示(&F)\tF11", kIdViewFullScreen),
};

constexpr MenuItem kReplayMenu[] = {
    Command("一時停止/再開(&P)\tF5", kIdReplayPause),
    Separator(),
    Command("先頭へ(&F)\tCtrl+F7", kIdReplayFirst),
    Command("1世代戻る(&B)\tF7", kIdReplayBack),
    Command("1世代進む(&N)\tF8", kIdReplayForward),
    Command("最後へ(&L)\tCtrl+F8", kIdReplayLast),
    Separator(),
    Command("速度 ×1(&1)\tCtrl+1", kIdReplaySpeed1),
    Command("速度 ×2(&2)\tCtrl+2", kIdReplaySpeed2),
    Command("速度 ×5(&5)\tCtrl+3", kIdReplaySpeed5),
    Command("速度 ×20(&0)\tCtrl+4", kIdReplaySpeed20),
    Command("待ち無し(&W)\tCtrl+5", kIdReplayNoWait),
    Separator(),
    Command("同じｼｰﾄﾞで再実行(&R)\tCtrl+Shift+R", kIdRunSameSeed),
    Command("ｼｰﾄﾞを指定して実行(&S)...\tCtrl+Shift+K", kIdRunWithSeed),
};

constexpr MenuItem kHelpMenu[] = {
    Command("Curvesmith のﾊﾞｰｼﾞｮﾝ情報(&A)...", kIdAppAbout),
};

constexpr MenuItem kMenuBar[] = {
    Popup("ﾌｧｲﾙ(&F)", kFileMenu),   Popup("編集(&E)", kEditMenu), Popup("表示(&V)", kViewMenu),
    Popup("再生(&P)", kReplayMenu), Popup("ﾍﾙﾌﾟ(&H)", kHelpMenu),
};

}  // namespace

std::span<const MenuItem> MainMenu() {
  return kMenuBar;
}

}  // namespace curvesmith::res
