#include "res/about_box_template.h"

#include "res/dialog_font.h"
#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr DialogControl kControls[] = {
    {ControlKind::kStaticIcon, kIdcStatic, {11, 17, 20, 20}, 0, kStyleNone, kIdrMainFrame},
    {ControlKind::kStatic, kIdcStatic, {40, 10, 119, 8}, kIdsAboutVersion, kStyleNoPrefix},
    {ControlKind::kStatic, kIdcStatic, {40, 25, 119, 8}, kIdsAboutDescription, kStyleNone},
    {ControlKind::kPushButton,
     kIdOk,
     {178, 7, 50, 14},
     kIdsAboutOk,
     kStyleDefaultButton | kStyleGroup | kStyleTabStop},
};

constexpr DialogTemplate kAboutBox = {
    kIddAboutBox,
    235,
    55,
    kDialogFontPoints,
    kDialogFontFamily,
    kIdsAboutCaption,
    kDialogModalFrame | kDialogCaption | kDialogSystemMenu | kDialogSetFont,
    kControls,
};

}  // namespace

const DialogTemplate& AboutBoxTemplate() {
  return kAboutBox;
}

}  // namespace curvesmith::res
