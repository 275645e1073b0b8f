#include "res/accelerator_table.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr Accelerator kAccelerators[] = {
    {Key::kN, kCtrl, kIdFileNew},         {Key::kO, kCtrl, kIdFileOpen},
    {Key::kS, kCtrl, kIdFileSave},        {Key::kP, kCtrl, kIdFilePrint},
    {Key::kZ, kCtrl, kIdEditUndo},        {Key::kX, kCtrl, kIdEditCut},
    {Key::kC, kCtrl, kIdEditCopy},        {Key::kV, kCtrl, kIdEditPaste},
    {Key::kBackspace, kAlt, kIdEditUndo}, {Key::kDelete, kShift, kIdEditCut},
    {Key::kInsert, kCtrl, kIdEditCopy},   {Key::kInsert, kShift, kIdEditPaste},
    {Key::kF6, kNoModifier, kIdNextPane}, {Key::kF6, kShift, kIdPrevPane},
};

}  // namespace

std::span<const Accelerator> AcceleratorTable() {
  return kAccelerators;
}

}  // namespace curvesmith::res
