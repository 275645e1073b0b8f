#ifndef CURVESMITH_APP_CHART_AREA_WIDGET_H_
#define CURVESMITH_APP_CHART_AREA_WIDGET_H_

#include <QImage>
#include <QSize>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/replay_clock.h"
#include "app/replay_speed.h"
#include "chart/chart_position.h"
#include "engine/run_state.h"
#include "res/qt/window_edges.h"

namespace curvesmith {

namespace chart {
class ChartPicture;
class ReplayErasures;
}  // namespace chart

// The chart area of the parameter form (control 1004): a widget with a
// backing image on which the chart is drawn. It takes no input.
//
// PaintChart() is the view's paint: it draws the control's own background,
// then runs the chart's paint sequence on the image. A replay is played a
// step at a time: each step's drawing is shown, then the clock times the
// pause before the next one, and the window handles input meanwhile.
// Ordinary exposes only show the image; the picture a replay leaves stays
// until the next PaintChart().
//
// The replay player drives a replay through PaintChartAt() (a paint whose
// replay starts at a given generation), SetHeld() (no further step until
// released) and SetSpeed() (the pauses' lengths).
//
// Hovering a disc while its generation's discs are on the chart shows a
// tool-tip on the individuals under the pointer (see DiscTooltipText); it
// follows the picture as the replay changes it, and goes when the discs go.
//
// The chart is drawn at a scale: 1 is the template's size; any other scale
// draws the same picture, vector for vector, at that many pixels per pixel
// (a window that gives the chart more room, or less). Images of the chart
// for exports are drawn at the template's size, whatever the scale.
class ChartAreaWidget : public QWidget {
  Q_OBJECT

 public:
  // `edges`: the rings of the edge the control draws around itself;
  // `design_size`: its size at scale 1.
  ChartAreaWidget(std::vector<EdgeRing> edges, QSize design_size, QWidget* parent = nullptr);
  ~ChartAreaWidget() override;

  // Replaces the clock that times the replay's pauses (tests drive their own).
  void SetReplayClock(std::unique_ptr<ReplayClock> clock);

  // Draws the chart afresh for `state`, abandoning a paint still in progress;
  // with ReplayPending set the replay begins. REQUIRES: `state` outlives the
  // paint and does not change while it runs (AbandonPaint() first).
  void PaintChart(RunState& state);

  // As PaintChart(), with the replay starting at once at the picture of
  // `generation` (the last generation being the final frame) and going on
  // from there. REQUIRES: `erasures` describes the run in `state` and
  // outlives the paint.
  void PaintChartAt(RunState& state, const chart::ReplayErasures& erasures, int generation);

  // Stops the paint in progress where it stands: no further step is drawn,
  // and ReplayPending keeps its value.
  void AbandonPaint();

  // While held, a replay stays at the picture it shows: the pause in which
  // it waits is not timed. Releasing times that pause afresh.
  void SetHeld(bool held);

  // The speed of the pauses; a pause under way starts again at the new
  // length.
  void SetSpeed(ReplaySpeed speed);

  // Resizes the chart area to its design size times `scale` (above 0) and
  // draws the picture it shows again at that scale: the same generation at
  // the same step, a replay going on from there as it would have.
  void SetChartScale(double scale);
  double ChartScale() const { return chart_scale_; }
  QSize DesignSize() const { return design_size_; }
  // Device pixels per pixel of the design size in Image().
  double ImageScale() const;

  // True while a paint waits in one of its replay's pauses.
  bool IsReplaying() const;

  // The chart as last drawn; null before the first paint.
  const QImage& Image() const;

  // The generation whose discs are on the chart now, if any: during the
  // first pause of its frame, and after the final frame.
  std::optional<int> MarkedGeneration() const { return marked_generation_; }

  // The chart exactly as it stands, drawn afresh at its design size times
  // `scale` device pixels. `progress` is told the steps done and in all, and stops it by
  // returning false (nothing is returned then); nothing before the first
  // paint. REQUIRES: the run state has not changed since the paint began.
  std::optional<QImage> Render(int scale, const std::function<bool(int, int)>& progress) const;

 signals:
  // The image no longer matches the screen's pixel density and should be
  // drawn afresh by the view.
  void RepaintNeeded();

  // A replay step has reached the picture of another generation (or the
  // first picture of a paint's replay): its frame, or the final frame.
  void ReplayGenerationShown(int generation);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int DeviceScale() const;
  // Starts a paint of `state` whose first step shows `position` (without
  // one, the view's paint) and draws that step.
  void StartPaint(RunState& state, std::optional<chart::ChartPosition> position,
                  const chart::ReplayErasures* erasures);
  // A paint at the current scale, on the control's background.
  std::unique_ptr<chart::ChartPicture> NewPicture(std::optional<chart::ChartPosition> position,
                                                  const chart::ReplayErasures* erasures);
  // White inside the control's edge rings, `scale` device pixels per pixel.
  void DrawControlBackground(QImage& image, double scale) const;
  // Draws the picture as it stands afresh at the current scale.
  void Redraw();
  // Draws the paint's next step, a picture due at `due`.
  void Advance(ReplayClock::Time due);
  void TimePendingPause();
  bool ShowToolTip();
  void RefreshToolTip();

  std::vector<EdgeRing> edges_;
  QSize design_size_;
  double chart_scale_ = 1.0;
  std::unique_ptr<ReplayClock> clock_;
  std::unique_ptr<chart::ChartPicture> picture_;
  // The pause the replay waits in, once its step has been drawn.
  std::optional<std::chrono::milliseconds> pending_pause_;
  // When the picture on the chart was due: the pause after it ends that long
  // after this.
  ReplayClock::Time picture_due_;
  std::optional<int> shown_generation_;
  bool held_ = false;
  // What the paint on the image drew, so that it can be drawn again: its
  // state (none once the paint is abandoned) and where it stands.
  RunState* state_ = nullptr;
  chart::ChartPosition position_;
  // What earlier frames erased, listed when the picture is first drawn again.
  std::unique_ptr<chart::ReplayErasures> erasures_;
  std::optional<int> marked_generation_;
  ReplaySpeed speed_ = ReplaySpeed::kNormal;
  // Where the pointer asked for the disc tool-tip, and whether it shows.
  QPoint tool_tip_at_;
  bool showing_tool_tip_ = false;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_CHART_AREA_WIDGET_H_
