#ifndef CURVESMITH_APP_RESOURCE_TEXT_H_
#define CURVESMITH_APP_RESOURCE_TEXT_H_

#include <QString>
#include <string_view>

namespace curvesmith {

// UTF-8 text from the resource tables as a QString.
QString FromUtf8(std::string_view text);

// String `id` of the string table; empty when there is none.
QString LoadText(int id);

// The status-bar prompt and the tool-tip parts of command `id`'s string.
QString PromptOf(int id);
QString ToolTipOf(int id);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_RESOURCE_TEXT_H_
