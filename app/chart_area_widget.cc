#include "app/chart_area_widget.h"

#include <QPainter>
#include <cmath>

#include "chart/chart_painter.h"
#include "chart/qt/qpainter_surface.h"
#include "chart/replay_erasures.h"

namespace curvesmith {
namespace {

// The sunken edge the control draws around itself, outermost ring first:
// top-left colour, bottom-right colour.
struct EdgeRing {
  QRgb top_left;
  QRgb bottom_right;
};
constexpr EdgeRing kSunkenEdge[] = {
    {0xFF808080, 0xFFFFFFFF},
    {0xFF404040, 0xFFD4D0C8},
};

}  // namespace

ChartAreaWidget::ChartAreaWidget(QWidget* parent)
    : QWidget(parent), clock_(std::make_unique<TimerReplayClock>()) {
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
  StartImage();
  painter_ = std::make_unique<chart::ChartPainter>(*surface_, state);
  Advance();
}

void ChartAreaWidget::PaintChartAt(RunState& state, const chart::ReplayErasures& erasures,
                                   int generation) {
  StartImage();
  painter_ = std::make_unique<chart::ChartPainter>(*surface_, state, erasures, generation);
  Advance();
}

void ChartAreaWidget::StartImage() {
  AbandonPaint();
  image_scale_ = DeviceScale();
  image_ = QImage(size() * image_scale_, QImage::Format_RGB32);
  DrawControlBackground();
  surface_ = std::make_unique<chart::QPainterSurface>(&image_, image_scale_);
  shown_generation_.reset();
}

void ChartAreaWidget::AbandonPaint() {
  if (clock_) clock_->Cancel();
  pending_pause_.reset();
  painter_.reset();
  surface_.reset();
}

void ChartAreaWidget::SetHeld(bool held) {
  if (held == held_) return;
  held_ = held;
  if (held_) {
    clock_->Cancel();
  } else {
    TimePendingPause();
  }
}

void ChartAreaWidget::SetSpeed(ReplaySpeed speed) {
  if (speed == speed_) return;
  speed_ = speed;
  if (!held_) TimePendingPause();
}

void ChartAreaWidget::TimePendingPause() {
  if (!pending_pause_) return;
  clock_->StartPause(PauseAtSpeed(*pending_pause_, speed_), [this] { Advance(); });
}

// Handlers of the generation signal may start another paint: it is sent
// last, when this step is done with the painter.
void ChartAreaWidget::Advance() {
  pending_pause_ = painter_->Step();
  update();
  const std::optional<int> generation = painter_->ReplayGeneration();
  if (pending_pause_) {
    if (!held_) TimePendingPause();
  } else {
    painter_.reset();
    surface_.reset();
  }
  if (generation && generation != shown_generation_) {
    shown_generation_ = generation;
    emit ReplayGenerationShown(*generation);
  }
}

void ChartAreaWidget::DrawControlBackground() {
  image_.fill(Qt::white);
  QPainter painter(&image_);
  QRect ring = image_.rect();
  for (const EdgeRing& edge : kSunkenEdge) {
    for (int pixel = 0; pixel < image_scale_; ++pixel) {
      painter.setPen(QColor::fromRgb(edge.top_left));
      painter.drawLine(ring.topLeft(), ring.topRight());
      painter.drawLine(ring.topLeft(), ring.bottomLeft());
      painter.setPen(QColor::fromRgb(edge.bottom_right));
      painter.drawLine(ring.bottomLeft(), ring.bottomRight());
      painter.drawLine(ring.topRight(), ring.bottomRight());
      ring.adjust(1, 1, -1, -1);
    }
  }
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
