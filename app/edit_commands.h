#ifndef CURVESMITH_APP_EDIT_COMMANDS_H_
#define CURVESMITH_APP_EDIT_COMMANDS_H_

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QAction;
class QLineEdit;
class QWidget;

namespace curvesmith {

// Undo, Cut, Copy and Paste from the Edit menu and the tool bar act on the
// line edit that has the keyboard focus, and are enabled only while they
// would do something there: Undo with an edit to undo, Cut and Copy with a
// selection, Paste with text on the clipboard. With no line edit focused they
// are all disabled.
//
// Inside a field the clipboard keys go to the field itself (a line edit
// claims them before any window shortcut), so they keep working however the
// actions stand.
class EditCommands : public QObject {
  Q_OBJECT

 public:
  EditCommands(QAction* undo, QAction* cut, QAction* copy, QAction* paste, QObject* parent);

  // Re-reads the focused field's state into the actions' enabled flags.
  void Update();

 private:
  void Follow(QWidget* now);

  QAction* undo_;
  QAction* cut_;
  QAction* copy_;
  QAction* paste_;
  QPointer<QLineEdit> target_;
  QMetaObject::Connection text_changed_;
  QMetaObject::Connection selection_changed_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_EDIT_COMMANDS_H_
