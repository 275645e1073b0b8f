#ifndef CURVESMITH_CHART_REPLAY_ANIMATION_H_
#define CURVESMITH_CHART_REPLAY_ANIMATION_H_

#include <chrono>
#include <optional>
#include <string>

#include "chart/chart_resources.h"
#include "chart/surface.h"
#include "engine/run_state.h"

namespace curvesmith::chart {

// How long each generation's picture stays: markers and readouts, then the
// repaired chart with the readouts only.
inline constexpr std::chrono::milliseconds kMarkersPause{600};
inline constexpr std::chrono::milliseconds kReadoutsPause{500};

// The replay of a finished run, as a resumable sequence. It runs only when
// ReplayPending is 1 as the first step begins.
//
// One ReplayFrame per generation g = 0 .. Generation - 1:
//   readouts of g in light red; population markers (RedBrush, FramePen) and
//   the best marker (GreenPen); pause 600 ms; markers again in white
//   (WhiteBrush, WhitePen); DrawFrameAndGrid; DrawCurveTrace; pause 500 ms;
//   readouts again in white.
// Then the FinalFrame for generation Generation: markers, best marker and
// readouts in light magenta, which stay; ReplayPending set to 0.
//
// Each Step() draws up to the next pause and returns its length, or returns
// nothing when the replay has ended (after the FinalFrame, or at once when
// there is nothing to replay).
//
// Reads rows 0 to Generation and places 0 to PopulationSize - 1 of the
// history tables and entries 0 to Generation of the per-generation best
// tables; writes only ReplayPending. Counts beyond the tables' capacities are
// held to them, so a state that no run produced cannot make it read outside.
//
// REQUIRES: the surface is prepared as the paint leaves it (mapping, ChartFont
// selected, transparent background) and `resources` are created.
class ReplayAnimation {
 public:
  ReplayAnimation(Surface& surface, RunState& state, const ChartResources& resources)
      : surface_(surface), state_(state), resources_(resources) {}

  std::optional<std::chrono::milliseconds> Step();

 private:
  enum class Phase { kNotStarted, kMarkersShown, kChartRepaired, kEnded };

  // The last evaluated generation and the markers per frame, held to the
  // capacities of the tables.
  int LastGeneration() const;
  int PopulationSize() const;

  void ShowGeneration();
  void EraseMarkersAndRepair();
  void EraseReadouts();
  void DrawFinalFrame();

  void FormatReadouts(int generation);
  void FreeReadouts();
  void DrawReadouts();
  void DrawPopulationMarkers(int generation);
  void DrawBestMarker(int generation);

  Surface& surface_;
  RunState& state_;
  const ChartResources& resources_;
  Phase phase_ = Phase::kNotStarted;
  int generation_ = 0;
  std::string generation_text_;
  std::string position_text_;
  std::string fitness_text_;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_REPLAY_ANIMATION_H_
