#include "res/dialog_template.h"

namespace curvesmith::res {

const DialogControl* FindControl(const DialogTemplate& dialog, int id) {
  for (const DialogControl& control : dialog.controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

}  // namespace curvesmith::res
