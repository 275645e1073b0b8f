#include "chart/qt/chart_picture.h"

#include <utility>

#include "chart/chart_painter.h"
#include "chart/qt/qpainter_surface.h"
#include "chart/replay_erasures.h"

namespace curvesmith::chart {

ChartPicture::ChartPicture(QImage canvas, double scale, RunState& state,
                           std::optional<ChartPosition> position, const ReplayErasures* erasures,
                           const FittedCurve* fitted)
    : image_(std::move(canvas)),
      scale_(scale),
      surface_(std::make_unique<QPainterSurface>(&image_, scale_)),
      painter_(position
                   ? std::make_unique<ChartPainter>(*surface_, state, *position, erasures, fitted)
                   : std::make_unique<ChartPainter>(*surface_, state, fitted)) {}

ChartPicture::~ChartPicture() {
  Abandon();
}

std::optional<std::chrono::milliseconds> ChartPicture::Step() {
  if (!painter_) return std::nullopt;
  const auto pause = painter_->Step();
  const std::optional<int> generation = painter_->ReplayGeneration();
  position_ = generation ? ChartPosition::Generation(*generation, *painter_->Phase())
                         : ChartPosition::Base();
  if (!pause) Abandon();
  return pause;
}

void ChartPicture::Abandon() {
  painter_.reset();
  surface_.reset();
}

QImage ChartPictureAt(const RunState& state, ChartPosition position, QImage canvas, double scale,
                      const FittedCurve* fitted) {
  // The paint's FinalFrame clears ReplayPending: it runs on a copy.
  const auto copy = std::make_unique<RunState>(state);
  std::unique_ptr<ReplayErasures> erasures;
  if (position.replay && position.generation > 0) {
    erasures = std::make_unique<ReplayErasures>(*copy, fitted);
  }
  ChartPicture picture(std::move(canvas), scale, *copy, position, erasures.get(), fitted);
  picture.Step();
  picture.Abandon();
  return picture.Image();
}

QImage WhiteCanvas(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

}  // namespace curvesmith::chart
