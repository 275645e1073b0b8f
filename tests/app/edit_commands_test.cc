#include "app/edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "app/command_actions.h"
#include "res/resource_ids.h"

namespace curvesmith {

// A window with two fields and a button, and the four Edit actions carrying
// their real shortcuts, as in the main window.
class EditCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    field_ = new QLineEdit("0.25");
    other_field_ = new QLineEdit("7");
    button_ = new QPushButton("実行");
    layout->addWidget(field_);
    layout->addWidget(other_field_);
    layout->addWidget(button_);
    for (QAction** action : {&undo_, &cut_, &copy_, &paste_}) {
      *action = new QAction(window_);
      window_->addAction(*action);
    }
    undo_->setShortcuts(ShortcutsOf(res::kIdEditUndo));
    cut_->setShortcuts(ShortcutsOf(res::kIdEditCut));
    copy_->setShortcuts(ShortcutsOf(res::kIdEditCopy));
    paste_->setShortcuts(ShortcutsOf(res::kIdEditPaste));
    commands_ = new EditCommands(undo_, cut_, copy_, paste_, window_);
    QApplication::clipboard()->clear();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() { delete window_; }

  void AllDisabledOutsideAField() {
    QApplication::clipboard()->setText("3");
    button_->setFocus();
    QVERIFY(!undo_->isEnabled());
    QVERIFY(!cut_->isEnabled());
    QVERIFY(!copy_->isEnabled());
    QVERIFY(!paste_->isEnabled());
  }

  void CutAndCopyNeedASelection() {
    Focus(field_);
    field_->deselect();
    QVERIFY(!cut_->isEnabled());
    QVERIFY(!copy_->isEnabled());
    field_->selectAll();
    QVERIFY(cut_->isEnabled());
    QVERIFY(copy_->isEnabled());
  }

  void PasteNeedsTextOnTheClipboard() {
    Focus(field_);
    QVERIFY(!paste_->isEnabled());
    QApplication::clipboard()->setText("0.5");
    QVERIFY(paste_->isEnabled());
  }

  void UndoNeedsAnEdit() {
    Focus(field_);
    QVERIFY(!undo_->isEnabled());
    QTest::keyClicks(field_, "5");
    QVERIFY(undo_->isEnabled());
    undo_->trigger();
    QCOMPARE(field_->text(), QString("0.25"));
  }

  void ReadOnlyFieldOnlyCopies() {
    field_->setReadOnly(true);
    Focus(field_);
    field_->selectAll();
    QApplication::clipboard()->setText("1");
    QVERIFY(copy_->isEnabled());
    QVERIFY(!cut_->isEnabled());
    QVERIFY(!paste_->isEnabled());
  }

  void ActionsActOnTheFocusedField() {
    Focus(other_field_);
    other_field_->selectAll();
    copy_->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString("7"));
    Focus(field_);
    field_->selectAll();
    paste_->trigger();
    QCOMPARE(field_->text(), QString("7"));
    field_->selectAll();
    cut_->trigger();
    QVERIFY(field_->text().isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), QString("7"));
  }

  void ClipboardKeysWorkInsideFields_data() {
    QTest::addColumn<QKeySequence>("copy");
    QTest::addColumn<QKeySequence>("paste");
    QTest::newRow("ctrl") << QKeySequence("Ctrl+C") << QKeySequence("Ctrl+V");
    QTest::newRow("insert") << QKeySequence("Ctrl+Ins") << QKeySequence("Shift+Ins");
  }
  void ClipboardKeysWorkInsideFields() {
    QFETCH(QKeySequence, copy);
    QFETCH(QKeySequence, paste);
    Focus(other_field_);
    other_field_->selectAll();
    QTest::keySequence(window_, copy);
    QCOMPARE(QApplication::clipboard()->text(), QString("7"));
    Focus(field_);
    field_->selectAll();
    QTest::keySequence(window_, paste);
    QCOMPARE(field_->text(), QString("7"));
  }

  void FocusLeavingForAMenuKeepsTheTarget() {
    Focus(field_);
    field_->selectAll();
    QVERIFY(copy_->isEnabled());
    emit qApp->focusChanged(field_, nullptr);
    QVERIFY(copy_->isEnabled());
  }

 private:
  void Focus(QLineEdit* field) {
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(field));
  }

  QWidget* window_ = nullptr;
  QLineEdit* field_ = nullptr;
  QLineEdit* other_field_ = nullptr;
  QPushButton* button_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* cut_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
  EditCommands* commands_ = nullptr;
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::EditCommandsTest)
#include "edit_commands_test.moc"
