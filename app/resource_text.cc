#include "app/resource_text.h"

#include "res/string_table.h"

namespace curvesmith {

QString PromptOf(int id) {
  return FromUtf8(res::SplitCommandString(res::LoadString(id)).prompt);
}

QString ToolTipOf(int id) {
  return FromUtf8(res::SplitCommandString(res::LoadString(id)).tool_tip);
}

}  // namespace curvesmith
