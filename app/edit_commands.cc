#include "app/edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>

namespace curvesmith {
namespace {

// A password-style field never gives its text away.
bool ShowsText(const QLineEdit& edit) {
  return edit.echoMode() == QLineEdit::Normal;
}

}  // namespace

EditCommands::EditCommands(QAction* undo, QAction* cut, QAction* copy, QAction* paste,
                           QObject* parent)
    : QObject(parent), undo_(undo), cut_(cut), copy_(copy), paste_(paste) {
  connect(undo_, &QAction::triggered, this, [this] {
    if (target_) target_->undo();
  });
  connect(cut_, &QAction::triggered, this, [this] {
    if (target_) target_->cut();
  });
  connect(copy_, &QAction::triggered, this, [this] {
    if (target_) target_->copy();
  });
  connect(paste_, &QAction::triggered, this, [this] {
    if (target_) target_->paste();
  });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &EditCommands::Update);
  Follow(QApplication::focusWidget());
}

void EditCommands::Follow(QWidget* now) {
  // Focus passing to a menu or tool bar, or leaving the application, keeps
  // the field the target: the command is meant for the field the user was in.
  const bool passing = now == nullptr || qobject_cast<QMenu*>(now) != nullptr ||
                       qobject_cast<QToolBar*>(now->parentWidget()) != nullptr;
  QLineEdit* edit = passing ? target_.data() : qobject_cast<QLineEdit*>(now);
  if (edit != target_) {
    disconnect(text_changed_);
    disconnect(selection_changed_);
    target_ = edit;
    if (edit != nullptr) {
      text_changed_ = connect(edit, &QLineEdit::textChanged, this, &EditCommands::Update);
      selection_changed_ = connect(edit, &QLineEdit::selectionChanged, this, &EditCommands::Update);
    }
  }
  Update();
}

void EditCommands::Update() {
  const QLineEdit* edit = target_;
  const bool writable = edit != nullptr && !edit->isReadOnly();
  const bool selection = edit != nullptr && edit->hasSelectedText() && ShowsText(*edit);
  const QMimeData* clipboard = QApplication::clipboard()->mimeData();
  undo_->setEnabled(writable && edit->isUndoAvailable());
  cut_->setEnabled(writable && selection);
  copy_->setEnabled(selection);
  paste_->setEnabled(writable && clipboard != nullptr && clipboard->hasText());
}

}  // namespace curvesmith
