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

}  // namespace

std::span<const ToolBarButton> ToolBar() {
  return kButtons;
}

const char* ToolBarImage(int command) {
  if (command == kIdSeparator) return nullptr;
  for (const ToolBarButton& button : kButtons) {
    if (button.command == command) return button.image;
  }
  return nullptr;
}

}  // namespace curvesmith::res
