#ifndef CURVESMITH_APP_REPLAY_COMMANDS_H_
#define CURVESMITH_APP_REPLAY_COMMANDS_H_

#include <QObject>
#include <QString>

#include "app/replay_speed.h"

class QActionGroup;

namespace curvesmith {

class CommandActions;
class ReplayPlayer;

// The 再生 menu's player commands on their shared actions: play/pause (its
// item text, tool-bar image and tool-tip say what it does now: ▶ 再生 while
// the replay is paused or finished, ‖ 一時停止 while it plays), first, back,
// forward, last and the five speeds (one of them checked, kept in the
// settings and handed to the player at once). They act on `player` and
// follow its state; all but the speeds are disabled while there is no run to
// replay, as is 同じｼｰﾄﾞで再実行.
class ReplayCommands : public QObject {
  Q_OBJECT

 public:
  // REQUIRES: `actions` and `player` outlive this object.
  ReplayCommands(CommandActions& actions, ReplayPlayer& player, QObject* parent = nullptr);

 private:
  void ShowPlaying(bool playing);
  void ShowSpeed(ReplaySpeed speed);
  void UpdateEnabled();

  CommandActions& actions_;
  ReplayPlayer& player_;
  QActionGroup* speeds_ = nullptr;
  // The pause item's mnemonic and key text, "(&P)\tF5".
  QString pause_item_keys_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_REPLAY_COMMANDS_H_
