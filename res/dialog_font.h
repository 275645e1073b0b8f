#ifndef CURVESMITH_RES_DIALOG_FONT_H_
#define CURVESMITH_RES_DIALOG_FONT_H_

namespace curvesmith::res {

// The font both dialog templates are designed for.
inline constexpr int kDialogFontPoints = 9;
inline constexpr const char* kDialogFontFamily = "ＭＳ Ｐゴシック";

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_DIALOG_FONT_H_
