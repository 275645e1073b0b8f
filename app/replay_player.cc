#include "app/replay_player.h"

#include <algorithm>

#include "app/chart_area_widget.h"
#include "chart/replay_erasures.h"
#include "engine/run_extent.h"

namespace curvesmith {

ReplayPlayer::ReplayPlayer(RunState& state, ChartAreaWidget& chart_area, QObject* parent)
    : QObject(parent), state_(state), chart_area_(chart_area) {
  connect(&chart_area_, &ChartAreaWidget::ReplayGenerationShown, this,
          &ReplayPlayer::OnGenerationShown);
}

ReplayPlayer::~ReplayPlayer() = default;

void ReplayPlayer::TakeNewRun() {
  erasures_.reset();
  has_run_ = true;
  last_generation_ = RunExtentOf(state_).last_generation;
  SetPaused(false);
  emit RunReplaced();
  if (position_ != 0) {
    position_ = 0;
    emit PositionChanged(position_);
  }
  UpdatePlaying();
}

void ReplayPlayer::Seek(int generation) {
  if (!has_run_) return;
  if (!erasures_) erasures_ = std::make_unique<chart::ReplayErasures>(state_);
  // The replay is shown again from the chosen picture on.
  chart_area_.PaintChartAt(state_, *erasures_, std::clamp(generation, 0, last_generation_));
}

void ReplayPlayer::SetPaused(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  chart_area_.SetHeld(paused_);
  UpdatePlaying();
}

void ReplayPlayer::PlayOrPause() {
  if (!has_run_) return;
  if (IsPlaying()) {
    SetPaused(true);
    return;
  }
  if (position_ == last_generation_) Seek(0);
  SetPaused(false);
}

void ReplayPlayer::StepBack() {
  if (has_run_ && position_ > 0) Seek(position_ - 1);
}

void ReplayPlayer::StepForward() {
  if (has_run_ && position_ < last_generation_) Seek(position_ + 1);
}

void ReplayPlayer::SeekFirst() {
  Seek(0);
}

void ReplayPlayer::SeekLast() {
  Seek(last_generation_);
}

void ReplayPlayer::SetSpeed(ReplaySpeed speed) {
  if (speed == speed_) return;
  speed_ = speed;
  chart_area_.SetSpeed(speed_);
  emit SpeedChanged(speed_);
}

void ReplayPlayer::OnGenerationShown(int generation) {
  if (generation == position_) return;
  position_ = generation;
  emit PositionChanged(position_);
  UpdatePlaying();
}

void ReplayPlayer::UpdatePlaying() {
  if (IsPlaying() == playing_) return;
  playing_ = IsPlaying();
  emit PlayingChanged(playing_);
}

}  // namespace curvesmith
