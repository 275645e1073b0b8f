#ifndef CURVESMITH_APP_LOCK_STATES_H_
#define CURVESMITH_APP_LOCK_STATES_H_

#include <memory>
#include <optional>

namespace curvesmith {

// Tells whether a keyboard lock (kana, caps, num or scroll; named by its
// status-bar indicator id) is on. Where the platform does not say, the answer
// is "unknown" rather than a guess, so that no indicator ever shows a wrong
// state.
class LockStates {
 public:
  virtual ~LockStates() = default;
  virtual std::optional<bool> State(int indicator) const = 0;
};

// Knows nothing: every state is unknown.
std::unique_ptr<LockStates> UnknownLockStates();

// The running platform's lock states: the X server's keyboard indicators on
// X11, unknown elsewhere (Wayland and the offscreen platform tell nothing).
// Needs the QGuiApplication to exist.
std::unique_ptr<LockStates> PlatformLockStates();

}  // namespace curvesmith

#endif  // CURVESMITH_APP_LOCK_STATES_H_
