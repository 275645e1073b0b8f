#ifndef CURVESMITH_APP_CHART_AREA_WIDGET_H_
#define CURVESMITH_APP_CHART_AREA_WIDGET_H_

#include <QImage>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "app/replay_clock.h"
#include "engine/run_state.h"

namespace curvesmith {

namespace chart {
class ChartPainter;
class QPainterSurface;
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
// Hovering a disc while its generation is on the chart shows a tool-tip on
// the individuals under the pointer (see InspectorText).
class ChartAreaWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ChartAreaWidget(QWidget* parent = nullptr);
  ~ChartAreaWidget() override;

  // Replaces the clock that times the replay's pauses (tests drive their own).
  void SetReplayClock(std::unique_ptr<ReplayClock> clock);

  // Draws the chart afresh for `state`, abandoning a paint still in progress;
  // with ReplayPending set the replay begins. REQUIRES: `state` outlives the
  // paint and does not change while it runs (AbandonPaint() first).
  void PaintChart(RunState& state);

  // Stops the paint in progress where it stands: no further step is drawn,
  // and ReplayPending keeps its value.
  void AbandonPaint();

  // True while a paint waits in one of its replay's pauses.
  bool IsReplaying() const { return painter_ != nullptr; }

  // The chart as last drawn; null before the first paint.
  const QImage& Image() const { return image_; }

  // The generation the chart is at: the one whose discs or readouts the
  // replay shows, or the last one after it; nothing before a replay.
  std::optional<int> ShownGeneration() const { return shown_generation_; }
  // The generation whose discs are on the chart now, if any.
  std::optional<int> MarkedGeneration() const { return marked_generation_; }

  // The chart exactly as it stands, drawn afresh at `scale` device pixels per
  // pixel: the same paint, run as far as this one has got. `progress` is told
  // the steps done and in all, and stops it by returning false (nothing is
  // returned then). REQUIRES: the run state has not changed since the paint.
  std::optional<QImage> Render(int scale, const std::function<bool(int, int)>& progress) const;

 signals:
  // The chart has moved on to another generation of the replay.
  void GenerationShown(int generation);

  // The image no longer matches the screen's pixel density and should be
  // drawn afresh by the view.
  void RepaintNeeded();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int DeviceScale() const;
  void Advance();
  void NoteStep(std::optional<std::chrono::milliseconds> pause);

  std::unique_ptr<ReplayClock> clock_;
  QImage image_;
  int image_scale_ = 0;
  // The painter draws through the surface, so it is destroyed first.
  std::unique_ptr<chart::QPainterSurface> surface_;
  std::unique_ptr<chart::ChartPainter> painter_;

  // What the last paint drew: its state, whether it played a replay, and how
  // many steps it has run.
  RunState* state_ = nullptr;
  bool replay_ = false;
  int steps_ = 0;
  std::optional<int> shown_generation_;
  std::optional<int> marked_generation_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_CHART_AREA_WIDGET_H_
