#include "res/accelerator_table.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr Accelerator kAccelerators[] = {
    {Key::kN, kCtrl, kIdFileNew},
    {Key::kO, kCtrl, kIdFileOpen},
    {Key::kS, kCtrl, kIdFileSave},
    {Key::kP, kCtrl, kIdFilePrint},
    {Key::kZ, kCtrl, kIdEditUndo},
    {Key::kX, kCtrl, kIdEditCut},
    {Key::kC, kCtrl, kIdEditCopy},
    {Key::kV, kCtrl, kIdEditPaste},
    {Key::kBackspace, kAlt, kIdEditUndo},
    {Key::kDelete, kShift, kIdEditCut},
    {Key::kInsert, kCtrl, kIdEditCopy},
    {Key::kInsert, kShift, kIdEditPaste},
    {Key::kF6, kNoModifier, kIdNextPane},
    {Key::kF6, kShift, kIdPrevPane},
    // The replay player and the seed.
    {Key::kF5, kNoModifier, kIdReplayPause},
    {Key::kF7, kCtrl, kIdReplayFirst},
    {Key::kF7, kNoModifier, kIdReplayBack},
    {Key::kF8, kNoModifier, kIdReplayForward},
    {Key::kF8, kCtrl, kIdReplayLast},
    {Key::k1, kCtrl, kIdReplaySpeed1},
    {Key::k2, kCtrl, kIdReplaySpeed2},
    {Key::k3, kCtrl, kIdReplaySpeed5},
    {Key::k4, kCtrl, kIdReplaySpeed20},
    {Key::k5, kCtrl, kIdReplayNoWait},
    {Key::kR, kCtrl | kShift, kIdRunSameSeed},
    {Key::kK, kCtrl | kShift, kIdRunWithSeed},
    {Key::kF9, kNoModifier, kIdViewReplayBar},
    // The convergence panel and the exports.
    {Key::kG, kCtrl | kShift, kIdViewConvergencePanel},
    {Key::kF12, kNoModifier, kIdExportChartPng1x},
    {Key::kF12, kShift, kIdExportChartPng2x},
    {Key::kF12, kCtrl, kIdExportChartPng4x},
    {Key::kH, kCtrl | kShift, kIdExportHistoryCsv},
    {Key::kB, kCtrl | kShift, kIdExportBestCsv},
    {Key::kJ, kCtrl | kShift, kIdExportJson},
    {Key::kF12, kAlt, kIdExportGif1x},
    {Key::kD, kCtrl | kShift, kIdExportGif2x},
    {Key::kF, kCtrl | kShift, kIdExportGif5x},
    {Key::kW, kCtrl | kShift, kIdExportGif20x},
    // The sample experiments.
    {Key::k1, kCtrl | kAlt, kIdFileSampleWellTuned0},
    {Key::k2, kCtrl | kAlt, kIdFileSampleWellTuned1},
    {Key::k3, kCtrl | kAlt, kIdFileSampleWellTuned2},
    {Key::k4, kCtrl | kAlt, kIdFileSamplePremature},
    {Key::k5, kCtrl | kAlt, kIdFileSampleRandom},
    {Key::k6, kCtrl | kAlt, kIdFileSampleTooSmall},
    // The chart for a lecture hall.
    {Key::kF11, kCtrl, kIdViewChartFillsWindow},
    {Key::kF11, kNoModifier, kIdViewFullScreen},
    {Key::kEscape, kNoModifier, kIdViewLeaveFullScreen},
    {Key::kC, kCtrl | kShift, kIdEditCopyChart},
    {Key::kL, kCtrl | kShift, kIdExportCaption},
};

}  // namespace

std::span<const Accelerator> AcceleratorTable() {
  return kAccelerators;
}

}  // namespace curvesmith::res
