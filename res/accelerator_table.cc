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

const char* KeyName(Key key) {
  switch (key) {
    case Key::kC:
      return "C";
    case Key::kN:
      return "N";
    case Key::kO:
      return "O";
    case Key::kP:
      return "P";
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
  }
  return "";
}

}  // namespace

std::span<const Accelerator> AcceleratorTable() {
  return kAccelerators;
}

std::string AcceleratorText(const Accelerator& accelerator) {
  std::string text;
  if (accelerator.modifiers & kCtrl) text += "Ctrl+";
  if (accelerator.modifiers & kShift) text += "Shift+";
  if (accelerator.modifiers & kAlt) text += "Alt+";
  return text + KeyName(accelerator.key);
}

}  // namespace curvesmith::res
