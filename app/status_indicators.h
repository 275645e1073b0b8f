#ifndef CURVESMITH_APP_STATUS_INDICATORS_H_
#define CURVESMITH_APP_STATUS_INDICATORS_H_

#include <QMap>
#include <QObject>
#include <QTimer>
#include <memory>

#include "app/lock_states.h"

class QLabel;
class QStatusBar;

namespace curvesmith {

// The status bar's panes: the message pane, which reads "ﾚﾃﾞｨ" while idle and
// gives way to a command's prompt while the pointer is over its menu item or
// tool-bar button, then the lock indicators ｶﾅ CAP NUM SCRL.
//
// An indicator shows its text while its lock is on and is blank while it is
// off. Where `locks` cannot tell, the text is shown greyed, so the pane never
// claims a state it does not know.
class StatusIndicators : public QObject {
  Q_OBJECT

 public:
  StatusIndicators(QStatusBar* status_bar, std::unique_ptr<LockStates> locks);

  // Reads the lock states again. Called on a short timer, since no platform
  // sends an event when a lock changes while another program has the focus.
  void Refresh();

  QLabel* MessagePane() const { return message_; }
  QLabel* Indicator(int id) const { return indicators_.value(id); }

 private:
  std::unique_ptr<LockStates> locks_;
  QLabel* message_;
  QMap<int, QLabel*> indicators_;
  QTimer poll_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_STATUS_INDICATORS_H_
