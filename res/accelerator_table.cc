#include "res/accelerator_table.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr Accelerator kAccelerators[] = {
    {"Ctrl+N", kIdFileNew},
    {"Ctrl+O", kIdFileOpen},
    {"Ctrl+S", kIdFileSave},
    {"Ctrl+P", kIdFilePrint},
    {"Ctrl+Z", kIdEditUndo},
    {"Ctrl+X", kIdEditCut},
    {"Ctrl+C", kIdEditCopy},
    {"Ctrl+V", kIdEditPaste},
    {"Alt+Backspace", kIdEditUndo},
    {"Shift+Del", kIdEditCut},
    {"Ctrl+Ins", kIdEditCopy},
    {"Shift+Ins", kIdEditPaste},
    {"F6", kIdNextPane},
    {"Shift+F6", kIdPrevPane},
    // The replay player and the seed.
    {"F5", kIdReplayPause},
    {"Ctrl+F7", kIdReplayFirst},
    {"F7", kIdReplayBack},
    {"F8", kIdReplayForward},
    {"Ctrl+F8", kIdReplayLast},
    {"Ctrl+1", kIdReplaySpeed1},
    {"Ctrl+2", kIdReplaySpeed2},
    {"Ctrl+3", kIdReplaySpeed5},
    {"Ctrl+4", kIdReplaySpeed20},
    {"Ctrl+5", kIdReplayNoWait},
    {"Ctrl+Shift+R", kIdRunSameSeed},
    {"Ctrl+Shift+K", kIdRunWithSeed},
    {"F9", kIdViewReplayBar},
    // The convergence panel and the exports.
    {"Ctrl+Shift+G", kIdViewConvergencePanel},
    {"F12", kIdExportChartPng1x},
    {"Shift+F12", kIdExportChartPng2x},
    {"Ctrl+F12", kIdExportChartPng4x},
    {"Ctrl+Shift+H", kIdExportHistoryCsv},
    {"Ctrl+Shift+B", kIdExportBestCsv},
    {"Ctrl+Shift+J", kIdExportJson},
    {"Alt+F12", kIdExportGif1x},
    {"Ctrl+Shift+D", kIdExportGif2x},
    {"Ctrl+Shift+F", kIdExportGif5x},
    {"Ctrl+Shift+W", kIdExportGif20x},
    // The sample experiments.
    {"Ctrl+Alt+1", kIdFileSampleWellTuned0},
    {"Ctrl+Alt+2", kIdFileSampleWellTuned1},
    {"Ctrl+Alt+3", kIdFileSampleWellTuned2},
    {"Ctrl+Alt+4", kIdFileSamplePremature},
    {"Ctrl+Alt+5", kIdFileSampleRandom},
    {"Ctrl+Alt+6", kIdFileSampleTooSmall},
    // The chart for a lecture hall.
    {"Ctrl+F11", kIdViewChartFillsWindow},
    {"F11", kIdViewFullScreen},
    {"Esc", kIdViewLeaveFullScreen},
    {"Ctrl+Shift+C", kIdEditCopyChart},
    {"Ctrl+Shift+L", kIdExportCaption},
};

}  // namespace

std::span<const Accelerator> AcceleratorTable() {
  return kAccelerators;
}

}  // namespace curvesmith::res
