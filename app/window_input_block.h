#ifndef CURVESMITH_APP_WINDOW_INPUT_BLOCK_H_
#define CURVESMITH_APP_WINDOW_INPUT_BLOCK_H_

#include <QObject>
#include <functional>

class QWidget;

namespace curvesmith {

// While it lives, the user's input to `window` and to the windows it owns
// (clicks, keys, wheel, keyboard shortcuts of its commands) is ignored,
// except within `open`, which stays usable. Unlike a modal dialog it lets
// the window be closed: a request to close it calls `on_close` first.
class WindowInputBlock : public QObject {
 public:
  // REQUIRES: `window` and `open` outlive the block.
  WindowInputBlock(QWidget* window, QWidget* open, std::function<void()> on_close);
  ~WindowInputBlock() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Whether `object` is `window_` or lies in it, not within `open_`.
  bool Blocked(const QObject* object) const;

  QWidget* window_;
  QWidget* open_;
  std::function<void()> on_close_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_WINDOW_INPUT_BLOCK_H_
