#ifndef CURVESMITH_APP_RESOURCE_TEXT_H_
#define CURVESMITH_APP_RESOURCE_TEXT_H_

#include <QString>

#include "res/qt/string_text.h"

namespace curvesmith {

// The status-bar prompt and the tool-tip parts of command `id`'s string.
QString PromptOf(int id);
QString ToolTipOf(int id);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_RESOURCE_TEXT_H_
