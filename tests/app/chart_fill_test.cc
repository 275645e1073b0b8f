// The chart drawn at the size the window gives it: filling the window or the
// screen, smaller where a panel takes room, and the same picture at any size.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <tuple>

#include "app/chart_area_widget.h"
#include "app/command_actions.h"
#include "app/convergence_panel.h"
#include "app/export_commands.h"
#include "app/main_frame.h"
#include "chart/marker_box.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

namespace curvesmith {

// A main window whose replay clock moves only when the test says so and
// whose runs all take the same seed, without the convergence panel.
struct FillFixture {
  explicit FillFixture(bool fill = false)
      : state(std::make_unique<RunState>()), frame(document, *state) {
    frame.View()->ChartArea()->SetReplayClock(std::make_unique<ManualReplayClock>(clock));
    frame.View()->SetSeedSource([] { return 777u; });
    frame.findChild<ConvergencePanel*>()->hide();
    frame.OnFileNew();
    frame.Actions()->Action(res::kIdViewChartFillsWindow)->setChecked(fill);
    frame.show();
    ProcessPostedEvents();
  }

  void Run() {
    const std::pair<int, const char*> values[] = {{res::kIdcTargetCurve, "1"},
                                                  {res::kIdcPopulationSize, "30"},
                                                  {res::kIdcGenerations, "5"},
                                                  {res::kIdcCrossoverRate, "0.7"},
                                                  {res::kIdcMutationRate, "0.1"}};
    for (const auto& [id, text] : values) frame.View()->Field(id)->setText(text);
    frame.View()->OnRun();
    ProcessPostedEvents();
  }

  void Resize(QSize size) {
    frame.resize(size);
    ProcessPostedEvents();
  }

  ChartAreaWidget* Chart() const { return frame.View()->ChartArea(); }

  // Runs queued events until the window stops changing: the fit for a panel
  // is queued, and the layout it asks for comes after it. Waiting for an
  // expected scale instead would take a passing state on the way.
  void Settle() {
    const auto now = [this] {
      return std::tuple(frame.size(), frame.centralWidget()->size(), Chart()->ChartScale());
    };
    for (int round = 0; round < 10; ++round) {
      const auto before = now();
      ProcessPostedEvents();
      if (now() == before) return;
    }
  }

  CCurvesmithDoc document;
  std::unique_ptr<RunState> state;
  ManualReplayClock::Log clock;
  CMainFrame frame;
};

class ChartFillTest : public QObject {
  Q_OBJECT

 private slots:
  void FormShowsWholeInAnyRoom_data();
  void FormShowsWholeInAnyRoom();
  void DockedPanelMakesTheWindowGrowForTheForm();
  void RescaledChartShowsThePictureDrawnAtThatSize();
  void ExportsKeepTheDesignSize();
  void DiscTooltipFindsTheDiscAtAnyScale();
  void FullScreenShowsTheChartAndTheReplayBarOnly();
  void CopiedChartIsThePictureShown();
  void ChoicesAreKeptInTheSettings();

 private:
  TemporarySettings settings_;
};

void ChartFillTest::FormShowsWholeInAnyRoom_data() {
  QTest::addColumn<QSize>("window");
  QTest::addColumn<bool>("fill");
  QTest::addColumn<int>("panel");  // a dock area, or 0 for no panel
  QTest::newRow("1920x1080") << QSize(1920, 1080) << false << 0;
  QTest::newRow("1920x1080 filled") << QSize(1920, 1080) << true << 0;
  QTest::newRow("1366x768 filled") << QSize(1366, 768) << true << 0;
  QTest::newRow("1366x768 panel beside")
      << QSize(1366, 768) << false << int(Qt::RightDockWidgetArea);
  QTest::newRow("1366x768 panel below")
      << QSize(1366, 768) << false << int(Qt::BottomDockWidgetArea);
  QTest::newRow("1920x1080 panel below, filled")
      << QSize(1920, 1080) << true << int(Qt::BottomDockWidgetArea);
  QTest::newRow("1920x1080 panel beside")
      << QSize(1920, 1080) << false << int(Qt::RightDockWidgetArea);
}

// Every control lies inside the view and off the chart, the chart keeps its
// shape, and it takes the template's size whenever there is room for it
// (growing beyond only when it fills the window).
void ChartFillTest::FormShowsWholeInAnyRoom() {
  QFETCH(QSize, window);
  QFETCH(bool, fill);
  QFETCH(int, panel);
  FillFixture fixture(fill);
  ConvergencePanel* convergence = fixture.frame.findChild<ConvergencePanel*>();
  if (panel != 0) {
    convergence->setFloating(false);
    fixture.frame.addDockWidget(Qt::DockWidgetArea(panel), convergence);
    convergence->show();
  } else {
    convergence->hide();
  }
  fixture.Resize(window);
  const CCurvesmithView* view = fixture.frame.View();
  const QRect chart = fixture.Chart()->geometry();
  const QSize design = fixture.Chart()->DesignSize();
  QVERIFY(view->rect().contains(chart));
  for (QWidget* control : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control == fixture.Chart()) continue;
    QVERIFY2(view->rect().contains(control->geometry()), qPrintable(control->objectName()));
    QVERIFY2(!control->geometry().intersects(chart), qPrintable(control->objectName()));
  }
  QVERIFY(std::abs(chart.width() * design.height() - chart.height() * design.width()) <=
          design.width() + design.height());
  const bool room =
      view->width() >= view->FormSize().width() && view->height() >= view->FormSize().height();
  if (room && !fill) QCOMPARE(chart.size(), design);
  if (room && fill) QVERIFY(chart.width() >= design.width());
  if (!room) QVERIFY(chart.width() < design.width());
  if (fill) {
    // The form centred across or down, whichever way the window has room to
    // spare: its margins beside (or above and below) it are even. The chart
    // lies inside the form's three-pixel edge, at the template's top-left.
    const int edge = 3;
    const QSize beside = view->FormSize() - design - QSize(edge, edge);
    const int left = chart.left() - edge;
    const int right = view->width() - chart.right() - 1 - beside.width();
    const int top = chart.top() - edge;
    const int below = view->height() - chart.bottom() - 1 - beside.height();
    QVERIFY2(std::abs(left - right) <= 1 || std::abs(top - below) <= 1,
             qPrintable(QString("%1 %2 %3 %4").arg(left).arg(right).arg(top).arg(below)));
  }
}

// Shown docked beside the form, docked there again after floating, or
// moved there from another side, the panel makes the window grow where the
// screen has room, so that the chart keeps the template's size.
void ChartFillTest::DockedPanelMakesTheWindowGrowForTheForm() {
  FillFixture fixture;
  ConvergencePanel* convergence = fixture.frame.findChild<ConvergencePanel*>();
  const QSize screen = fixture.frame.screen()->availableSize();
  QVERIFY2(screen.width() >= 1800, "needs a screen with room beside the form");
  convergence->hide();
  fixture.frame.addDockWidget(Qt::RightDockWidgetArea, convergence);
  fixture.frame.OnFileNew();
  fixture.Settle();
  QCOMPARE(fixture.Chart()->ChartScale(), 1.0);

  fixture.frame.Actions()->Action(res::kIdViewConvergencePanel)->setChecked(true);
  QVERIFY(convergence->isVisible());
  fixture.Settle();
  QCOMPARE(fixture.Chart()->ChartScale(), 1.0);

  fixture.frame.addDockWidget(Qt::BottomDockWidgetArea, convergence);
  fixture.frame.OnFileNew();
  fixture.frame.addDockWidget(Qt::RightDockWidgetArea, convergence);
  fixture.Settle();
  QCOMPARE(fixture.Chart()->ChartScale(), 1.0);

  convergence->setFloating(true);
  fixture.frame.OnFileNew();
  convergence->setFloating(false);
  fixture.Settle();
  QCOMPARE(fixture.Chart()->ChartScale(), 1.0);
}

// Drawn again at another size in the middle of a replay, the chart shows what
// a chart of that size shows at that step, and the replay goes on from there
// as it would have.
void ChartFillTest::RescaledChartShowsThePictureDrawnAtThatSize() {
  for (int steps = 0; steps < 4; ++steps) {
    FillFixture rescaled(true);
    rescaled.Resize(QSize(1200, 800));
    rescaled.Run();
    FillFixture fitted(true);
    fitted.Resize(QSize(1920, 1080));
    fitted.Run();
    for (int step = 0; step < steps; ++step) {
      QVERIFY(Elapse(rescaled.clock));
      QVERIFY(Elapse(fitted.clock));
    }
    rescaled.Resize(QSize(1920, 1080));
    QCOMPARE(rescaled.Chart()->size(), fitted.Chart()->size());
    QVERIFY(rescaled.Chart()->ChartScale() > 1.5);
    QVERIFY2(rescaled.Chart()->Image() == fitted.Chart()->Image(),
             qPrintable(QString::number(steps)));
    QCOMPARE(rescaled.Chart()->MarkedGeneration(), fitted.Chart()->MarkedGeneration());
    while (Elapse(fitted.clock)) QVERIFY(Elapse(rescaled.clock));
    QVERIFY(!Elapse(rescaled.clock));
    QVERIFY(rescaled.Chart()->Image() == fitted.Chart()->Image());
  }
}

// A picture exported from a chart that fills the window is the picture of
// the chart at its design size.
void ChartFillTest::ExportsKeepTheDesignSize() {
  QTemporaryDir folder;
  FillFixture fixed;
  fixed.Run();
  QVERIFY(fixed.frame.findChild<ExportCommands*>()
              ->Export(res::kIdExportChartPng1x, folder.filePath("fixed.png"))
              .written);
  FillFixture filled(true);
  filled.Resize(QSize(1920, 1080));
  filled.Run();
  QVERIFY(filled.frame.findChild<ExportCommands*>()
              ->Export(res::kIdExportChartPng1x, folder.filePath("filled.png"))
              .written);
  const QImage exported(folder.filePath("filled.png"));
  QCOMPARE(exported.size(), filled.Chart()->DesignSize());
  QCOMPARE(exported, QImage(folder.filePath("fixed.png")));
}

void ChartFillTest::DiscTooltipFindsTheDiscAtAnyScale() {
  FillFixture fixture(true);
  fixture.Resize(QSize(1920, 1080));
  fixture.Run();
  ChartAreaWidget* chart = fixture.Chart();
  QCOMPARE(chart->MarkedGeneration(), std::optional<int>(0));
  const chart::MarkerBoxEdges box =
      chart::MarkerBox(fixture.state->PositionHistory[0][0], fixture.state->FitnessHistory[0][0]);
  const double per_logical = 130.0 / 220.0 * chart->ChartScale();
  const QPoint on_disc(static_cast<int>((box.left + box.right) / 2.0 * per_logical),
                       static_cast<int>((box.top + box.bottom) / 2.0 * per_logical));
  QHelpEvent hover(QEvent::ToolTip, on_disc, chart->mapToGlobal(on_disc));
  QApplication::sendEvent(chart, &hover);
  QVERIFY(QToolTip::isVisible());
  QVERIFY(QToolTip::text().contains(QString::fromUtf8("第 0 世代")));
  QToolTip::hideText();
}

void ChartFillTest::FullScreenShowsTheChartAndTheReplayBarOnly() {
  FillFixture fixture;
  fixture.frame.findChild<ConvergencePanel*>()->show();
  fixture.Run();
  CMainFrame& frame = fixture.frame;
  QAction* leave = frame.Actions()->Action(res::kIdViewLeaveFullScreen);
  QVERIFY(!leave->isEnabled());
  frame.Actions()->Action(res::kIdViewFullScreen)->trigger();
  ProcessPostedEvents();
  QVERIFY(frame.IsFullScreen());
  QVERIFY(frame.windowState() & Qt::WindowFullScreen);
  QVERIFY(!frame.menuBar()->isVisible());
  QVERIFY(!frame.statusBar()->isVisible());
  QVERIFY(!frame.findChild<QToolBar*>("ToolBar")->isVisible());
  QVERIFY(!frame.findChild<ConvergencePanel*>()->isVisible());
  QVERIFY(frame.findChild<QToolBar*>("ReplayToolBar")->isVisible());
  QVERIFY(!frame.View()->RunButton()->isVisible());
  QVERIFY(!frame.View()->Field(res::kIdcPopulationSize)->isVisible());
  // The chart as large as the view allows, centred.
  const QRect chart = fixture.Chart()->geometry();
  const QSize view = frame.View()->size();
  QVERIFY(chart.width() >= view.width() - 1 || chart.height() >= view.height() - 1);
  QVERIFY(std::abs(chart.left() - (view.width() - chart.right() - 1)) <= 1);

  QVERIFY(leave->isEnabled());
  leave->trigger();
  ProcessPostedEvents();
  QVERIFY(!frame.IsFullScreen());
  QVERIFY(!(frame.windowState() & Qt::WindowFullScreen));
  QVERIFY(frame.menuBar()->isVisible());
  QVERIFY(frame.statusBar()->isVisible());
  QVERIFY(frame.findChild<QToolBar*>("ToolBar")->isVisible());
  QVERIFY(frame.findChild<ConvergencePanel*>()->isVisible());
  QVERIFY(frame.View()->RunButton()->isVisible());
  QVERIFY(!leave->isEnabled());
  QVERIFY(!frame.Actions()->Action(res::kIdViewFullScreen)->isChecked());
}

void ChartFillTest::CopiedChartIsThePictureShown() {
  FillFixture fixture(true);
  fixture.Resize(QSize(1600, 900));
  fixture.Run();
  fixture.frame.Actions()->Action(res::kIdEditCopyChart)->trigger();
  const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  QVERIFY(copied.width() > fixture.Chart()->DesignSize().width());
  QVERIFY(copied == fixture.Chart()->Image());
}

void ChartFillTest::ChoicesAreKeptInTheSettings() {
  {
    FillFixture fixture;
    QVERIFY(!fixture.frame.View()->ChartFillsView());
    QVERIFY(!fixture.frame.Actions()->Action(res::kIdExportCaption)->isChecked());
    fixture.frame.Actions()->Action(res::kIdViewChartFillsWindow)->setChecked(true);
    fixture.frame.Actions()->Action(res::kIdExportCaption)->setChecked(true);
  }
  CCurvesmithDoc document;
  auto state = std::make_unique<RunState>();
  CMainFrame frame(document, *state);
  QVERIFY(frame.Actions()->Action(res::kIdViewChartFillsWindow)->isChecked());
  QVERIFY(frame.View()->ChartFillsView());
  QVERIFY(frame.Actions()->Action(res::kIdExportCaption)->isChecked());
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::ChartFillTest)
#include "chart_fill_test.moc"
