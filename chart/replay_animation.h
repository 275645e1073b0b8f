#ifndef CURVESMITH_CHART_REPLAY_ANIMATION_H_
#define CURVESMITH_CHART_REPLAY_ANIMATION_H_

#include <chrono>
#include <optional>
#include <string>

#include "chart/chart_position.h"
#include "chart/chart_resources.h"
#include "chart/fitted_curve.h"
#include "chart/readouts.h"
#include "chart/surface.h"
#include "engine/run_state.h"

namespace curvesmith::chart {

// How long each generation's picture stays: markers and readouts, then the
// repaired chart with the readouts only.
inline constexpr std::chrono::milliseconds kMarkersPause{600};
inline constexpr std::chrono::milliseconds kReadoutsPause{500};

// The replay of a finished run, as a resumable sequence; whoever creates it
// has decided that the run is replayed (see ChartPainter).
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
// Reads the run's extent of the history and per-generation tables (see
// RunExtentOf); writes only ReplayPending, which the FinalFrame clears.
//
// REQUIRES: the surface is prepared as the paint leaves it (mapping, ChartFont
// selected, transparent background) and `resources` are created.
class ReplayErasures;

class ReplayAnimation {
 public:
  // A `fitted` curve, if any, is drawn in place of the built-in one and the
  // markers placed on its axis (see ChartPainter); it outlives the replay.
  ReplayAnimation(Surface& surface, RunState& state, const ChartResources& resources,
                  const FittedCurve* fitted);

  std::optional<std::chrono::milliseconds> Step();

  // Instead of the first Step(): draws at once the picture that the steps
  // show at `generation` (held to 0 .. Generation) and goes on from there, as
  // if every earlier step had been drawn. For a generation before the last it
  // is the picture of the frame's first pause, and the pause is returned; for
  // the last it is the FinalFrame, and the replay has ended. `erasures` must
  // describe the run in the state (see ReplayErasures for why the picture is
  // exact). Without erasures, or when a resource is missing so that they
  // would not draw in white, the steps are drawn one by one instead.
  // REQUIRES: no step has been drawn yet.
  std::optional<std::chrono::milliseconds> JumpTo(int generation, const ReplayErasures* erasures);

  // The generation whose picture the steps have reached: its frame (both
  // pauses), or the FinalFrame's once the replay has ended.
  int Generation() const { return generation_; }

  // Where within that picture the replay stands; nothing before its first
  // step.
  std::optional<ReplayPhase> Phase() const { return phase_; }

 private:
  // The frame of generation_ up to its first pause, or the FinalFrame for
  // the last generation.
  std::optional<std::chrono::milliseconds> ShowGenerationOrFinalFrame();
  void ShowGeneration();
  void EraseMarkersAndRepair();
  void EraseReadouts();
  void DrawFinalFrame();

  void EraseEarlierFrames(int generation, const ReplayErasures& erasures);
  bool HasEveryResource() const;
  void FormatReadouts(int generation);
  void FreeReadouts();
  void DrawPopulationMarkers(int generation);
  void DrawBestMarker(int generation);

  Surface& surface_;
  RunState& state_;
  const ChartResources& resources_;
  const FittedCurve* fitted_;
  FitnessAxis axis_;
  std::optional<ReplayPhase> phase_;
  int generation_ = 0;
  Readouts readouts_;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_REPLAY_ANIMATION_H_
