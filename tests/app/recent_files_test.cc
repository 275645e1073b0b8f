#include "app/recent_files.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace curvesmith {

// Each case starts from empty settings in a temporary location, and
// "restarts" by building a new menu and list over the same settings.
class RecentFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QSettings::setDefaultFormat(QSettings::IniFormat); }

  void init() {
    settings_dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(settings_dir_->isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_dir_->path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir_->path());
    Start();
  }
  void cleanup() {
    menu_.reset();
    settings_dir_.reset();
  }

  void EmptyListShowsTheGreyedPlaceholder() {
    QVERIFY(recent_->Files().isEmpty());
    QVERIFY(placeholder_->isVisible());
    QVERIFY(!placeholder_->isEnabled());
    for (const QAction* entry : recent_->Entries()) QVERIFY(!entry->isVisible());
  }

  void NewestFirstAndAtMostFour() {
    for (const char* name : {"a", "b", "c", "d", "e"}) recent_->Add(Path(name));
    QCOMPARE(recent_->Files(), (QStringList{Path("e"), Path("d"), Path("c"), Path("b")}));
    QVERIFY(!placeholder_->isVisible());
    QCOMPARE(recent_->Entries().size(), 4);
    for (const QAction* entry : recent_->Entries()) QVERIFY(entry->isVisible());
    QVERIFY(recent_->Entries()[0]->text().startsWith("&1 "));
    QVERIFY(recent_->Entries()[0]->text().endsWith("e"));
    QCOMPARE(recent_->Entries()[3]->data().toInt(), 57619);
  }

  void AddingAListedFileMovesItToTheTop() {
    recent_->Add(Path("a"));
    recent_->Add(Path("b"));
    recent_->Add(Path("a"));
    QCOMPARE(recent_->Files(), (QStringList{Path("a"), Path("b")}));
  }

  void TheListSurvivesARestart() {
    recent_->Add(Path("one"));
    recent_->Add(Path("two"));
    Start();
    QCOMPARE(recent_->Files(), (QStringList{Path("two"), Path("one")}));
    QVERIFY(!placeholder_->isVisible());
  }

  void KeptUnderTheProgramsSettingsNames() {
    recent_->Add(Path("kept"));
    QSettings settings("Local AppWizard-Generated Applications", "Curvesmith");
    QCOMPARE(settings.value("Recent File List/File1").toString(), Path("kept"));
  }

  void RemoveTakesAFileOff() {
    recent_->Add(Path("a"));
    recent_->Add(Path("b"));
    recent_->Remove(Path("a"));
    QCOMPARE(recent_->Files(), QStringList{Path("b")});
    recent_->Remove(Path("b"));
    QVERIFY(placeholder_->isVisible());
    Start();
    QVERIFY(recent_->Files().isEmpty());
  }

  void TriggeringAnEntryAsksToOpenItsFile() {
    recent_->Add(Path("a"));
    recent_->Add(Path("b"));
    QSignalSpy open(recent_, &RecentFiles::OpenRequested);
    recent_->Entries()[1]->trigger();
    QCOMPARE(open.size(), 1);
    QCOMPARE(open.first().first().toString(), Path("a"));
  }

  void AmpersandsInNamesAreNotMnemonics() {
    recent_->Add(Path("R&D"));
    QVERIFY(recent_->Entries()[0]->text().endsWith("R&&D"));
  }

  void EntriesSitWhereThePlaceholderIs() {
    const QList<QAction*> actions = menu_->actions();
    QCOMPARE(actions.indexOf(placeholder_), 5);
    QCOMPARE(actions.indexOf(recent_->Entries()[0]), 1);
  }

 private:
  QString Path(const char* name) const {
    return QDir(settings_dir_->path()).absoluteFilePath(QString::fromUtf8(name));
  }

  // A menu like the File menu's tail: an item, the placeholder, an item.
  void Start() {
    menu_ = std::make_unique<QMenu>();
    menu_->addAction("before");
    placeholder_ = menu_->addAction("最近使ったﾌｧｲﾙ");
    menu_->addAction("after");
    recent_ = new RecentFiles(menu_.get(), placeholder_);
  }

  std::unique_ptr<QTemporaryDir> settings_dir_;
  std::unique_ptr<QMenu> menu_;
  QAction* placeholder_ = nullptr;
  RecentFiles* recent_ = nullptr;
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::RecentFilesTest)
#include "recent_files_test.moc"
