#include "app/command_actions.h"

#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QString>
#include <QToolBar>

#include "app/app_icons.h"
#include "app/resource_text.h"
#include "res/main_menu.h"
#include "res/resource_ids.h"
#include "res/tool_bar.h"

namespace curvesmith {
namespace {

Qt::Key QtKeyOf(res::Key key) {
  switch (key) {
    case res::Key::kB:
      return Qt::Key_B;
    case res::Key::kC:
      return Qt::Key_C;
    case res::Key::kK:
      return Qt::Key_K;
    case res::Key::kD:
      return Qt::Key_D;
    case res::Key::kF:
      return Qt::Key_F;
    case res::Key::kG:
      return Qt::Key_G;
    case res::Key::kH:
      return Qt::Key_H;
    case res::Key::kJ:
      return Qt::Key_J;
    case res::Key::kW:
      return Qt::Key_W;
    case res::Key::kN:
      return Qt::Key_N;
    case res::Key::kO:
      return Qt::Key_O;
    case res::Key::kP:
      return Qt::Key_P;
    case res::Key::kR:
      return Qt::Key_R;
    case res::Key::kS:
      return Qt::Key_S;
    case res::Key::kV:
      return Qt::Key_V;
    case res::Key::kX:
      return Qt::Key_X;
    case res::Key::kZ:
      return Qt::Key_Z;
    case res::Key::kBackspace:
      return Qt::Key_Backspace;
    case res::Key::kDelete:
      return Qt::Key_Delete;
    case res::Key::kInsert:
      return Qt::Key_Insert;
    case res::Key::kF6:
      return Qt::Key_F6;
    case res::Key::kF5:
      return Qt::Key_F5;
    case res::Key::kF7:
      return Qt::Key_F7;
    case res::Key::kF8:
      return Qt::Key_F8;
    case res::Key::kF9:
      return Qt::Key_F9;
    case res::Key::k1:
      return Qt::Key_1;
    case res::Key::k2:
      return Qt::Key_2;
    case res::Key::k3:
      return Qt::Key_3;
    case res::Key::k4:
      return Qt::Key_4;
    case res::Key::k5:
      return Qt::Key_5;
    case res::Key::k6:
      return Qt::Key_6;
    case res::Key::kF12:
      return Qt::Key_F12;
    case res::Key::kF11:
      return Qt::Key_F11;
    case res::Key::kEscape:
      return Qt::Key_Escape;
    case res::Key::kL:
      return Qt::Key_L;
  }
  return Qt::Key_unknown;
}

// The menu's commands with their item texts.
void CollectMenuCommands(std::span<const res::MenuItem> items, QMap<int, const char*>* texts) {
  for (const res::MenuItem& item : items) {
    if (item.kind == res::MenuItemKind::kPopup) CollectMenuCommands(item.children, texts);
    if (item.kind == res::MenuItemKind::kCommand) texts->insert(item.command, item.text);
  }
}

}  // namespace

QKeySequence KeySequenceOf(const res::Accelerator& accelerator) {
  Qt::KeyboardModifiers modifiers;
  if (accelerator.modifiers & res::kCtrl) modifiers |= Qt::ControlModifier;
  if (accelerator.modifiers & res::kShift) modifiers |= Qt::ShiftModifier;
  if (accelerator.modifiers & res::kAlt) modifiers |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(modifiers, QtKeyOf(accelerator.key)));
}

QList<QKeySequence> ShortcutsOf(int command) {
  QList<QKeySequence> shortcuts;
  for (const res::Accelerator& accelerator : res::AcceleratorTable()) {
    if (accelerator.command == command) shortcuts.append(KeySequenceOf(accelerator));
  }
  return shortcuts;
}

CommandActions::CommandActions(QWidget* window) : QObject(window), window_(window) {
  QMap<int, const char*> menu_texts;
  CollectMenuCommands(res::MainMenu(), &menu_texts);
  for (const res::ToolBarButton& button : res::ToolBar()) {
    if (button.command != res::kIdSeparator && !menu_texts.contains(button.command)) {
      menu_texts.insert(button.command, "");
    }
  }
  for (const res::Accelerator& accelerator : res::AcceleratorTable()) {
    if (!menu_texts.contains(accelerator.command)) menu_texts.insert(accelerator.command, "");
  }
  for (auto it = menu_texts.cbegin(); it != menu_texts.cend(); ++it) {
    MakeAction(it.key(), it.value());
  }
}

QAction* CommandActions::MakeAction(int command, const char* menu_text) {
  auto* action = new QAction(QString::fromUtf8(menu_text), this);
  action->setStatusTip(PromptOf(command));
  action->setToolTip(ToolTipOf(command));
  action->setShortcuts(ShortcutsOf(command));
  if (const char* image = res::ToolBarImage(command)) {
    action->setIcon(ToolBarIcon(image));
    // The images belong to the tool bar; the menus show text only.
    action->setIconVisibleInMenu(false);
  }
  action->setData(command);
  window_->addAction(action);
  actions_.insert(command, action);
  return action;
}

void CommandActions::PopulateMenuBar(QMenuBar* bar) {
  for (const res::MenuItem& popup : res::MainMenu()) {
    PopulateMenu(bar->addMenu(QString::fromUtf8(popup.text)), popup.children);
  }
}

void CommandActions::PopulateMenu(QMenu* menu, std::span<const res::MenuItem> items) {
  for (const res::MenuItem& item : items) {
    switch (item.kind) {
      case res::MenuItemKind::kSeparator:
        menu->addSeparator();
        break;
      case res::MenuItemKind::kPopup:
        PopulateMenu(menu->addMenu(QString::fromUtf8(item.text)), item.children);
        break;
      case res::MenuItemKind::kCommand: {
        QAction* action = Action(item.command);
        if (item.greyed) action->setEnabled(false);
        menu->addAction(action);
        menus_.insert(item.command, menu);
        break;
      }
    }
  }
}

QToolBar* CommandActions::CreateToolBar(QMainWindow* window) {
  return MakeToolBar(window, "ToolBar", res::kIdViewToolBar, res::ToolBar(), nullptr);
}

QToolBar* CommandActions::CreateReplayToolBar(QMainWindow* window, QWidget* seek_controls) {
  return MakeToolBar(window, "ReplayToolBar", res::kIdViewReplayBar, res::ReplayToolBar(),
                     seek_controls);
}

QToolBar* CommandActions::MakeToolBar(QMainWindow* window, const char* name, int toggle_command,
                                      std::span<const res::ToolBarButton> buttons,
                                      QWidget* seek_controls) {
  QAction* toggle = Action(toggle_command);
  auto* tool_bar = new QToolBar(window);
  tool_bar->setObjectName(name);
  // Named like its View menu item, without the mnemonic and the shortcut.
  tool_bar->setWindowTitle(toggle->text().remove(QRegularExpression(R"(\(&.\)|\t.*)")));
  tool_bar->setMovable(true);
  tool_bar->setFloatable(true);
  tool_bar->setAllowedAreas(Qt::AllToolBarAreas);
  tool_bar->setIconSize(QSize(res::kToolBarImageWidth, res::kToolBarImageHeight));
  tool_bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const res::ToolBarButton& button : buttons) {
    if (button.command == res::kIdSeparator) {
      tool_bar->addSeparator();
    } else if (button.command == res::kIdReplaySeek) {
      tool_bar->addWidget(seek_controls);
    } else {
      QAction* action = Action(button.command);
      // A button without an image shows its tool-tip as its text.
      if (action->icon().isNull()) action->setIconText(action->toolTip());
      tool_bar->addAction(action);
    }
  }
  window->addToolBar(Qt::TopToolBarArea, tool_bar);

  toggle->setCheckable(true);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, tool_bar, &QToolBar::setVisible);
  connect(tool_bar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
  return tool_bar;
}

void CommandActions::BindStatusBar(QStatusBar* status_bar) {
  QAction* toggle = Action(res::kIdViewStatusBar);
  toggle->setCheckable(true);
  toggle->setChecked(!status_bar->isHidden());
  connect(toggle, &QAction::toggled, status_bar, &QStatusBar::setVisible);
}

}  // namespace curvesmith
