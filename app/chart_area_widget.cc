#include "app/chart_area_widget.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "app/disc_tooltip.h"
#include "chart/chart_mapping.h"
#include "chart/qt/chart_picture.h"
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

bool ChartAreaWidget::IsReplaying() const {
  return picture_ && picture_->Painting();
}

const QImage& ChartAreaWidget::Image() const {
  static const QImage kNone;
  return picture_ ? picture_->Image() : kNone;
}

double ChartAreaWidget::ImageScale() const {
  return picture_ ? picture_->Scale() : 0;
}

void ChartAreaWidget::PaintChart(RunState& state) {
  StartPaint(state, std::nullopt, nullptr);
}

void ChartAreaWidget::PaintChartAt(RunState& state, const chart::ReplayErasures& erasures,
                                   int generation) {
  StartPaint(state, chart::ChartPosition::Generation(generation), &erasures);
}

void ChartAreaWidget::StartPaint(RunState& state, std::optional<chart::ChartPosition> position,
                                 const chart::ReplayErasures* erasures) {
  AbandonPaint();
  shown_generation_.reset();
  state_ = &state;
  picture_ = NewPicture(position, erasures);
  Advance(clock_->Now());
}

std::unique_ptr<chart::ChartPicture> ChartAreaWidget::NewPicture(
    std::optional<chart::ChartPosition> position, const chart::ReplayErasures* erasures) {
  const double scale = chart_scale_ * DeviceScale();
  QImage canvas(size() * DeviceScale(), QImage::Format_RGB32);
  DrawControlBackground(canvas, scale);
  return std::make_unique<chart::ChartPicture>(std::move(canvas), scale, *state_, position,
                                               erasures);
}

void ChartAreaWidget::AbandonPaint() {
  if (clock_) clock_->Cancel();
  // The state may change from here on: no disc is read from it any more.
  marked_generation_.reset();
  pending_pause_.reset();
  if (picture_) picture_->Abandon();
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

// The picture where the paint stands is drawn at once; the pause the replay
// waits in goes on as it was.
void ChartAreaWidget::Redraw() {
  if (state_ == nullptr) return;
  if (position_.replay && !erasures_) {
    erasures_ = std::make_unique<chart::ReplayErasures>(*state_);
  }
  picture_ = NewPicture(position_, erasures_.get());
  picture_->Step();
  if (!pending_pause_) picture_->Abandon();
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
  pending_pause_ = picture_->Step();
  update();
  position_ = picture_->Position();
  const std::optional<int> generation =
      position_.replay ? std::make_optional(position_.generation) : std::nullopt;
  const bool discs_erased = position_.phase == chart::ReplayPhase::kChartRepaired;
  marked_generation_ = discs_erased ? std::nullopt : generation;
  if (pending_pause_ && !held_) TimePendingPause();
  RefreshToolTip();
  if (generation && generation != shown_generation_) {
    shown_generation_ = generation;
    emit ReplayGenerationShown(*generation);
  }
}

std::optional<QImage> ChartAreaWidget::Render(int scale,
                                              const std::function<bool(int, int)>& progress) const {
  if (state_ == nullptr) return std::nullopt;
  if (progress && !progress(0, 1)) return std::nullopt;
  QImage canvas(design_size_ * scale, QImage::Format_RGB32);
  DrawControlBackground(canvas, scale);
  return chart::ChartPictureAt(*state_, position_, std::move(canvas), scale);
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
  if (Image().isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  painter.drawImage(rect(), Image());
  if (!IsReplaying() && ImageScale() != chart_scale_ * DeviceScale()) emit RepaintNeeded();
}

}  // namespace curvesmith
