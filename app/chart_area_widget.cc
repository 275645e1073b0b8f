#include "app/chart_area_widget.h"

#include <QPainter>
#include <cmath>

#include "chart/chart_painter.h"
#include "chart/qt/qpainter_surface.h"

namespace curvesmith {

ChartAreaWidget::ChartAreaWidget(std::vector<EdgeRing> edges, QWidget* parent)
    : QWidget(parent), edges_(std::move(edges)), clock_(std::make_unique<TimerReplayClock>()) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

ChartAreaWidget::~ChartAreaWidget() {
  AbandonPaint();
}

void ChartAreaWidget::SetReplayClock(std::unique_ptr<ReplayClock> clock) {
  AbandonPaint();
  clock_ = std::move(clock);
}

int ChartAreaWidget::DeviceScale() const {
  return std::max(1, static_cast<int>(std::lround(devicePixelRatioF())));
}

void ChartAreaWidget::PaintChart(RunState& state) {
  AbandonPaint();
  image_scale_ = DeviceScale();
  image_ = QImage(size() * image_scale_, QImage::Format_RGB32);
  DrawControlBackground();
  surface_ = std::make_unique<chart::QPainterSurface>(&image_, image_scale_);
  painter_ = std::make_unique<chart::ChartPainter>(*surface_, state);
  Advance();
}

void ChartAreaWidget::AbandonPaint() {
  if (clock_) clock_->Cancel();
  painter_.reset();
  surface_.reset();
}

void ChartAreaWidget::Advance() {
  const auto pause = painter_->Step();
  update();
  if (pause) {
    clock_->StartPause(*pause, [this] { Advance(); });
  } else {
    painter_.reset();
    surface_.reset();
  }
}

void ChartAreaWidget::DrawControlBackground() {
  image_.fill(Qt::white);
  QPainter painter(&image_);
  DrawEdgeRings(painter, image_.rect(), edges_, image_scale_);
}

void ChartAreaWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  painter.drawImage(rect(), image_);
  if (!IsReplaying() && image_scale_ != DeviceScale()) emit RepaintNeeded();
}

}  // namespace curvesmith
