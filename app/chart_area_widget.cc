#include "app/chart_area_widget.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "app/disc_tooltip.h"
#include "chart/chart_mapping.h"
#include "chart/chart_painter.h"
#include "chart/qt/qpainter_surface.h"
#include "chart/replay_animation.h"
#include "chart/replay_erasures.h"

namespace curvesmith {

ChartAreaWidget::ChartAreaWidget(std::vector<EdgeRing> edges, QSize design_size, QWidget* parent)
    : QWidget(parent),
      edges_(std::move(edges)),
      design_size_(design_size),
      clock_(std::make_unique<TimerReplayClock>()) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(design_size_);
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
  StartImage(state);
  painter_ = std::make_unique<chart::ChartPainter>(*surface_, state);
  Advance(clock_->Now());
}

void ChartAreaWidget::PaintChartAt(RunState& state, const chart::ReplayErasures& erasures,
                                   int generation) {
  StartImage(state);
  painter_ = std::make_unique<chart::ChartPainter>(*surface_, state, erasures, generation);
  Advance(clock_->Now());
}

void ChartAreaWidget::StartImage(RunState& state) {
  AbandonPaint();
  NewImage();
  shown_generation_.reset();
  state_ = &state;
  replay_ = state.ReplayPending == 1;
  discs_erased_ = false;
}

void ChartAreaWidget::NewImage() {
  surface_.reset();
  image_scale_ = chart_scale_ * DeviceScale();
  image_ = QImage(size() * DeviceScale(), QImage::Format_RGB32);
  DrawControlBackground(image_, image_scale_);
  surface_ = std::make_unique<chart::QPainterSurface>(&image_, image_scale_);
}

void ChartAreaWidget::AbandonPaint() {
  if (clock_) clock_->Cancel();
  // The state may change from here on: no disc is read from it any more.
  marked_generation_.reset();
  pending_pause_.reset();
  painter_.reset();
  surface_.reset();
  erasures_.reset();
  state_ = nullptr;
}

void ChartAreaWidget::SetChartScale(double scale) {
  const QSize size(static_cast<int>(std::lround(design_size_.width() * scale)),
                   static_cast<int>(std::lround(design_size_.height() * scale)));
  if (scale == chart_scale_ && size == this->size()) return;
  chart_scale_ = scale;
  resize(size);
  Redraw();
}

// The generation shown is drawn at once, then taken through the erasing step
// where the replay has got that far; the pause the replay waits in goes on
// as it was.
void ChartAreaWidget::Redraw() {
  if (state_ == nullptr) return;
  painter_.reset();
  NewImage();
  if (replay_ && shown_generation_) {
    if (!erasures_) erasures_ = std::make_unique<chart::ReplayErasures>(*state_);
    state_->ReplayPending = 1;
    painter_ =
        std::make_unique<chart::ChartPainter>(*surface_, *state_, *erasures_, *shown_generation_);
    painter_->Step();
    if (discs_erased_) painter_->Step();
  } else {
    painter_ = std::make_unique<chart::ChartPainter>(*surface_, *state_);
    painter_->Step();
  }
  if (!pending_pause_) {
    painter_.reset();
    surface_.reset();
  }
  update();
  RefreshToolTip();
}

void ChartAreaWidget::SetHeld(bool held) {
  if (held == held_) return;
  held_ = held;
  if (held_) {
    clock_->Cancel();
  } else {
    picture_due_ = clock_->Now();
    TimePendingPause();
  }
}

void ChartAreaWidget::SetSpeed(ReplaySpeed speed) {
  if (speed == speed_) return;
  speed_ = speed;
  if (held_) return;
  picture_due_ = clock_->Now();
  TimePendingPause();
}

// Each pause ends at a deadline counted from when the picture before it was
// due, not from when its step was drawn, so the time the steps take to draw
// does not add up over a replay. A replay that has fallen behind by more than
// a whole pause (a busy machine) goes on from now rather than racing through
// the pictures it missed.
void ChartAreaWidget::TimePendingPause() {
  if (!pending_pause_) return;
  const ReplayClock::Time now = clock_->Now();
  const auto pause = PauseAtSpeed(*pending_pause_, speed_);
  ReplayClock::Time deadline = picture_due_ + pause;
  if (deadline + pause < now) deadline = now;
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(std::max(deadline, now) - now);
  clock_->StartPause(wait, [this, deadline] { Advance(deadline); });
}

// Handlers of the generation signal may start another paint: it is sent
// last, when this step is done with the painter.
void ChartAreaWidget::Advance(ReplayClock::Time due) {
  picture_due_ = due;
  pending_pause_ = painter_->Step();
  update();
  const std::optional<int> generation = painter_->ReplayGeneration();
  discs_erased_ = pending_pause_ == chart::kReadoutsPause;
  marked_generation_ = discs_erased_ ? std::nullopt : generation;
  if (pending_pause_) {
    if (!held_) TimePendingPause();
  } else {
    painter_.reset();
    surface_.reset();
  }
  RefreshToolTip();
  if (generation && generation != shown_generation_) {
    shown_generation_ = generation;
    emit ReplayGenerationShown(*generation);
  }
}

// The picture of a replay's generation is drawn at once (as the player's
// jumps are), then taken through the erasing step where the chart has got
// that far; a paint without a replay is its one step.
std::optional<QImage> ChartAreaWidget::Render(int scale,
                                              const std::function<bool(int, int)>& progress) const {
  if (state_ == nullptr) return std::nullopt;
  const auto state = std::make_unique<RunState>(*state_);
  state->ReplayPending = replay_ ? 1 : 0;
  QImage image(design_size_ * scale, QImage::Format_RGB32);
  DrawControlBackground(image, scale);
  chart::QPainterSurface surface(&image, scale);
  std::unique_ptr<chart::ReplayErasures> erasures;
  std::unique_ptr<chart::ChartPainter> painter;
  int steps = 1;
  if (replay_ && shown_generation_) {
    erasures = std::make_unique<chart::ReplayErasures>(*state);
    painter = std::make_unique<chart::ChartPainter>(surface, *state, *erasures, *shown_generation_);
    steps += discs_erased_ ? 1 : 0;
  } else {
    painter = std::make_unique<chart::ChartPainter>(surface, *state);
  }
  for (int step = 0; step < steps; ++step) {
    if (progress && !progress(step, steps)) return std::nullopt;
    painter->Step();
  }
  if (progress && !progress(steps, steps)) return std::nullopt;
  painter.reset();
  surface.Flush();
  return image;
}

bool ChartAreaWidget::event(QEvent* event) {
  if (event->type() == QEvent::Leave) showing_tool_tip_ = false;
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  tool_tip_at_ = help->pos();
  if (!ShowToolTip()) event->ignore();
  return true;
}

// Shows the tool-tip of the discs at tool_tip_at_, or hides it where there
// are none; true when it shows.
bool ChartAreaWidget::ShowToolTip() {
  QString text;
  if (state_ != nullptr && marked_generation_) {
    // Widget pixels to the chart's logical units, the inverse of the
    // surface's mapping at the chart's scale (the device pixels per pixel
    // cancel out); a pixel's width of slack all round.
    const double per_pixel =
        static_cast<double>(chart::kWindowExtent) / chart::kViewportExtent / chart_scale_;
    const QPointF logical = QPointF(tool_tip_at_) * per_pixel;
    text = DiscTooltipText(*state_, *marked_generation_,
                           PlacesUnder(*state_, *marked_generation_, logical, per_pixel));
  }
  showing_tool_tip_ = !text.isEmpty();
  if (!showing_tool_tip_) {
    QToolTip::hideText();
    return false;
  }
  QToolTip::showText(mapToGlobal(tool_tip_at_), text, this);
  return true;
}

// A tool-tip that describes discs describes those of the picture on the
// chart: it follows every change of the picture.
void ChartAreaWidget::RefreshToolTip() {
  if (showing_tool_tip_ && QToolTip::isVisible()) ShowToolTip();
}

void ChartAreaWidget::DrawControlBackground(QImage& image, double scale) const {
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawEdgeRings(painter, image.rect(), edges_, std::max(1, static_cast<int>(std::lround(scale))));
}

void ChartAreaWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  painter.drawImage(rect(), image_);
  if (!IsReplaying() && image_scale_ != chart_scale_ * DeviceScale()) emit RepaintNeeded();
}

}  // namespace curvesmith
