#include "app/replay_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QRegularExpression>
#include <QSettings>
#include <functional>

#include "app/app_icons.h"
#include "app/command_actions.h"
#include "app/recent_files.h"
#include "app/replay_player.h"
#include "app/resource_text.h"
#include "res/resource_ids.h"
#include "res/tool_bar.h"

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

// Every command that needs a run to act on. The speeds do not: one chosen
// before a run is the one its replay plays at.
constexpr int kRunCommands[] = {
    res::kIdReplayPause,   res::kIdReplayFirst, res::kIdReplayBack,
    res::kIdReplayForward, res::kIdReplayLast,  res::kIdRunSameSeed,
};

// Where the chosen speed is kept between sessions, by its command.
constexpr char kSpeedKey[] = "Replay/Speed";

QSettings Settings() {
  return QSettings(kSettingsOrganisation, kSettingsApplication);
}

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
  // The item's mnemonic and key stay; the words before them follow the state.
  const QRegularExpressionMatch keys = QRegularExpression(R"(\(&.\).*$)").match(pause->text());
  pause_item_keys_ = keys.hasMatch() ? keys.captured() : QString();
  connect(pause, &QAction::triggered, &player_, &ReplayPlayer::PlayOrPause);
  connect(&player_, &ReplayPlayer::PlayingChanged, this, &ReplayCommands::ShowPlaying);
  ShowPlaying(player_.IsPlaying());

  speeds_ = new QActionGroup(this);
  speeds_->setExclusive(true);
  const int saved_speed = Settings().value(kSpeedKey, res::kIdReplaySpeed1).toInt();
  for (const SpeedCommand& entry : kSpeedCommands) {
    QAction* action = actions_.Action(entry.command);
    action->setCheckable(true);
    speeds_->addAction(action);
    connect(action, &QAction::triggered, this, [this, entry] {
      player_.SetSpeed(entry.speed);
      Settings().setValue(kSpeedKey, entry.command);
    });
    if (entry.command == saved_speed) player_.SetSpeed(entry.speed);
  }
  ShowSpeed(player_.Speed());
  connect(&player_, &ReplayPlayer::SpeedChanged, this, &ReplayCommands::ShowSpeed);

  connect(&player_, &ReplayPlayer::RunReplaced, this, &ReplayCommands::UpdateEnabled);
  UpdateEnabled();
}

void ReplayCommands::ShowPlaying(bool playing) {
  const int state = playing ? res::kIdsReplayPauseState : res::kIdsReplayPlayState;
  QAction* pause = actions_.Action(res::kIdReplayPause);
  pause->setText(ToolTipOf(state) + pause_item_keys_);
  pause->setToolTip(ToolTipOf(state));
  pause->setStatusTip(PromptOf(state));
  pause->setIcon(
      ToolBarIcon(playing ? res::ToolBarImage(res::kIdReplayPause) : res::kReplayPlayImage));
}

void ReplayCommands::ShowSpeed(ReplaySpeed speed) {
  for (const SpeedCommand& entry : kSpeedCommands) {
    if (entry.speed == speed) actions_.Action(entry.command)->setChecked(true);
  }
}

void ReplayCommands::UpdateEnabled() {
  for (const int command : kRunCommands) actions_.Action(command)->setEnabled(player_.HasRun());
}

}  // namespace curvesmith
