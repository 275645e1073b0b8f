#ifndef CURVESMITH_APP_CHART_AREA_WIDGET_H_
#define CURVESMITH_APP_CHART_AREA_WIDGET_H_

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/replay_clock.h"
#include "engine/run_state.h"
#include "res/qt/window_edges.h"

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
class ChartAreaWidget : public QWidget {
  Q_OBJECT

 public:
  // `edges`: the rings of the edge the control draws around itself.
  explicit ChartAreaWidget(std::vector<EdgeRing> edges, QWidget* parent = nullptr);
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

 signals:
  // The image no longer matches the screen's pixel density and should be
  // drawn afresh by the view.
  void RepaintNeeded();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int DeviceScale() const;
  void DrawControlBackground();
  void Advance();

  std::vector<EdgeRing> edges_;
  std::unique_ptr<ReplayClock> clock_;
  QImage image_;
  int image_scale_ = 0;
  // The painter draws through the surface, so it is destroyed first.
  std::unique_ptr<chart::QPainterSurface> surface_;
  std::unique_ptr<chart::ChartPainter> painter_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_CHART_AREA_WIDGET_H_
