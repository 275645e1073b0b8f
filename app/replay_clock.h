#ifndef CURVESMITH_APP_REPLAY_CLOCK_H_
#define CURVESMITH_APP_REPLAY_CLOCK_H_

#include <QTimer>
#include <chrono>
#include <functional>

namespace curvesmith {

// Times the pauses of a replay. The chart area asks for one pause at a time;
// tests put a clock of their own in its place and end each pause themselves,
// so a replay can be checked step by step without waiting.
class ReplayClock {
 public:
  using Time = std::chrono::steady_clock::time_point;

  virtual ~ReplayClock() = default;

  // The time now, as the pauses count it.
  virtual Time Now() const = 0;

  // Calls `elapsed` once, on this thread, when `pause` has passed. Starting a
  // pause cancels the one that has not yet elapsed.
  virtual void StartPause(std::chrono::milliseconds pause, std::function<void()> elapsed) = 0;

  // Cancels the pending pause, if any: its callback is not called.
  virtual void Cancel() = 0;
};

// The real clock: a single-shot timer on the event loop, so the window keeps
// handling input while a pause runs.
class TimerReplayClock : public ReplayClock {
 public:
  TimerReplayClock();

  Time Now() const override;
  void StartPause(std::chrono::milliseconds pause, std::function<void()> elapsed) override;
  void Cancel() override;

 private:
  QTimer timer_;
  std::function<void()> elapsed_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_REPLAY_CLOCK_H_
