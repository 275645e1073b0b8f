#include "app/replay_seek_controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "app/replay_player.h"
#include "app/resource_text.h"
#include "engine/run_state.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// Wide enough for a slider step per pixel or two over a long run.
constexpr int kSliderWidth = 240;

}  // namespace

ReplaySeekControls::ReplaySeekControls(ReplayPlayer& player, QWidget* parent)
    : QWidget(parent), player_(player) {
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setFixedWidth(kSliderWidth);
  slider_->setStatusTip(PromptOf(res::kIdReplaySeek));
  slider_->setToolTip(ToolTipOf(res::kIdReplaySeek));
  label_ = new QLabel(this);
  label_->setStatusTip(PromptOf(res::kIdReplaySeek));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(slider_);
  layout->addWidget(label_);
  // As wide as the widest position, so the bar does not shift while playing.
  label_->setMinimumWidth(label_->fontMetrics().horizontalAdvance(
      LoadText(res::kIdsReplayPosition).arg(kMaxGenerations).arg(kMaxGenerations)));

  // Dragging seeks as the mouse moves: a jump is quick enough to follow it.
  connect(slider_, &QSlider::valueChanged, &player_, &ReplayPlayer::Seek);
  connect(&player_, &ReplayPlayer::PositionChanged, this, &ReplaySeekControls::ShowPosition);
  connect(&player_, &ReplayPlayer::RunReplaced, this, &ReplaySeekControls::TakeRun);
  TakeRun();
}

void ReplaySeekControls::TakeRun() {
  setEnabled(player_.HasRun());
  {
    const QSignalBlocker blocker(slider_);
    slider_->setRange(0, player_.LastGeneration());
  }
  ShowPosition(player_.Position());
}

void ReplaySeekControls::ShowPosition(int generation) {
  {
    const QSignalBlocker blocker(slider_);
    slider_->setValue(generation);
  }
  label_->setText(
      player_.HasRun()
          ? LoadText(res::kIdsReplayPosition).arg(generation).arg(player_.LastGeneration())
          : QString());
}

}  // namespace curvesmith
