#ifndef CURVESMITH_APP_REPLAY_COMMANDS_H_
#define CURVESMITH_APP_REPLAY_COMMANDS_H_

#include <QObject>

class QActionGroup;

namespace curvesmith {

class CommandActions;
class ReplayPlayer;

// The 再生 menu's player commands on their shared actions: pause/resume (a
// checked item while paused), first, back, forward, last and the five
// speeds (one of them checked). They act on `player`, follow its state, and
// are disabled while there is no run to replay, as is 同じｼｰﾄﾞで再実行.
class ReplayCommands : public QObject {
  Q_OBJECT

 public:
  // REQUIRES: `actions` and `player` outlive this object.
  ReplayCommands(CommandActions& actions, ReplayPlayer& player, QObject* parent = nullptr);

 private:
  void UpdateEnabled();

  CommandActions& actions_;
  ReplayPlayer& player_;
  QActionGroup* speeds_ = nullptr;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_REPLAY_COMMANDS_H_
