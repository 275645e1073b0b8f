#include <qguiapplication_platform.h>

#include <QGuiApplication>

#include "app/lock_states.h"
#include "res/resource_ids.h"

// Xlib defines macros (Bool, Status, None, ...) that clash with Qt; it comes last.
#include <X11/XKBlib.h>

namespace curvesmith {
namespace {

// The X server's named keyboard indicators. An indicator the keyboard map
// does not define stays unknown.
class X11LockStates : public LockStates {
 public:
  explicit X11LockStates(Display* display) : display_(display) {}

  std::optional<bool> State(int indicator) const override {
    const char* name = IndicatorName(indicator);
    if (name == nullptr) return std::nullopt;
    const Atom atom = XInternAtom(display_, name, True);
    if (atom == 0) return std::nullopt;
    int on = 0;
    if (!XkbGetNamedIndicator(display_, atom, nullptr, &on, nullptr, nullptr)) {
      return std::nullopt;
    }
    return on != 0;
  }

 private:
  static const char* IndicatorName(int indicator) {
    switch (indicator) {
      case res::kIdIndicatorCaps:
        return "Caps Lock";
      case res::kIdIndicatorNum:
        return "Num Lock";
      case res::kIdIndicatorScroll:
        return "Scroll Lock";
      case res::kIdIndicatorKana:
        return "Kana";
      default:
        return nullptr;
    }
  }

  Display* display_;
};

}  // namespace

std::unique_ptr<LockStates> PlatformLockStates() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->display() == nullptr) return UnknownLockStates();
  return std::make_unique<X11LockStates>(x11->display());
}

}  // namespace curvesmith
