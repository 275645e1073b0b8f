#include "res/main_menu.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr MenuItem Command(int text, int command) {
  return {MenuItemKind::kCommand, text, command, false, false, {}};
}
// A command whose item shows its shortcut.
constexpr MenuItem Keyed(int text, int command) {
  return {MenuItemKind::kCommand, text, command, false, true, {}};
}
constexpr MenuItem Separator() {
  return {MenuItemKind::kSeparator, 0, 0, false, false, {}};
}
constexpr MenuItem Popup(int text, std::span<const MenuItem> children) {
  return {MenuItemKind::kPopup, text, 0, false, false, children};
}

constexpr MenuItem kExportMenu[] = {
    Command(kIdsMenuExportPng1x, kIdExportChartPng1x),
    Command(kIdsMenuExportPng2x, kIdExportChartPng2x),
    Command(kIdsMenuExportPng4x, kIdExportChartPng4x),
    Separator(),
    Command(kIdsMenuExportHistoryCsv, kIdExportHistoryCsv),
    Command(kIdsMenuExportBestCsv, kIdExportBestCsv),
    Command(kIdsMenuExportJson, kIdExportJson),
    Separator(),
    Command(kIdsMenuExportGif1x, kIdExportGif1x),
    Command(kIdsMenuExportGif2x, kIdExportGif2x),
    Command(kIdsMenuExportGif5x, kIdExportGif5x),
    Command(kIdsMenuExportGif20x, kIdExportGif20x),
    Separator(),
    Keyed(kIdsMenuExportCaption, kIdExportCaption),
};

constexpr MenuItem kSampleMenu[] = {
    Keyed(kIdsMenuSampleWellTuned0, kIdFileSampleWellTuned0),
    Keyed(kIdsMenuSampleWellTuned1, kIdFileSampleWellTuned1),
    Keyed(kIdsMenuSampleWellTuned2, kIdFileSampleWellTuned2),
    Keyed(kIdsMenuSamplePremature, kIdFileSamplePremature),
    Keyed(kIdsMenuSampleRandom, kIdFileSampleRandom),
    Keyed(kIdsMenuSampleTooSmall, kIdFileSampleTooSmall),
};

constexpr MenuItem kFileMenu[] = {
    Keyed(kIdsMenuFileNew, kIdFileNew),
    Keyed(kIdsMenuFileOpen, kIdFileOpen),
    Keyed(kIdsMenuFileSave, kIdFileSave),
    Command(kIdsMenuFileSaveAs, kIdFileSaveAs),
    Popup(kIdsMenuExport, kExportMenu),
    Popup(kIdsMenuSamples, kSampleMenu),
    Separator(),
    Keyed(kIdsMenuFilePrint, kIdFilePrint),
    Command(kIdsMenuFilePrintPreview, kIdFilePrintPreview),
    Command(kIdsMenuFilePrintSetup, kIdFilePrintSetup),
    Separator(),
    // Stands in for the recent-file list while that list is empty.
    {MenuItemKind::kCommand, kIdsMenuRecentFiles, kIdFileMruFirst, true, false, {}},
    Separator(),
    Command(kIdsMenuAppExit, kIdAppExit),
};

constexpr MenuItem kEditMenu[] = {
    Keyed(kIdsMenuEditUndo, kIdEditUndo),
    Separator(),
    Keyed(kIdsMenuEditCut, kIdEditCut),
    Keyed(kIdsMenuEditCopy, kIdEditCopy),
    Keyed(kIdsMenuEditPaste, kIdEditPaste),
    Separator(),
    Keyed(kIdsMenuEditCopyChart, kIdEditCopyChart),
};

constexpr MenuItem kLanguageMenu[] = {
    Command(kIdsMenuLanguageJapanese, kIdViewLanguageJapanese),
    Command(kIdsMenuLanguageEnglish, kIdViewLanguageEnglish),
};

constexpr MenuItem kViewMenu[] = {
    Command(kIdsMenuViewToolBar, kIdViewToolBar),
    Command(kIdsMenuViewStatusBar, kIdViewStatusBar),
    Keyed(kIdsMenuViewReplayBar, kIdViewReplayBar),
    Command(kIdsMenuViewConvergencePanel, kIdViewConvergencePanel),
    Separator(),
    Keyed(kIdsMenuViewChartFillsWindow, kIdViewChartFillsWindow),
    Keyed(kIdsMenuViewFullScreen, kIdViewFullScreen),
    Separator(),
    Popup(kIdsMenuLanguage, kLanguageMenu),
};

constexpr MenuItem kReplayMenu[] = {
    Keyed(kIdsMenuReplayPause, kIdReplayPause),
    Separator(),
    Keyed(kIdsMenuReplayFirst, kIdReplayFirst),
    Keyed(kIdsMenuReplayBack, kIdReplayBack),
    Keyed(kIdsMenuReplayForward, kIdReplayForward),
    Keyed(kIdsMenuReplayLast, kIdReplayLast),
    Separator(),
    Keyed(kIdsMenuReplaySpeed1, kIdReplaySpeed1),
    Keyed(kIdsMenuReplaySpeed2, kIdReplaySpeed2),
    Keyed(kIdsMenuReplaySpeed5, kIdReplaySpeed5),
    Keyed(kIdsMenuReplaySpeed20, kIdReplaySpeed20),
    Keyed(kIdsMenuReplayNoWait, kIdReplayNoWait),
    Separator(),
    Keyed(kIdsMenuRunSameSeed, kIdRunSameSeed),
    Keyed(kIdsMenuRunWithSeed, kIdRunWithSeed),
};

constexpr MenuItem kHelpMenu[] = {
    Command(kIdsMenuAppAbout, kIdAppAbout),
};

constexpr MenuItem kMenuBar[] = {
    Popup(kIdsMenuFile, kFileMenu), Popup(kIdsMenuEdit, kEditMenu),
    Popup(kIdsMenuView, kViewMenu), Popup(kIdsMenuReplay, kReplayMenu),
    Popup(kIdsMenuHelp, kHelpMenu),
};

}  // namespace

std::span<const MenuItem> MainMenu() {
  return kMenuBar;
}

}  // namespace curvesmith::res
