#ifndef CURVESMITH_APP_REPLAY_SPEED_H_
#define CURVESMITH_APP_REPLAY_SPEED_H_

#include <chrono>

namespace curvesmith {

// How fast the player goes through a replay's pauses. At kNormal the pauses
// are the chart's own (600 ms with the markers, 500 ms without); the faster
// speeds divide them; kNoWait shows each picture and goes on as soon as the
// window has shown it.
enum class ReplaySpeed { kNormal, kDouble, kFiveTimes, kTwentyTimes, kNoWait };

std::chrono::milliseconds PauseAtSpeed(std::chrono::milliseconds pause, ReplaySpeed speed);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_REPLAY_SPEED_H_
