#include "cli/outcome_window.h"

namespace curvesmith::cli {

OutcomeWindow::OutcomeWindow(std::uint64_t first) : next_(first), window_(kRuns) {}

void OutcomeWindow::Put(std::uint64_t run, const RunOutcome& outcome) {
  window_[run % kRuns] = {outcome, true};
}

std::optional<RunOutcome> OutcomeWindow::TakeNext() {
  Slot& slot = window_[next_ % kRuns];
  if (!slot.ready) return std::nullopt;
  slot.ready = false;
  ++next_;
  return slot.outcome;
}

}  // namespace curvesmith::cli
