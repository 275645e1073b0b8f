#include "app/replay_clock.h"

#include <utility>

namespace curvesmith {

TimerReplayClock::TimerReplayClock() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    // The callback may start the next pause, which replaces elapsed_.
    auto elapsed = std::exchange(elapsed_, nullptr);
    if (elapsed) elapsed();
  });
}

ReplayClock::Time TimerReplayClock::Now() const {
  return std::chrono::steady_clock::now();
}

void TimerReplayClock::StartPause(std::chrono::milliseconds pause, std::function<void()> elapsed) {
  elapsed_ = std::move(elapsed);
  timer_.start(pause);
}

void TimerReplayClock::Cancel() {
  timer_.stop();
  elapsed_ = nullptr;
}

}  // namespace curvesmith
