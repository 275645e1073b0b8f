#include "app/window_input_block.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace curvesmith {

WindowInputBlock::WindowInputBlock(QWidget* window, QWidget* open, std::function<void()> on_close)
    : window_(window), open_(open), on_close_(std::move(on_close)) {
  QCoreApplication::instance()->installEventFilter(this);
}

WindowInputBlock::~WindowInputBlock() {
  QCoreApplication::instance()->removeEventFilter(this);
}

bool WindowInputBlock::Blocked(const QObject* object) const {
  for (const QObject* inside = object; inside != nullptr; inside = inside->parent()) {
    if (inside == open_) return false;
    if (inside == window_) return true;
  }
  return false;
}

bool WindowInputBlock::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Close:
      if (watched == window_) on_close_();
      return false;
    // A command's shortcut reaches its action, which the window owns.
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::Drop:
      return Blocked(watched);
    default:
      return false;
  }
}

}  // namespace curvesmith
