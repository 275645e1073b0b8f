#include "app/lock_states.h"

namespace curvesmith {

// Builds without X11 have no way to ask.
std::unique_ptr<LockStates> PlatformLockStates() {
  return UnknownLockStates();
}

}  // namespace curvesmith
