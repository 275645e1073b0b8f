#include "app/lock_states.h"

namespace curvesmith {
namespace {

class Unknown : public LockStates {
 public:
  std::optional<bool> State(int) const override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<LockStates> UnknownLockStates() {
  return std::make_unique<Unknown>();
}

}  // namespace curvesmith
