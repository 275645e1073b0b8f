#ifndef CURVESMITH_CHART_CHART_PAINTER_H_
#define CURVESMITH_CHART_CHART_PAINTER_H_

#include <chrono>
#include <memory>
#include <optional>

#include "chart/chart_position.h"
#include "chart/chart_resources.h"
#include "chart/surface.h"
#include "engine/run_state.h"

namespace curvesmith::chart {

class ReplayAnimation;
class ReplayErasures;
struct FittedCurve;

// One paint of the chart, drawn step by step so that its pauses need not block
// the thread. The paint sequence:
//   1. logical coordinates: anisotropic mapping, window 220 x 220, viewport
//      130 x 130;
//   2. axis letters and tick labels in the surface's default font;
//   3. ChartFont created and selected, black text, transparent background;
//   4. the captions;
//   5. the brushes and pens created (see ChartResources);
//   6. DrawFrameAndGrid, then DrawCurveTrace;
//   7. when the paint has a replay: the replay (ReplayAnimation), whose
//      FinalFrame clears ReplayPending;
//   8. every resource freed, in the reverse order of creation.
//
// Each Step() draws up to the next pause of the replay and returns the pause's
// length, or returns nothing once the paint has ended (resources freed). A
// paint without a replay ends in its first step. Running the steps one after
// another, with or without waiting, draws exactly the operations of the
// classic blocking paint in the same order. Before each Step() returns, the
// surface is flushed, so what was drawn is on the device during the pause.
//
// Driving a paint from a widget with a backing image (see QPainterSurface):
//   surface = QPainterSurface(&image, ...);      // image filled white
//   painter = ChartPainter(surface, state);
//   on each tick: pause = painter.Step(); show the image;
//                 if (pause) start a single-shot timer of *pause, else drop
//                 the painter and the surface.
// Destroying the painter before the paint has ended (a new run, the window
// closing) abandons the paint: the resources created so far are freed in
// reverse order and ReplayPending is left as it is.
//
// REQUIRES: `surface` and `state` outlive the painter, and the run state does
// not change while the paint is in progress. A `fitted` curve, if any, is
// drawn in place of the built-in one, its axis labelled and every marker
// placed on it; it describes the run's curve and outlives the painter. The painter reads the
// current run's rows and places of the state and writes nothing but ReplayPending.
class ChartPainter {
 public:
  // The view's paint: with ReplayPending 1 as the first step begins, the
  // whole replay; otherwise the chart without one.
  ChartPainter(Surface& surface, RunState& state, const FittedCurve* fitted = nullptr);
  // A paint whose first step draws at once the picture at `position` and
  // goes on from there as the whole replay would (see
  // ReplayAnimation::JumpTo); ReplayPending is not read. `erasures` make a
  // later generation's picture quick to draw; without them the steps before
  // it are drawn one by one. REQUIRES: `erasures`, if any, describe the run
  // in `state` and outlive the painter.
  ChartPainter(Surface& surface, RunState& state, ChartPosition position,
               const ReplayErasures* erasures = nullptr, const FittedCurve* fitted = nullptr);
  ~ChartPainter();

  ChartPainter(const ChartPainter&) = delete;
  ChartPainter& operator=(const ChartPainter&) = delete;

  std::optional<std::chrono::milliseconds> Step();

  // True once the paint has ended: Step() draws nothing more.
  bool Finished() const { return finished_; }

  // The generation whose picture the replay has reached (see
  // ReplayAnimation::Generation), also once it has ended; nothing when this
  // paint has no replay.
  std::optional<int> ReplayGeneration() const;

  // Where the replay stands within that generation's picture; nothing when
  // this paint has no replay or has not begun.
  std::optional<ReplayPhase> Phase() const;

 private:
  void DrawStaticChart();
  void EndPaint();

  Surface& surface_;
  RunState& state_;
  ChartResources resources_;
  std::unique_ptr<ReplayAnimation> replay_;
  // Where the first step stands; for the view's paint, decided as it begins.
  std::optional<ChartPosition> start_;
  const ReplayErasures* erasures_ = nullptr;
  const FittedCurve* fitted_ = nullptr;
  bool started_ = false;
  bool finished_ = false;
};

// Runs a whole paint without waiting, calling `on_pause(length)` at each pause
// (for listings and tests that want to see where the pauses fall).
template <typename OnPause>
void PaintToEnd(ChartPainter& painter, OnPause&& on_pause) {
  while (const auto pause = painter.Step()) on_pause(*pause);
}

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_CHART_PAINTER_H_
