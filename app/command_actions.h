#ifndef CURVESMITH_APP_COMMAND_ACTIONS_H_
#define CURVESMITH_APP_COMMAND_ACTIONS_H_

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QObject>
#include <span>

#include "res/accelerator_table.h"
#include "res/main_menu.h"
#include "res/tool_bar.h"

class QMainWindow;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QWidget;

namespace curvesmith {

// One QAction per command of the menu, the tool bar and the accelerator
// table, made once from the resource tables and shared by menu bar, tool bar
// and keyboard: menu text, shortcuts, status-bar prompt, tool-tip and icon.
// The actions are added to `window`, so their shortcuts work anywhere in it.
// Who handles a command connects to its action's triggered() signal.
class CommandActions : public QObject {
  Q_OBJECT

 public:
  explicit CommandActions(QWidget* window);

  // The action of `command`, or nullptr when no table names it.
  QAction* Action(int command) const { return actions_.value(command); }

  // Fills `bar` with the main menu's pop-ups, in table order.
  void PopulateMenuBar(QMenuBar* bar);

  // The pop-up holding `command`, once PopulateMenuBar has run.
  QMenu* MenuOf(int command) const { return menus_.value(command); }

  // Creates the tool bar in `window`'s top area: flat buttons with tool-tips,
  // movable, floatable and dockable on any side. The View menu's tool-bar
  // toggle follows and drives its visibility.
  QToolBar* CreateToolBar(QMainWindow* window);

  // Creates the replay tool bar the same way, after the first one, with
  // `seek_controls` in the slider's place. The View menu's replay-bar toggle
  // follows and drives its visibility.
  QToolBar* CreateReplayToolBar(QMainWindow* window, QWidget* seek_controls);

  // Ties the View menu's status-bar toggle to `status_bar`.
  void BindStatusBar(QStatusBar* status_bar);

 private:
  QAction* MakeAction(int command, const QString& menu_text);
  QToolBar* MakeToolBar(QMainWindow* window, const char* name, int toggle_command,
                        std::span<const res::ToolBarButton> buttons, QWidget* seek_controls);
  void PopulateMenu(QMenu* menu, std::span<const res::MenuItem> items);

  QWidget* window_;
  QMap<int, QAction*> actions_;
  QMap<int, QMenu*> menus_;
};

// The key sequence of an accelerator-table entry.
QKeySequence KeySequenceOf(const res::Accelerator& accelerator);

// Every key sequence the accelerator table binds to `command`, in table order.
QList<QKeySequence> ShortcutsOf(int command);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_COMMAND_ACTIONS_H_
