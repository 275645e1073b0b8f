#ifndef CURVESMITH_APP_WINDOW_LAYOUT_H_
#define CURVESMITH_APP_WINDOW_LAYOUT_H_

class QMainWindow;

namespace curvesmith {

// Where the main window's tool bars and panels stand, kept in the settings
// between sessions as the window's own saved state.

// Puts the bars and panels of `window`, laid out as by default, where the
// last session left them. A state that cannot be taken (damaged, or written
// by another program or another layout) leaves the default layout. The
// places kept by the versions before this state are read once, then
// replaced by it.
void RestoreWindowLayout(QMainWindow& window);

void SaveWindowLayout(const QMainWindow& window);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_WINDOW_LAYOUT_H_
