#include "app/export_commands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <utility>

#include "app/chart_area_widget.h"
#include "app/command_actions.h"
#include "app/main_frame.h"
#include "app/status_indicators.h"
#include "chart/qt/chart_caption.h"
#include "res/language.h"
#include "res/qt/chart_caption_text.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

namespace curvesmith {

constexpr int kAllExports[] = {res::kIdExportChartPng1x, res::kIdExportChartPng2x,
                               res::kIdExportChartPng4x, res::kIdExportHistoryCsv,
                               res::kIdExportBestCsv,    res::kIdExportJson,
                               res::kIdExportGif1x,      res::kIdExportGif2x,
                               res::kIdExportGif5x,      res::kIdExportGif20x};

struct ExportFixture {
  ExportFixture() : state(std::make_unique<RunState>()), frame(document, *state) {
    frame.View()->ChartArea()->SetReplayClock(std::make_unique<ManualReplayClock>(clock));
    frame.View()->SetSeedSource([] { return 4242u; });
    frame.SetWarningSink([this](const QString& message) { warnings << message; });
    frame.OnFileNew();
    frame.show();
    ProcessPostedEvents();
  }

  // Curve 2, 30 individuals, 6 generations, as `curvesmith-cli run` gets
  // them from kCliRunOptions.
  void Run() {
    const std::pair<int, const char*> values[] = {{res::kIdcTargetCurve, "2"},
                                                  {res::kIdcPopulationSize, "30"},
                                                  {res::kIdcGenerations, "6"},
                                                  {res::kIdcCrossoverRate, "0.7"},
                                                  {res::kIdcMutationRate, "0.1"}};
    for (const auto& [id, text] : values) frame.View()->Field(id)->setText(text);
    frame.View()->OnRun();
    ProcessPostedEvents();
  }

  QString PathOf(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

  CCurvesmithDoc document;
  std::unique_ptr<RunState> state;
  ManualReplayClock::Log clock;
  CMainFrame frame;
  QStringList warnings;
  QTemporaryDir folder;
};

constexpr char kCliRunOptions[] =
    "--curve 2 --population 30 --generations 6 --crossover 0.7 --mutation 0.1 --seed 4242";

QByteArray CliOutput(const QString& format) {
  QProcess cli;
  cli.start(QString::fromUtf8(CURVESMITH_CLI_PATH),
            QStringList{"run", "--output", format} + QString::fromUtf8(kCliRunOptions).split(' '));
  cli.waitForFinished();
  return cli.readAllStandardOutput();
}

// Writes `curvesmith-cli render` of the same run with `options` added; true
// when it succeeded.
bool CliRender(const QStringList& options) {
  QProcess cli;
  cli.start(QString::fromUtf8(CURVESMITH_CLI_PATH),
            QStringList{"render"} + QString::fromUtf8(kCliRunOptions).split(' ') + options);
  return cli.waitForFinished() && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
}

// Whether the pictures agree wherever both have chart: the exported picture
// also has the control's edge, 8 pixels wide at scale 1, where the chart
// draws nothing, and either picture may be larger than the other.
bool SameChart(const QImage& exported, const QImage& rendered, int scale) {
  const int edge = 8 * scale;
  const QImage a = exported.convertToFormat(QImage::Format_RGB32);
  const QImage b = rendered.convertToFormat(QImage::Format_RGB32);
  const int width = std::min(a.width() - edge, b.width());
  const int height = std::min(a.height() - edge, b.height());
  for (int y = edge; y < height; ++y) {
    for (int x = edge; x < width; ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
    }
  }
  return width > edge && height > edge;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void ExportsWaitForARun();
  void ReportsAreTheCommandLinesByteForByte_data();
  void ReportsAreTheCommandLinesByteForByte();
  void ChartPictureIsWhatTheChartShows();
  void ChartPictureAtEachScaleIsTheCommandLines_data();
  void ChartPictureAtEachScaleIsTheCommandLines();
  void ReplayGifAtEachSpeedIsTheCommandLinesByteForByte_data();
  void ReplayGifAtEachSpeedIsTheCommandLinesByteForByte();
  void CaptionedPicturesMatchTheCommandLine_data();
  void CaptionedPicturesMatchTheCommandLine();
  void FailedExportLeavesNothingAndSaysWhy_data();
  void FailedExportLeavesNothingAndSaysWhy();
  void UnwritableDestinationIsRefusedBeforeAnyWork_data();
  void UnwritableDestinationIsRefusedBeforeAnyWork();
  void StatusBarReportsOnlyTheLastExport();
  void DialogsStartInTheFolderLastUsedForTheFormat();
  void CancelledExportLeavesTheEarlierFile_data();
  void CancelledExportLeavesTheEarlierFile();
  void WindowIgnoresInputDuringAnExport();
  void ClosingTheWindowCancelsTheExport();

 private:
  TemporarySettings settings_;
};

void ExportCommandsTest::ExportsWaitForARun() {
  ExportFixture fixture;
  for (const int command : kAllExports) {
    QVERIFY(!fixture.frame.Actions()->Action(command)->isEnabled());
  }
  fixture.Run();
  for (const int command : kAllExports) {
    QVERIFY(fixture.frame.Actions()->Action(command)->isEnabled());
  }
}

void ExportCommandsTest::ReportsAreTheCommandLinesByteForByte_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("format");
  QTest::newRow("history") << res::kIdExportHistoryCsv << "history";
  QTest::newRow("best") << res::kIdExportBestCsv << "best";
  QTest::newRow("json") << res::kIdExportJson << "json";
}

void ExportCommandsTest::ReportsAreTheCommandLinesByteForByte() {
  QFETCH(int, command);
  QFETCH(QString, format);
  ExportFixture fixture;
  fixture.Run();
  const QString path = fixture.PathOf("report");
  QVERIFY(fixture.frame.findChild<ExportCommands*>()->Export(command, path).written);
  const QByteArray expected = CliOutput(format);
  QVERIFY(!expected.isEmpty());
  QCOMPARE(Contents(path), expected);
}

// Drawn afresh at any scale, the chart is the paint run as far as the screen
// shows it: at one to one, the very picture on screen (in a window with room
// for the form at its designed size).
void ExportCommandsTest::ChartPictureIsWhatTheChartShows() {
  ExportFixture fixture;
  fixture.frame.resize(2000, 1200);
  fixture.Run();
  ChartAreaWidget* chart = fixture.frame.View()->ChartArea();
  for (int step = 0; step < 5; ++step) {
    QCOMPARE(chart->Render(1, nullptr).value(), chart->Image());
    QVERIFY(Elapse(fixture.clock));
  }
  const QString path = fixture.PathOf("chart.png");
  QVERIFY(
      fixture.frame.findChild<ExportCommands*>()->Export(res::kIdExportChartPng1x, path).written);
  QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), chart->Image());
  QVERIFY(
      fixture.frame.findChild<ExportCommands*>()->Export(res::kIdExportChartPng4x, path).written);
  QCOMPARE(QImage(path).size(), chart->size() * 4);
}

void ExportCommandsTest::ChartPictureAtEachScaleIsTheCommandLines_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("scale");
  QTest::addColumn<QString>("language");
  QTest::newRow("1x") << res::kIdExportChartPng1x << 1 << "ja";
  QTest::newRow("2x") << res::kIdExportChartPng2x << 2 << "ja";
  QTest::newRow("4x") << res::kIdExportChartPng4x << 4 << "ja";
  QTest::newRow("1x English") << res::kIdExportChartPng1x << 1 << "en";
  QTest::newRow("2x English") << res::kIdExportChartPng2x << 2 << "en";
}

// The final picture of the replay, as `render --frame final --scale K
// --language L` draws it, captions in the window's language included.
void ExportCommandsTest::ChartPictureAtEachScaleIsTheCommandLines() {
  QFETCH(int, command);
  QFETCH(int, scale);
  QFETCH(QString, language);
  res::SetInterfaceLanguage(*res::LanguageOfCode(language.toStdString()));
  const auto japanese_again =
      qScopeGuard([] { res::SetInterfaceLanguage(res::Language::kJapanese); });
  ExportFixture fixture;
  fixture.Run();
  while (Elapse(fixture.clock)) {
  }
  const QString exported = fixture.PathOf("exported.png");
  QVERIFY(fixture.frame.findChild<ExportCommands*>()->Export(command, exported).written);
  const QString rendered = fixture.PathOf("rendered.png");
  QVERIFY(CliRender({"--frame", "final", "--scale", QString::number(scale), "--language", language,
                     "--out", rendered}));
  QCOMPARE(QImage(exported).size(), fixture.frame.View()->ChartArea()->DesignSize() * scale);
  QVERIFY(SameChart(QImage(exported), QImage(rendered), scale));
}

void ExportCommandsTest::ReplayGifAtEachSpeedIsTheCommandLinesByteForByte_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("speed");
  QTest::newRow("x1") << res::kIdExportGif1x << 1;
  QTest::newRow("x2") << res::kIdExportGif2x << 2;
  QTest::newRow("x5") << res::kIdExportGif5x << 5;
  QTest::newRow("x20") << res::kIdExportGif20x << 20;
}

void ExportCommandsTest::ReplayGifAtEachSpeedIsTheCommandLinesByteForByte() {
  QFETCH(int, command);
  QFETCH(int, speed);
  ExportFixture fixture;
  fixture.Run();
  const QString exported = fixture.PathOf("exported.gif");
  QVERIFY(fixture.frame.findChild<ExportCommands*>()->Export(command, exported).written);
  const QString rendered = fixture.PathOf("rendered.gif");
  QVERIFY(CliRender({"--gif", rendered, "--speed", QString::number(speed)}));
  const QByteArray expected = Contents(rendered);
  QVERIFY(expected.startsWith("GIF89a"));
  QCOMPARE(Contents(exported), expected);
}

void ExportCommandsTest::CaptionedPicturesMatchTheCommandLine_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<QStringList>("options");
  QTest::newRow("GIF") << res::kIdExportGif20x << QStringList{"--speed", "20", "--gif"};
  QTest::newRow("PNG") << res::kIdExportChartPng1x << QStringList{"--out"};
  QTest::newRow("PNG 2x") << res::kIdExportChartPng2x << QStringList{"--scale", "2", "--out"};
}

// With the caption item checked, a picture carries one line with the run's
// settings and seed. The GIF is the command line's byte for byte; a PNG,
// which shows the chart area as it stands, ends in the command line's
// caption line. Every picture (the GIF's first here) shows the caption.
void ExportCommandsTest::CaptionedPicturesMatchTheCommandLine() {
  QFETCH(int, command);
  QFETCH(QStringList, options);
  ExportFixture fixture;
  fixture.frame.Actions()->Action(res::kIdExportCaption)->setChecked(true);
  fixture.Run();
  QCOMPARE(ChartCaptionText(*fixture.state, 4242),
           QString::fromUtf8("目標曲線 2    母集団サイズ 30    最大世代数 6    交叉率 0.7    "
                             "突然変異率 0.1    ｼｰﾄﾞ 4242"));
  // A run made with other operators names them.
  QVERIFY(
      ChartCaptionText(*fixture.state, 4242,
                       Algorithm{.selection = SelectionKind::kRank, .elitism = 2})
          .endsWith(QString::fromUtf8(
              "ｼｰﾄﾞ 4242    選択 rank  交叉 one-point  突然変異 genes  ｴﾘｰﾄ 2  遺伝子 binary")));
  while (Elapse(fixture.clock)) {
  }
  const QString exported = fixture.PathOf("exported");
  const QString rendered = fixture.PathOf("rendered");
  QVERIFY(fixture.frame.findChild<ExportCommands*>()->Export(command, exported).written);
  QVERIFY(CliRender(QStringList{"--caption"} + options + QStringList{rendered}));
  if (command == res::kIdExportGif20x) QCOMPARE(Contents(exported), Contents(rendered));
  const QImage picture = QImage(exported).convertToFormat(QImage::Format_RGB32);
  const QImage expected = QImage(rendered).convertToFormat(QImage::Format_RGB32);
  const int scale = command == res::kIdExportChartPng2x ? 2 : 1;
  const QSize chart = fixture.frame.View()->ChartArea()->DesignSize() * scale;
  QCOMPARE(picture.size(), chart + QSize(0, chart::kCaptionHeight * scale));
  QCOMPARE(expected.size(), picture.size());
  const QRect caption(0, chart.height(), chart.width(), chart::kCaptionHeight * scale);
  QVERIFY(picture.copy(caption) == expected.copy(caption));
  QVERIFY(picture.copy(caption) ==
          chart::CaptionStrip(ChartCaptionText(*fixture.state, 4242), chart.width(), scale));
  QImage blank(caption.size(), QImage::Format_RGB32);
  blank.fill(Qt::white);
  QVERIFY(picture.copy(caption) != blank);
}

void ExportCommandsTest::FailedExportLeavesNothingAndSaysWhy_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("name");
  QTest::newRow("no such folder, CSV") << res::kIdExportHistoryCsv << "missing/history.csv";
  QTest::newRow("no such folder, GIF") << res::kIdExportGif20x << "missing/replay.gif";
  QTest::newRow("a folder in the way, PNG") << res::kIdExportChartPng2x << "in-the-way";
  QTest::newRow("a folder in the way, JSON") << res::kIdExportJson << "in-the-way";
}

void ExportCommandsTest::FailedExportLeavesNothingAndSaysWhy() {
  QFETCH(int, command);
  QFETCH(QString, name);
  ExportFixture fixture;
  fixture.Run();
  QDir folder(fixture.folder.path());
  QVERIFY(folder.mkdir("in-the-way"));
  const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  const QString path = folder.filePath(name);
  const ExportCommands::Result result =
      fixture.frame.findChild<ExportCommands*>()->Export(command, path);
  QVERIFY(!result.written);
  QVERIFY(result.problem.contains(QDir::toNativeSeparators(path)));
  QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
  QVERIFY(QDir(folder.filePath("in-the-way")).isEmpty());
}

// Counts the widgets (a progress dialog) that work opens in the window.
class WidgetsOpened : public QObject {
 public:
  explicit WidgetsOpened(QObject* window) : window_(window) { window_->installEventFilter(this); }
  ~WidgetsOpened() override { window_->removeEventFilter(this); }
  int count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::ChildAdded &&
        static_cast<QChildEvent*>(event)->child()->isWidgetType()) {
      ++count_;
    }
    return false;
  }

 private:
  QObject* window_;
  int count_ = 0;
};

// A destination that cannot be written is refused before a picture is made
// (a long GIF took its whole encoding to fail); the message names the file
// and says an earlier file was kept only when there was one.
void ExportCommandsTest::UnwritableDestinationIsRefusedBeforeAnyWork_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("written");
  QTest::addColumn<bool>("something_there");
  QTest::newRow("writable, GIF") << res::kIdExportGif20x << "replay.gif" << true << false;
  QTest::newRow("no such folder, GIF")
      << res::kIdExportGif1x << "missing/replay.gif" << false << false;
  QTest::newRow("a file for a folder, GIF")
      << res::kIdExportGif2x << "plain.txt/replay.gif" << false << false;
  QTest::newRow("a folder in the way, GIF") << res::kIdExportGif5x << "in-the-way" << false << true;
  QTest::newRow("no such folder, PNG 4x")
      << res::kIdExportChartPng4x << "missing/chart.png" << false << false;
  QTest::newRow("a device in the way, PNG 2x")
      << res::kIdExportChartPng2x << "/dev/null" << false << true;
}

void ExportCommandsTest::UnwritableDestinationIsRefusedBeforeAnyWork() {
  QFETCH(int, command);
  QFETCH(QString, name);
  QFETCH(bool, written);
  QFETCH(bool, something_there);
  ExportFixture fixture;
  fixture.Run();
  QDir folder(fixture.folder.path());
  QVERIFY(folder.mkdir("in-the-way"));
  QFile plain(folder.filePath("plain.txt"));
  QVERIFY(plain.open(QIODevice::WriteOnly));
  plain.close();
  const QString path = QDir::isAbsolutePath(name) ? name : folder.filePath(name);

  const WidgetsOpened opened(&fixture.frame);
  const ExportCommands::Result result =
      fixture.frame.findChild<ExportCommands*>()->Export(command, path);
  QCOMPARE(result.written, written);
  // Only work that was started opens its progress dialog.
  QCOMPARE(opened.count(), written ? 1 : 0);
  if (written) return;
  QVERIFY2(result.problem.contains(QDir::toNativeSeparators(path)), qPrintable(result.problem));
  QCOMPARE(result.problem.contains("既にあるﾌｧｲﾙは変更していません"), something_there);
}

QString MessagePaneText(const ExportFixture& fixture) {
  return fixture.frame.findChild<StatusIndicators*>()->MessagePane()->text();
}

// A cancelled or failed export does not leave the report of an earlier one,
// which would say a file was written when this one was not.
void ExportCommandsTest::StatusBarReportsOnlyTheLastExport() {
  ExportFixture fixture;
  fixture.Run();
  QString chosen = fixture.PathOf("best.csv");
  fixture.frame.findChild<ExportCommands*>()->SetFileChooser(
      [&](const QString&, const QString&) { return chosen; });
  QAction* export_best = fixture.frame.Actions()->Action(res::kIdExportBestCsv);

  export_best->trigger();
  QVERIFY(MessagePaneText(fixture).contains("書き出しました"));
  QVERIFY(MessagePaneText(fixture).contains(chosen));
  chosen.clear();  // the file dialog cancelled
  export_best->trigger();
  QVERIFY(!MessagePaneText(fixture).contains("書き出しました"));

  export_best->trigger();
  chosen = fixture.PathOf("missing/best.csv");
  export_best->trigger();
  QVERIFY(!MessagePaneText(fixture).contains("書き出しました"));
  QCOMPARE(fixture.warnings.size(), 1);
}

// Each format's dialog starts where a file of that format was last chosen,
// in this session or an earlier one.
void ExportCommandsTest::DialogsStartInTheFolderLastUsedForTheFormat() {
  QTemporaryDir pictures;
  QStringList suggested;
  QString chosen;
  const auto export_with = [&](ExportFixture& fixture, int command) {
    fixture.frame.findChild<ExportCommands*>()->SetFileChooser(
        [&](const QString& name, const QString&) {
          suggested << name;
          return chosen;
        });
    fixture.frame.Actions()->Action(command)->trigger();
  };
  {
    ExportFixture fixture;
    fixture.Run();
    export_with(fixture, res::kIdExportChartPng1x);
    chosen = QDir(pictures.path()).filePath("first.png");
    export_with(fixture, res::kIdExportChartPng2x);
    chosen.clear();
    export_with(fixture, res::kIdExportChartPng4x);
    export_with(fixture, res::kIdExportJson);
  }
  ExportFixture restarted;
  restarted.Run();
  export_with(restarted, res::kIdExportChartPng1x);
  const QString in_pictures = QDir(pictures.path()).filePath("curvesmith@4x.png");
  QCOMPARE(suggested,
           (QStringList{"curvesmith.png", "curvesmith@2x.png", in_pictures, "curvesmith.json",
                        QDir(pictures.path()).filePath("curvesmith.png")}));
}

// Calls `act` with the export's progress dialog and the progress it shows,
// from within each report of the work: the hook a person's
// press on the dialog or the window has while the work goes on. The dialog
// is shown at the first report, as after half a second of work.
void WhileExporting(ExportFixture& fixture,
                    std::function<void(QProgressDialog*, int done, int total)> act) {
  QTimer::singleShot(0, &fixture.frame, [&fixture, act = std::move(act)] {
    auto* dialog = fixture.frame.findChild<QProgressDialog*>();
    QVERIFY(dialog != nullptr);
    dialog->show();
    QProgressBar* bar = dialog->findChild<QProgressBar*>();
    QObject::connect(bar, &QProgressBar::valueChanged, dialog,
                     [dialog, bar, act](int done) { act(dialog, done, bar->maximum()); });
  });
}

// The file that was there before an export, and the folder around it.
struct EarlierFile {
  explicit EarlierFile(const QString& name) : path(name) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(kBytes);
    folder = QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  }
  // Nothing half-written, no temporary file left, the earlier file intact.
  bool Intact() const {
    return Contents(path) == kBytes &&
           QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot) == folder;
  }

  static constexpr char kBytes[] = "an earlier file";
  QString path;
  QStringList folder;
};

// Cancel, pressed at the first report of the work or at the very last (as
// the work ends), cancels it: the earlier file stays and nothing is said to
// be written, never a file reported as written that is not there.
void ExportCommandsTest::CancelledExportLeavesTheEarlierFile_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<bool>("at_the_end");
  QTest::newRow("GIF, at once") << res::kIdExportGif20x << false;
  QTest::newRow("GIF, as it ends") << res::kIdExportGif20x << true;
  QTest::newRow("PNG 4x, at once") << res::kIdExportChartPng4x << false;
  QTest::newRow("PNG 4x, as it ends") << res::kIdExportChartPng4x << true;
}

void ExportCommandsTest::CancelledExportLeavesTheEarlierFile() {
  QFETCH(int, command);
  QFETCH(bool, at_the_end);
  ExportFixture fixture;
  fixture.Run();
  const EarlierFile earlier(fixture.PathOf("earlier"));
  fixture.frame.findChild<ExportCommands*>()->SetFileChooser(
      [&](const QString&, const QString&) { return earlier.path; });
  bool pressed = false;
  WhileExporting(fixture, [&](QProgressDialog* dialog, int done, int total) {
    if (pressed || (at_the_end && done < total)) return;
    pressed = true;
    QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
  });
  fixture.frame.Actions()->Action(command)->trigger();
  QVERIFY(pressed);
  QVERIFY(earlier.Intact());
  QVERIFY(!MessagePaneText(fixture).contains("書き出しました"));
  QVERIFY(fixture.warnings.isEmpty());
  QVERIFY(fixture.frame.findChild<QProgressDialog*>() == nullptr);
  // The next export, not cancelled, is written.
  QVERIFY(fixture.frame.findChild<ExportCommands*>()->Export(command, earlier.path).written);
  QVERIFY(!earlier.Intact());
}

// While an export works, the window takes no click and no command's key:
// no run and no other export starts under it.
void ExportCommandsTest::WindowIgnoresInputDuringAnExport() {
  ExportFixture fixture;
  fixture.Run();
  fixture.frame.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&fixture.frame));
  int chosen = 0;
  fixture.frame.findChild<ExportCommands*>()->SetFileChooser([&](const QString&, const QString&) {
    ++chosen;
    return fixture.PathOf("replay.gif");
  });
  const QSignalSpy runs(fixture.frame.View(), &CCurvesmithView::RunStarted);
  auto* run = fixture.frame.View()->findChild<QPushButton*>(QString::number(res::kIdcRun));
  QVERIFY(run != nullptr);
  bool tried = false;
  WhileExporting(fixture, [&](QProgressDialog*, int, int) {
    if (std::exchange(tried, true)) return;
    // As when the window is clicked: its commands' keys are live again.
    fixture.frame.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &fixture.frame);
    QTest::mouseClick(run, Qt::LeftButton);
    QTest::keyClick(&fixture.frame, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&fixture.frame, Qt::Key_F12);
  });
  fixture.frame.Actions()->Action(res::kIdExportGif20x)->trigger();
  QVERIFY(tried);
  QCOMPARE(runs.count(), 0);
  QCOMPARE(chosen, 1);
  QVERIFY(MessagePaneText(fixture).contains("書き出しました"));
  // Afterwards the window takes them again.
  fixture.frame.activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == &fixture.frame);
  QTest::keyClick(&fixture.frame, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::mouseClick(run, Qt::LeftButton);
  QCOMPARE(runs.count(), 2);
}

// Closing the window during an export (as the window manager's close
// button asks) closes it at once: the export is cancelled, the earlier file
// stays, and the work stops at its next report.
void ExportCommandsTest::ClosingTheWindowCancelsTheExport() {
  ExportFixture fixture;
  fixture.Run();
  const EarlierFile earlier(fixture.PathOf("replay.gif"));
  int reports_after_close = -1;
  WhileExporting(fixture, [&](QProgressDialog* dialog, int, int) {
    if (reports_after_close >= 0) {
      ++reports_after_close;
    } else if (dialog->isVisible()) {
      reports_after_close = 0;
      // The window manager's close request is dropped for a window under a
      // modal one (a close from code is not).
      QVERIFY(QApplication::activeModalWidget() == nullptr);
      // It comes as an event, seen between two reports.
      QTimer::singleShot(0, &fixture.frame,
                         [&fixture] { QVERIFY(fixture.frame.windowHandle()->close()); });
    }
  });
  const ExportCommands::Result result =
      fixture.frame.findChild<ExportCommands*>()->Export(res::kIdExportGif1x, earlier.path);
  QVERIFY(!result.written);
  QVERIFY(result.problem.isEmpty());
  QVERIFY(earlier.Intact());
  QVERIFY(!fixture.frame.isVisible());
  QCOMPARE(reports_after_close, 0);
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::ExportCommandsTest)
#include "export_commands_test.moc"
