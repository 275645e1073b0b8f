#ifndef CURVESMITH_RES_TOOL_BAR_H_
#define CURVESMITH_RES_TOOL_BAR_H_

#include <span>

// Tool bar 128: its buttons in order, with separators between the groups.
namespace curvesmith::res {

// Button images are 16 x 15 pixels; each also comes at twice that size for
// high-density screens.
inline constexpr int kToolBarImageWidth = 16;
inline constexpr int kToolBarImageHeight = 15;

struct ToolBarButton {
  int command;        // kIdSeparator for a separator
  const char* image;  // the image's name in the bundled images; empty for a separator
};

std::span<const ToolBarButton> ToolBar();

// The replay tool bar: the 再生 menu's commands. Buttons without an image
// show their tool-tip as text; kIdReplaySeek stands for the seek slider with
// its "G / N" label.
std::span<const ToolBarButton> ReplayToolBar();

// The image the pause command's button shows while the replay is paused or
// finished; its own image ("pause") shows while it plays.
inline constexpr char kReplayPlayImage[] = "play";

// The bundled image of a tool-bar command, or nullptr when no tool bar has an
// image for it.
const char* ToolBarImage(int command);

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_TOOL_BAR_H_
