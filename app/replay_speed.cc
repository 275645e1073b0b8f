#include "app/replay_speed.h"

namespace curvesmith {

std::chrono::milliseconds PauseAtSpeed(std::chrono::milliseconds pause, ReplaySpeed speed) {
  switch (speed) {
    case ReplaySpeed::kNormal:
      return pause;
    case ReplaySpeed::kDouble:
      return pause / 2;
    case ReplaySpeed::kFiveTimes:
      return pause / 5;
    case ReplaySpeed::kTwentyTimes:
      return pause / 20;
    case ReplaySpeed::kNoWait:
      break;
  }
  return std::chrono::milliseconds::zero();
}

}  // namespace curvesmith
