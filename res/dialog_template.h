#ifndef CURVESMITH_RES_DIALOG_TEMPLATE_H_
#define CURVESMITH_RES_DIALOG_TEMPLATE_H_

#include <cstdint>
#include <span>

// A dialog described as data: the form and the About box are laid out from
// these tables rather than from code, so that their controls, ids, rectangles
// and texts stay exactly as designed.
namespace curvesmith::res {

// Position and size in dialog units: a horizontal unit is a quarter of the
// dialog font's average character width, a vertical unit an eighth of its
// height.
struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

enum class ControlKind {
  kEdit,
  kStatic,
  kStaticIcon,
  kPushButton,
};

// Control styles, combined as bit flags.
enum ControlStyle : std::uint32_t {
  kStyleNone = 0,
  kStyleBorder = 1u << 0,
  kStyleTabStop = 1u << 1,
  kStyleAutoHScroll = 1u << 2,
  kStyleCenterText = 1u << 3,      // text centred horizontally
  kStyleCenterVertical = 1u << 4,  // static text centred vertically in its box
  kStyleNoPrefix = 1u << 5,        // '&' shown as is, no mnemonic
  kStyleDefaultButton = 1u << 6,
  kStyleGroup = 1u << 7,
  kStyleStaticEdge = 1u << 8,
  kStyleClientEdge = 1u << 9,
  kStyleModalFrame = 1u << 10,
};

// Dialog window styles, combined as bit flags.
enum DialogStyle : std::uint32_t {
  kDialogChild = 1u << 0,    // embedded form, no frame of its own
  kDialogSetFont = 1u << 1,  // uses the template's font, not the system font
  kDialogModalFrame = 1u << 2,
  kDialogCaption = 1u << 3,
  kDialogSystemMenu = 1u << 4,
  kDialogClientEdge = 1u << 5,
  kDialogStaticEdge = 1u << 6,
};

struct DialogControl {
  ControlKind kind;
  int id;  // kIdcStatic for controls nobody addresses
  DialogRect rect;
  int text;  // string id; 0 where the control shows no text
  std::uint32_t styles;
  int icon_id = 0;  // the icon a kStaticIcon shows
};

struct DialogTemplate {
  int id;
  int width;   // dialog units
  int height;  // dialog units
  int font_points;
  const char* font_family;  // UTF-8
  int caption;              // string id; 0 for a form
  std::uint32_t styles;
  std::span<const DialogControl> controls;  // template order, also the tab order
};

// The dialog font's base units in pixels: its average character width and its
// height.
struct DialogBaseUnits {
  int x;
  int y;
};

// `rect` in pixels: each edge rounded to the nearest pixel.
DialogRect DialogUnitsToPixels(const DialogRect& rect, const DialogBaseUnits& units);

// Looks up a control by id; nullptr when the template has none.
const DialogControl* FindControl(const DialogTemplate& dialog, int id);

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_DIALOG_TEMPLATE_H_
