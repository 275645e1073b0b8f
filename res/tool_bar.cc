#include "res/tool_bar.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr ToolBarButton kSeparator = {kIdSeparator, ""};

constexpr ToolBarButton kButtons[] = {
    {kIdFileNew, "new"},     {kIdFileOpen, "open"},
    {kIdFileSave, "save"},   kSeparator,
    {kIdEditCut, "cut"},     {kIdEditCopy, "copy"},
    {kIdEditPaste, "paste"}, kSeparator,
    {kIdFilePrint, "print"}, kSeparator,
    {kIdAppAbout, "about"},
};

constexpr ToolBarButton kReplayButtons[] = {
    {kIdReplayPause, "pause"},     kSeparator,
    {kIdReplayFirst, "first"},     {kIdReplayBack, "back"},
    {kIdReplayForward, "forward"}, {kIdReplayLast, "last"},
    {kIdReplaySeek, ""},           kSeparator,
    {kIdReplaySpeed1, ""},         {kIdReplaySpeed2, ""},
    {kIdReplaySpeed5, ""},         {kIdReplaySpeed20, ""},
    {kIdReplayNoWait, ""},         kSeparator,
    {kIdRunSameSeed, ""},          {kIdRunWithSeed, ""},
};

}  // namespace

std::span<const ToolBarButton> ToolBar() {
  return kButtons;
}

std::span<const ToolBarButton> ReplayToolBar() {
  return kReplayButtons;
}

const char* ToolBarImage(int command) {
  if (command == kIdSeparator) return nullptr;
  for (const auto bar : {ToolBar(), ReplayToolBar()}) {
    for (const ToolBarButton& button : bar) {
      if (button.command == command && *button.image != '\0') return button.image;
    }
  }
  return nullptr;
}

}  // namespace curvesmith::res
