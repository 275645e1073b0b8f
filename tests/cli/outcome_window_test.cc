#include "cli/outcome_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace curvesmith::cli {
namespace {

RunOutcome OutcomeOfRun(std::uint64_t run) {
  RunOutcome outcome;
  outcome.best = static_cast<double>(run);
  return outcome;
}

std::vector<double> TakeAll(OutcomeWindow& window) {
  std::vector<double> taken;
  while (const auto outcome = window.TakeNext()) taken.push_back(outcome->best);
  return taken;
}

// Runs finish in any order on several threads; a study's rows and shards must
// still list them in run order, the later ones held back until the earlier
// have come, including across the window's wrap.
TEST(OutcomeWindowTest, HandsOnOutcomesInRunOrderWhateverOrderTheyArrive) {
  constexpr std::uint64_t first = OutcomeWindow::kRuns - 2;
  OutcomeWindow window(first);
  for (const std::uint64_t run : {first + 3, first + 2, first + 1}) {
    window.Put(run, OutcomeOfRun(run));
  }
  EXPECT_FALSE(window.NextArrived());
  EXPECT_TRUE(TakeAll(window).empty());
  window.Put(first, OutcomeOfRun(first));
  EXPECT_EQ(TakeAll(window), (std::vector<double>{first, first + 1, first + 2, first + 3}));
  EXPECT_EQ(window.NextRun(), first + 4);

  EXPECT_TRUE(window.HasRoomFor(first + 3 + OutcomeWindow::kRuns));
  EXPECT_FALSE(window.HasRoomFor(first + 4 + OutcomeWindow::kRuns));
  window.Put(first + 3 + OutcomeWindow::kRuns, OutcomeOfRun(0));
  EXPECT_TRUE(TakeAll(window).empty());
}

}  // namespace
}  // namespace curvesmith::cli
