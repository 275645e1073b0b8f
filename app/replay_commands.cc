#include "app/replay_commands.h"

#include <QAction>
#include <QActionGroup>
#include <functional>

#include "app/command_actions.h"
#include "app/replay_player.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

struct SpeedCommand {
  int command;
  ReplaySpeed speed;
};

constexpr SpeedCommand kSpeedCommands[] = {
    {res::kIdReplaySpeed1, ReplaySpeed::kNormal},
    {res::kIdReplaySpeed2, ReplaySpeed::kDouble},
    {res::kIdReplaySpeed5, ReplaySpeed::kFiveTimes},
    {res::kIdReplaySpeed20, ReplaySpeed::kTwentyTimes},
    {res::kIdReplayNoWait, ReplaySpeed::kNoWait},
};

// Every command that needs a run to act on.
constexpr int kRunCommands[] = {
    res::kIdReplayPause,   res::kIdReplayFirst,  res::kIdReplayBack,   res::kIdReplayForward,
    res::kIdReplayLast,    res::kIdReplaySpeed1, res::kIdReplaySpeed2, res::kIdReplaySpeed5,
    res::kIdReplaySpeed20, res::kIdReplayNoWait, res::kIdRunSameSeed,
};

}  // namespace

ReplayCommands::ReplayCommands(CommandActions& actions, ReplayPlayer& player, QObject* parent)
    : QObject(parent), actions_(actions), player_(player) {
  const struct {
    int id;
    std::function<void()> handler;
  } moves[] = {
      {res::kIdReplayFirst, [this] { player_.SeekFirst(); }},
      {res::kIdReplayBack, [this] { player_.StepBack(); }},
      {res::kIdReplayForward, [this] { player_.StepForward(); }},
      {res::kIdReplayLast, [this] { player_.SeekLast(); }},
  };
  for (const auto& move : moves) {
    connect(actions_.Action(move.id), &QAction::triggered, this, move.handler);
  }

  QAction* pause = actions_.Action(res::kIdReplayPause);
  pause->setCheckable(true);
  pause->setChecked(player_.IsPaused());
  connect(pause, &QAction::triggered, &player_, &ReplayPlayer::SetPaused);
  connect(&player_, &ReplayPlayer::PausedChanged, pause, &QAction::setChecked);

  speeds_ = new QActionGroup(this);
  speeds_->setExclusive(true);
  for (const SpeedCommand& entry : kSpeedCommands) {
    QAction* action = actions_.Action(entry.command);
    action->setCheckable(true);
    action->setChecked(entry.speed == player_.Speed());
    speeds_->addAction(action);
    connect(action, &QAction::triggered, this,
            [this, speed = entry.speed] { player_.SetSpeed(speed); });
  }

  connect(&player_, &ReplayPlayer::SpeedChanged, this, [this](ReplaySpeed speed) {
    for (const SpeedCommand& entry : kSpeedCommands) {
      if (entry.speed == speed) actions_.Action(entry.command)->setChecked(true);
    }
  });

  connect(&player_, &ReplayPlayer::RunReplaced, this, &ReplayCommands::UpdateEnabled);
  UpdateEnabled();
}

void ReplayCommands::UpdateEnabled() {
  for (const int command : kRunCommands) actions_.Action(command)->setEnabled(player_.HasRun());
}

}  // namespace curvesmith
