#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <memory>

#include "app/about_box.h"
#include "app/chart_area_widget.h"
#include "app/command_actions.h"
#include "app/curvesmith_app.h"
#include "app/curvesmith_view.h"
#include "app/interface_language.h"
#include "app/main_frame.h"
#include "app/print_support.h"
#include "app/qt_translations.h"
#include "app/recent_files.h"
#include "app/sample_files.h"
#include "app/status_indicators.h"
#include "res/resource_ids.h"
#include "res/sample_experiments.h"

namespace curvesmith {

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The whole program as it starts from main(), with its settings in a
// temporary location and its warnings recorded instead of shown.
class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QSettings::setDefaultFormat(QSettings::IniFormat); }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      QSettings::setPath(format, QSettings::UserScope, dir_->filePath("settings"));
    }
    warnings_.clear();
  }
  void cleanup() {
    app_.reset();
    dir_.reset();
  }

  void StartsWithANewDocument() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->windowTitle(), QString("Curvesmith"));
    QCOMPARE(frame->View()->Field(res::kIdcGenerations)->text(), QString("0"));
    QVERIFY(warnings_.isEmpty());
  }

  void StartsWithASavedFile() {
    const QString path = SavedFileWithPopulation("120");
    QVERIFY(Start({"curvesmith", path}));
    QCOMPARE(app_->MainFrame()->View()->Field(res::kIdcPopulationSize)->text(), QString("120"));
    QCOMPARE(app_->MainFrame()->windowTitle(), QString("Curvesmith"));
  }

  void AMissingFileIsReportedAndStartUpFails() {
    QVERIFY(!Start({"curvesmith", dir_->filePath("missing.txt")}));
    QCOMPARE(warnings_.size(), 1);
    QVERIFY(warnings_.first().contains("missing.txt"));
  }

  void CaptionStaysAfterNewOpenAndSaveAs() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QVERIFY(frame->SaveDocumentAs(dir_->filePath("saved.txt")));
    QCOMPARE(frame->windowTitle(), QString("Curvesmith"));
    frame->OnFileNew();
    QCOMPARE(frame->windowTitle(), QString("Curvesmith"));
    QVERIFY(frame->OpenDocumentFile(dir_->filePath("saved.txt")));
    QCOMPARE(frame->windowTitle(), QString("Curvesmith"));
  }

  void WindowIsShrunkToTheFormAndTheScreen() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    const QSize screen = frame->screen()->availableSize();
    const CCurvesmithView* view = frame->View();
    const QSize form = view->FormSize();
    // Never more than requested, than the screen, or than the form needs.
    QVERIFY(frame->width() <= CMainFrame::kRequestedWidth);
    QVERIFY(frame->height() <= CMainFrame::kRequestedHeight);
    QVERIFY(frame->width() <= screen.width());
    QVERIFY(frame->height() <= screen.height());
    QVERIFY(view->width() <= form.width());
    QVERIFY(view->height() <= form.height());
    // Where the screen has room, the whole form shows at its designed size;
    // where it has not, its chart is drawn smaller and it still shows whole.
    if (frame->width() < screen.width() && frame->height() < screen.height()) {
      QCOMPARE(view->size(), form);
    }
    QVERIFY(view->rect().contains(view->RunButton()->geometry()));
  }

  // The keyboard goes to the first field of the tab order, and the window
  // shrinks (never grows) to the form, whenever the form is updated afresh.
  void FirstFieldHasTheFocusAndWindowFitsAfterEachInitialUpdate_data() {
    QTest::addColumn<QString>("update");
    QTest::newRow("start") << "start";
    QTest::newRow("new") << "new";
    QTest::newRow("open") << "open";
  }
  void FirstFieldHasTheFocusAndWindowFitsAfterEachInitialUpdate() {
    QFETCH(QString, update);
    const QString path = SavedFileWithPopulation("7");
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QLineEdit* first = frame->View()->Field(res::kIdcGenerations);
    if (update != "start") {
      // Fitted once shown, when the window's frame is known.
      frame->OnFileNew();
      const QSize fitted = frame->size();
      frame->View()->Field(res::kIdcMutationRate)->setFocus();
      frame->resize(fitted + QSize(50, 40));
      if (update == "new") frame->OnFileNew();
      if (update == "open") QVERIFY(frame->OpenDocumentFile(path));
      QCOMPARE(frame->size(), fitted);
      frame->resize(fitted - QSize(50, 40));
      if (update == "new") frame->OnFileNew();
      if (update == "open") QVERIFY(frame->OpenDocumentFile(path));
      QCOMPARE(frame->size(), fitted - QSize(50, 40));
    }
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(first));
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QCOMPARE(first->text(), QString("5"));
  }

  // Printer set-up chooses the printer too, on the printer that Print and
  // Print Preview use next.
  void PrinterSetUpChoosesThePrinterForTheNextPrint() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QPrinter* chosen = nullptr;
    QTimer::singleShot(0, frame, [&chosen] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        if (QWidget* other = QApplication::activeModalWidget()) other->close();
        return;
      }
      chosen = dialog->printer();
      dialog->reject();
    });
    frame->Actions()->Action(res::kIdFilePrintSetup)->trigger();
    QCOMPARE(chosen, frame->findChild<PrintSupport*>()->Printer());
  }

  void MenusToolBarAndStatusBarAreThere() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    // The classic four, and 再生 before ﾍﾙﾌﾟ.
    QCOMPARE(frame->menuBar()->actions().size(), 5);
    QCOMPARE(frame->findChild<QToolBar*>("ToolBar")->actions().size(), 11);
    QCOMPARE(frame->toolBarArea(frame->findChild<QToolBar*>("ToolBar")), Qt::TopToolBarArea);
    QCOMPARE(frame->findChild<StatusIndicators*>()->MessagePane()->text(), QString("ﾚﾃﾞｨ"));
    QVERIFY(!frame->Actions()->Action(res::kIdNextPane)->isEnabled());
  }

  void HoveringAMenuItemShowsItsPrompt() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QMenu* file = frame->Actions()->MenuOf(res::kIdFileOpen);
    frame->menuBar()->setActiveAction(file->menuAction());
    QVERIFY(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(frame->Actions()->Action(res::kIdFileOpen));
    QCOMPARE(frame->statusBar()->currentMessage(), QString("既存のﾌｧｲﾙを開く"));
    file->close();
  }

  void EditCommandsFollowTheFocusedField() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QAction* copy = frame->Actions()->Action(res::kIdEditCopy);
    QLineEdit* field = frame->View()->Field(res::kIdcCrossoverRate);
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(field));
    field->selectAll();
    QVERIFY(copy->isEnabled());
    frame->View()->RunButton()->setFocus();
    QTRY_VERIFY(!copy->isEnabled());
  }

  void AboutCommandOpensTheAboutBoxModally() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    bool seen = false;
    QTimer::singleShot(0, frame, [&seen] {
      auto* about = qobject_cast<CAboutBox*>(QApplication::activeModalWidget());
      seen = about != nullptr && about->isModal();
      if (about) QTest::keyClick(about, Qt::Key_Escape);
    });
    frame->Actions()->Action(res::kIdAppAbout)->trigger();
    QVERIFY(seen);
  }

  void RecentFilesSurviveARestart() {
    const QString path = SavedFileWithPopulation("50");
    QVERIFY(Start({"curvesmith", path}));
    QCOMPARE(app_->MainFrame()->findChild<RecentFiles*>()->Files().size(), 1);
    app_.reset();
    QVERIFY(Start({"curvesmith"}));
    RecentFiles* recent = app_->MainFrame()->findChild<RecentFiles*>();
    QCOMPARE(recent->Files(), QStringList{QFileInfo(path).absoluteFilePath()});
    QVERIFY(recent->Entries().first()->isVisible());

    // Choosing it opens it.
    app_->MainFrame()->View()->Field(res::kIdcPopulationSize)->setText("9");
    recent->Entries().first()->trigger();
    QCOMPARE(app_->MainFrame()->View()->Field(res::kIdcPopulationSize)->text(), QString("50"));
  }

  // Each sample opens as a new document holding the experiment its item
  // names: off the recent-file list, and Save asks for a name (suggesting
  // the sample's) instead of writing over the sample.
  void SamplesOpenAsNewDocuments_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("curve");
    QTest::addColumn<QString>("population");
    QTest::addColumn<QString>("crossover");
    QTest::addColumn<QString>("mutation");
    QTest::newRow("well tuned, curve 0") << res::kIdFileSampleWellTuned0 << "0"
                                         << "100"
                                         << "0.7"
                                         << "0.2";
    QTest::newRow("well tuned, curve 1") << res::kIdFileSampleWellTuned1 << "1"
                                         << "100"
                                         << "0.7"
                                         << "0.2";
    QTest::newRow("well tuned, curve 2") << res::kIdFileSampleWellTuned2 << "2"
                                         << "100"
                                         << "0.7"
                                         << "0.2";
    QTest::newRow("premature convergence: no mutation") << res::kIdFileSamplePremature << "0"
                                                        << "30"
                                                        << "0.9"
                                                        << "0";
    QTest::newRow("random search: every individual mutates") << res::kIdFileSampleRandom << "1"
                                                             << "50"
                                                             << "0.7"
                                                             << "1";
    QTest::newRow("population too small") << res::kIdFileSampleTooSmall << "1"
                                          << "4"
                                          << "0.7"
                                          << "0.1";
  }
  void SamplesOpenAsNewDocuments() {
    QFETCH(int, command);
    QFETCH(QString, curve);
    QFETCH(QString, population);
    QFETCH(QString, crossover);
    QFETCH(QString, mutation);
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QAction* sample = frame->Actions()->Action(command);
    QVERIFY(!sample->statusTip().isEmpty());
    sample->trigger();
    QVERIFY2(warnings_.isEmpty(), qPrintable(warnings_.join('\n')));
    const auto file = std::find_if(res::SampleExperiments().begin(), res::SampleExperiments().end(),
                                   [&](const auto& entry) { return entry.command == command; });
    const QString path = SamplePath(file->file_name);
    CCurvesmithView* view = frame->View();
    QCOMPARE(view->Field(res::kIdcTargetCurve)->text(), curve);
    QCOMPARE(view->Field(res::kIdcPopulationSize)->text(), population);
    QCOMPARE(view->Field(res::kIdcCrossoverRate)->text(), crossover);
    QCOMPARE(view->Field(res::kIdcMutationRate)->text(), mutation);
    QVERIFY(app_->Document().PathName().isEmpty());
    QVERIFY(frame->findChild<RecentFiles*>()->Files().isEmpty());

    const QByteArray sample_bytes = FileBytes(path);
    QVERIFY(!sample_bytes.isEmpty());
    view->Field(res::kIdcPopulationSize)->setText("12");
    QString suggested;
    QTimer::singleShot(0, [&suggested] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
      dialog->reject();
    });
    frame->OnFileSave();
    QCOMPARE(suggested, QString::fromUtf8(file->file_name));
    QCOMPARE(FileBytes(path), sample_bytes);
  }

  // Qt's own buttons and dialogs speak the interface's language.
  void QtOwnTextsFollowTheLanguage() {
    QVERIFY(Start({"curvesmith"}));
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    QCOMPARE(cancel(), QString("キャンセル"));
    // Qt speaks English without a translation.
    QVERIFY(!InstallQtTranslations(QLocale::English));
    QCOMPARE(cancel(), QString("Cancel"));
    QVERIFY(InstallQtTranslations(QLocale::Japanese));
    QCOMPARE(cancel(), QString("キャンセル"));
  }

  // The language kept in the settings rules a start unless the command line
  // names one; the menus, the form and Qt's own texts all follow it.
  void StartsInTheKeptLanguageOrTheOneAskedFor_data() {
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file_menu");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("default") << QString() << QStringList{"curvesmith"} << "ﾌｧｲﾙ(&F)"
                             << "キャンセル";
    QTest::newRow("kept english") << "en" << QStringList{"curvesmith"} << "&File"
                                  << "Cancel";
    QTest::newRow("command line over the kept one")
        << "en" << QStringList{"curvesmith", "--language", "ja"} << "ﾌｧｲﾙ(&F)"
        << "キャンセル";
    QTest::newRow("command line english")
        << QString() << QStringList{"curvesmith", "--language", "en"} << "&File"
        << "Cancel";
  }
  void StartsInTheKeptLanguageOrTheOneAskedFor() {
    QFETCH(QString, kept);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file_menu);
    QFETCH(QString, cancel);
    const auto back_to_japanese = qScopeGuard([] { StartInLanguage(res::Language::kJapanese); });
    if (!kept.isEmpty()) {
      QSettings(QSettings::defaultFormat(), QSettings::UserScope, kSettingsOrganisation,
                kSettingsApplication)
          .setValue("Interface/Language", kept);
    }
    QVERIFY(Start(arguments));
    QCOMPARE(app_->MainFrame()->menuBar()->actions().first()->text(), file_menu);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    const bool english = file_menu == "&File";
    QCOMPARE(app_->MainFrame()->View()->RunButton()->text(), english ? "Run" : "実行");
    // The tool bar's name, in the bars' context menu, without the mnemonic.
    QCOMPARE(app_->MainFrame()->findChild<QToolBar*>("ToolBar")->windowTitle(),
             english ? "Tool Bar" : "ﾂｰﾙ ﾊﾞｰ");
  }

  void ARecentFileThatFailsToOpenLeavesTheList() {
    const QString path = SavedFileWithPopulation("50");
    QVERIFY(Start({"curvesmith", path}));
    QVERIFY(QFile::remove(path));
    app_->MainFrame()->findChild<RecentFiles*>()->Entries().first()->trigger();
    QCOMPARE(warnings_.size(), 1);
    QVERIFY(app_->MainFrame()->findChild<RecentFiles*>()->Files().isEmpty());
  }

  void PrintingToPdfContainsTheChart() {
    QVERIFY(Start({"curvesmith"}));
    CMainFrame* frame = app_->MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QTRY_VERIFY(!frame->View()->ChartArea()->Image().isNull());
    const QImage chart = frame->View()->ChartArea()->Image();

    QPrinter* printer = frame->findChild<PrintSupport*>()->Printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir_->filePath("chart.pdf"));
    frame->findChild<PrintSupport*>()->PrintDirect();

    QFile pdf(dir_->filePath("chart.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.contains("/Subtype /Image"));
    QVERIFY(content.contains(QByteArray("/Width ") + QByteArray::number(chart.width())));
    QVERIFY(warnings_.isEmpty());
  }

  void AFailedPrintIsReportedWithItsDestination() {
    QVERIFY(Start({"curvesmith"}));
    QPrinter* printer = app_->MainFrame()->findChild<PrintSupport*>()->Printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName("/nonexistent-directory/chart.pdf");
    app_->MainFrame()->findChild<PrintSupport*>()->PrintDirect();
    QCOMPARE(warnings_.size(), 1);
    QVERIFY(warnings_.first().contains("/nonexistent-directory/chart.pdf"));
  }

 private:
  bool Start(const QStringList& arguments) {
    app_ = std::make_unique<CCurvesmithApp>();
    app_->SetWarningSink([this](const QString& message) { warnings_.append(message); });
    return app_->InitInstance(arguments);
  }

  // A parameter file, written by the program itself, with the population
  // size set to `population`.
  QString SavedFileWithPopulation(const QString& population) {
    const QString path = dir_->filePath("params.txt");
    CCurvesmithApp writer;
    writer.SetWarningSink([this](const QString& message) { warnings_.append(message); });
    if (!writer.InitInstance({"curvesmith"})) return QString();
    writer.MainFrame()->View()->Field(res::kIdcPopulationSize)->setText(population);
    writer.MainFrame()->SaveDocumentAs(path);
    return path;
  }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<CCurvesmithApp> app_;
  QStringList warnings_;
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::ShellTest)
#include "shell_test.moc"
