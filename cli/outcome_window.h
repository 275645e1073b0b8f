#ifndef CURVESMITH_CLI_OUTCOME_WINDOW_H_
#define CURVESMITH_CLI_OUTCOME_WINDOW_H_

#include <cstdint>
#include <optional>
#include <vector>

#include "cli/study_runner.h"

namespace curvesmith::cli {

// The outcomes of runs that finish in any order, handed on in run order. An
// outcome that arrives ahead of an earlier run's waits in a window of fixed
// size, so that memory stays bounded however unevenly the runs take. Not
// synchronised: threads that share one hold a lock around every call.
class OutcomeWindow {
 public:
  // Runs whose outcomes may wait at once: 1.5 MB of them.
  static constexpr std::uint64_t kRuns = 65536;

  // The first outcome handed on is run `first`'s.
  explicit OutcomeWindow(std::uint64_t first);

  // The run whose outcome is handed on next.
  std::uint64_t NextRun() const { return next_; }

  // Whether run `run` lies within the window: less than kRuns runs ahead of
  // NextRun(). A run further ahead must wait until earlier ones are handed on.
  bool HasRoomFor(std::uint64_t run) const { return run < next_ + kRuns; }

  // Whether NextRun()'s outcome has been put.
  bool NextArrived() const { return window_[next_ % kRuns].ready; }

  // REQUIRES: NextRun() <= run, HasRoomFor(run), and run not put before.
  void Put(std::uint64_t run, const RunOutcome& outcome);

  // NextRun()'s outcome, taken out of the window, once it has been put;
  // nothing while it has not.
  std::optional<RunOutcome> TakeNext();

 private:
  struct Slot {
    RunOutcome outcome;
    bool ready = false;
  };

  std::uint64_t next_;
  std::vector<Slot> window_;
};

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_OUTCOME_WINDOW_H_
