#ifndef CURVESMITH_CHART_QT_CHART_PICTURE_H_
#define CURVESMITH_CHART_QT_CHART_PICTURE_H_

#include <QImage>
#include <chrono>
#include <memory>
#include <optional>

#include "chart/chart_position.h"
#include "engine/run_state.h"

namespace curvesmith::chart {

class ChartPainter;
class QPainterSurface;
class ReplayErasures;
struct FittedCurve;

// The chart of a run painted on an image: every picture of the chart is drawn
// through this — the window's (which goes on with the replay from it), the
// PNG export's, `curvesmith-cli render`'s and each of the replay GIF's.
//
// The first Step() draws the picture at the position given (see ChartPainter
// for a paint without one: the view's, decided by ReplayPending); each further
// Step() draws the replay's next step. Once the paint has ended, or is
// abandoned, the image keeps what was drawn.
//
// REQUIRES: `state` outlives the paint and does not change while it runs;
// `erasures`, if any, describe the run in it and outlive the paint; so does
// a `fitted` curve (see ChartPainter).
class ChartPicture {
 public:
  // `canvas`: the image to paint on, its background already drawn; `scale`:
  // device pixels per pixel of the chart's design size.
  ChartPicture(QImage canvas, double scale, RunState& state, std::optional<ChartPosition> position,
               const ReplayErasures* erasures = nullptr, const FittedCurve* fitted = nullptr);
  ~ChartPicture();

  ChartPicture(const ChartPicture&) = delete;
  ChartPicture& operator=(const ChartPicture&) = delete;

  // The paint's next step: the pause it then waits in, or nothing once the
  // paint has ended.
  std::optional<std::chrono::milliseconds> Step();

  // Stops the paint where it stands.
  void Abandon();

  // True until the paint has ended or been abandoned.
  bool Painting() const { return painter_ != nullptr; }

  // Where the paint stands after its latest step.
  const ChartPosition& Position() const { return position_; }

  const QImage& Image() const { return image_; }
  double Scale() const { return scale_; }

 private:
  QImage image_;
  double scale_;
  // The painter draws through the surface, so it is destroyed first.
  std::unique_ptr<QPainterSurface> surface_;
  std::unique_ptr<ChartPainter> painter_;
  ChartPosition position_;
};

// The still picture of the run in `state` at `position`, painted on `canvas`
// at `scale`; `state` is only read. For a later generation the replay's
// erasures are worked out, so the picture is drawn at once.
QImage ChartPictureAt(const RunState& state, ChartPosition position, QImage canvas, double scale,
                      const FittedCurve* fitted = nullptr);

// A white image of `size` device pixels, the canvas of a chart drawn on its
// own.
QImage WhiteCanvas(QSize size);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_CHART_PICTURE_H_
