#ifndef CURVESMITH_TESTS_APP_MANUAL_REPLAY_CLOCK_H_
#define CURVESMITH_TESTS_APP_MANUAL_REPLAY_CLOCK_H_

#include <chrono>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/replay_clock.h"

namespace curvesmith {

// A replay clock that never waits: each pause stays pending until the test
// ends it with Elapse(). It records every pause it was asked for. Its time
// moves only when a pause is ended: by that pause, and then by the drawing
// time the test sets, as if the step that follows took that long to draw.
class ManualReplayClock : public ReplayClock {
 public:
  // The clock is handed to the chart area, which owns it; the test keeps
  // this log to look at.
  struct Log {
    std::vector<std::chrono::milliseconds> pauses;
    std::function<void()> pending;
    std::chrono::milliseconds now{0};
    std::chrono::milliseconds drawing_time{0};
  };

  explicit ManualReplayClock(Log& log) : log_(log) {}

  Time Now() const override { return Time(log_.now); }
  void StartPause(std::chrono::milliseconds pause, std::function<void()> elapsed) override {
    log_.pauses.push_back(pause);
    log_.pending = std::move(elapsed);
  }
  void Cancel() override { log_.pending = nullptr; }

 private:
  Log& log_;
};

// Ends the pending pause; false when none was pending.
inline bool Elapse(ManualReplayClock::Log& log) {
  auto pending = std::exchange(log.pending, nullptr);
  if (!pending) return false;
  log.now += log.pauses.back() + log.drawing_time;
  pending();
  return true;
}

}  // namespace curvesmith

#endif  // CURVESMITH_TESTS_APP_MANUAL_REPLAY_CLOCK_H_
