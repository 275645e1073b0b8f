#ifndef CURVESMITH_RES_ABOUT_BOX_TEMPLATE_H_
#define CURVESMITH_RES_ABOUT_BOX_TEMPLATE_H_

#include "res/dialog_template.h"

namespace curvesmith::res {

// Dialog template 100, the About box: the main icon, two lines of text and an
// OK button that is the default and closes the box.
const DialogTemplate& AboutBoxTemplate();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_ABOUT_BOX_TEMPLATE_H_
