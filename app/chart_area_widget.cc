#include "app/chart_area_widget.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "app/disc_inspector.h"
#include "chart/chart_mapping.h"
#include "chart/chart_painter.h"
#include "chart/qt/qpainter_surface.h"
#include "chart/replay_animation.h"

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

// The control's own background: white inside its sunken edge, which is
// `scale` device pixels per ring.
void DrawControlBackground(QImage& image, int scale) {
  image.fill(Qt::white);
  QPainter painter(&image);
  QRect ring = image.rect();
  for (const EdgeRing& edge : kSunkenEdge) {
    for (int pixel = 0; pixel < scale; ++pixel) {
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
  AbandonPaint();
  image_scale_ = DeviceScale();
  image_ = QImage(size() * image_scale_, QImage::Format_RGB32);
  DrawControlBackground(image_, image_scale_);
  surface_ = std::make_unique<chart::QPainterSurface>(&image_, image_scale_);
  state_ = &state;
  replay_ = state.ReplayPending == 1;
  steps_ = 0;
  marked_generation_.reset();
  painter_ = std::make_unique<chart::ChartPainter>(*surface_, state);
  Advance();
}

void ChartAreaWidget::AbandonPaint() {
  if (clock_) clock_->Cancel();
  // The state may change from here on: no disc is read from it any more.
  marked_generation_.reset();
  painter_.reset();
  surface_.reset();
}

void ChartAreaWidget::Advance() {
  const auto pause = painter_->Step();
  ++steps_;
  NoteStep(pause);
  update();
  if (pause) {
    clock_->StartPause(*pause, [this] { Advance(); });
  } else {
    painter_.reset();
    surface_.reset();
  }
}

// A replay's steps alternate: discs and readouts of generation g drawn (the
// markers' pause), then the discs erased (the readouts' pause); its last step
// leaves the final generation standing.
void ChartAreaWidget::NoteStep(std::optional<std::chrono::milliseconds> pause) {
  if (!replay_) return;
  const int generation = (steps_ - 1) / 2;
  std::optional<int> shown;
  if (pause) {
    shown = generation;
    marked_generation_ =
        *pause == chart::kMarkersPause ? std::optional<int>(generation) : std::nullopt;
  } else {
    shown = std::clamp(state_->Generation, 0, kByGenerationEntries - 1);
    marked_generation_ = shown;
  }
  if (shown != shown_generation_) {
    shown_generation_ = shown;
    emit GenerationShown(*shown);
  }
}

std::optional<QImage> ChartAreaWidget::Render(int scale,
                                              const std::function<bool(int, int)>& progress) const {
  if (state_ == nullptr) return std::nullopt;
  const auto state = std::make_unique<RunState>(*state_);
  state->ReplayPending = replay_ ? 1 : 0;
  QImage image(size() * scale, QImage::Format_RGB32);
  DrawControlBackground(image, scale);
  {
    chart::QPainterSurface surface(&image, scale);
    chart::ChartPainter painter(surface, *state);
    for (int step = 0; step < steps_; ++step) {
      if (progress && !progress(step, steps_)) return std::nullopt;
      painter.Step();
    }
  }
  return image;
}

bool ChartAreaWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  QString text;
  if (state_ != nullptr && marked_generation_) {
    // Widget pixels to the chart's logical units, as the surface maps them
    // the other way (device pixels per pixel cancel out).
    const double per_pixel = static_cast<double>(chart::kWindowExtent) / chart::kViewportExtent;
    const QPointF logical = QPointF(help->pos()) * per_pixel;
    text = InspectorText(*state_, *marked_generation_,
                         PlacesUnder(*state_, *marked_generation_, logical, per_pixel));
  }
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), text, this);
  }
  return true;
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
