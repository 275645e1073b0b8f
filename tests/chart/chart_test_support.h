#ifndef CURVESMITH_TESTS_CHART_CHART_TEST_SUPPORT_H_
#define CURVESMITH_TESTS_CHART_CHART_TEST_SUPPORT_H_

#include <memory>
#include <string>
#include <vector>

#include "chart/chart_painter.h"
#include "chart/recording_surface.h"
#include "engine/run_state.h"

namespace curvesmith::chart::testing {

using Code = Operation::Code;

// A zeroed run state on the heap, as at program start.
inline std::unique_ptr<RunState> FreshState() {
  return std::make_unique<RunState>();
}

// A hand-made finished run: `generations` bred generations of `population`
// individuals, individual j of generation g at position (g + j) % 20 + 0.5
// and fitness 10 g + j + 1, the best of generation g at (g % 20, 100 + g).
inline std::unique_ptr<RunState> FinishedRun(int generations, int population,
                                             double target_curve = 0.0) {
  auto state = FreshState();
  state->Generation = generations;
  state->MaxGenerations = generations;
  state->PopulationSize = population;
  state->TargetCurve = target_curve;
  for (int g = 0; g <= generations; ++g) {
    for (int j = 0; j < population; ++j) {
      state->PositionHistory[g][j] = (g + j) % 20 + 0.5;
      state->FitnessHistory[g][j] = 10.0 * g + j + 1;
    }
    state->BestPositionByGeneration[g] = g % 20;
    state->BestFitnessByGeneration[g] = 100.0 + g;
  }
  state->ReplayPending = 1;
  return state;
}

// Runs one whole paint on a recording surface, pauses included, and returns
// its listing.
inline std::vector<std::string> PaintListing(RunState& state) {
  RecordingSurface surface;
  {
    ChartPainter painter(surface, state);
    PaintToEnd(painter, [&](std::chrono::milliseconds pause) { surface.RecordPause(pause); });
  }
  return surface.Listing();
}

// The listing lines from the first one equal to `from` (inclusive) on.
inline std::vector<std::string> From(const std::vector<std::string>& lines,
                                     const std::string& from) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == from) return std::vector<std::string>(lines.begin() + i, lines.end());
  }
  return {};
}

inline int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
  int count = 0;
  for (const std::string& line : lines) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return count;
}

}  // namespace curvesmith::chart::testing

#endif  // CURVESMITH_TESTS_CHART_CHART_TEST_SUPPORT_H_
