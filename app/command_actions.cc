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

// The menu's command items by command.
void CollectMenuCommands(std::span<const res::MenuItem> items,
                         QMap<int, const res::MenuItem*>* commands) {
  for (const res::MenuItem& item : items) {
    if (item.kind == res::MenuItemKind::kPopup) CollectMenuCommands(item.children, commands);
    if (item.kind == res::MenuItemKind::kCommand) commands->insert(item.command, &item);
  }
}

// A command's text as its menu item shows it: the item's text and, where the
// item shows one, a tab and the shortcut. Commands the menu lacks have none.
QString MenuText(int command, const res::MenuItem* item) {
  if (item == nullptr) return QString();
  QString text = LoadText(item->text);
  const QList<QKeySequence> shortcuts = ShortcutsOf(command);
  if (item->shows_shortcut && !shortcuts.isEmpty()) {
    text += '\t' + shortcuts.first().toString(QKeySequence::PortableText);
  }
  return text;
}

}  // namespace

QKeySequence KeySequenceOf(const res::Accelerator& accelerator) {
  return QKeySequence::fromString(QString::fromLatin1(accelerator.keys),
                                  QKeySequence::PortableText);
}

QList<QKeySequence> ShortcutsOf(int command) {
  QList<QKeySequence> shortcuts;
  for (const res::Accelerator& accelerator : res::AcceleratorTable()) {
    if (accelerator.command == command) shortcuts.append(KeySequenceOf(accelerator));
  }
  return shortcuts;
}

CommandActions::CommandActions(QWidget* window) : QObject(window), window_(window) {
  QMap<int, const res::MenuItem*> menu_items;
  CollectMenuCommands(res::MainMenu(), &menu_items);
  for (const res::ToolBarButton& button : res::ToolBar()) {
    if (button.command != res::kIdSeparator && !menu_items.contains(button.command)) {
      menu_items.insert(button.command, nullptr);
    }
  }
  for (const res::Accelerator& accelerator : res::AcceleratorTable()) {
    if (!menu_items.contains(accelerator.command)) menu_items.insert(accelerator.command, nullptr);
  }
  for (auto it = menu_items.cbegin(); it != menu_items.cend(); ++it) {
    MakeAction(it.key(), MenuText(it.key(), it.value()));
  }
}

QAction* CommandActions::MakeAction(int command, const QString& menu_text) {
  auto* action = new QAction(menu_text, this);
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
    PopulateMenu(bar->addMenu(LoadText(popup.text)), popup.children);
  }
}

void CommandActions::PopulateMenu(QMenu* menu, std::span<const res::MenuItem> items) {
  for (const res::MenuItem& item : items) {
    switch (item.kind) {
      case res::MenuItemKind::kSeparator:
        menu->addSeparator();
        break;
      case res::MenuItemKind::kPopup:
        PopulateMenu(menu->addMenu(LoadText(item.text)), item.children);
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
  tool_bar->setWindowTitle(toggle->text().remove(QRegularExpression(R"(\(&.\)|&|\t.*)")));
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
