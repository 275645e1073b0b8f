#ifndef CURVESMITH_APP_APP_ICONS_H_
#define CURVESMITH_APP_APP_ICONS_H_

#include <QIcon>

namespace curvesmith {

// The bundled tool-bar image `name` (see res/tool_bar.h), at 1x and 2x.
QIcon ToolBarIcon(const char* name);

// Icon `id` (the main icon or the document icon) at 16 and 32 pixels, each
// at 1x and 2x.
QIcon ResourceIcon(int id);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_APP_ICONS_H_
