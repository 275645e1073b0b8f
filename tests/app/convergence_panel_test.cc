#include "app/convergence_panel.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QHelpEvent>
#include <QMainWindow>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <array>
#include <memory>
#include <optional>

#include "app/chart_area_widget.h"
#include "app/command_actions.h"
#include "app/convergence_plot.h"
#include "app/disc_tooltip.h"
#include "app/main_frame.h"
#include "app/recent_files.h"
#include "app/replay_player.h"
#include "chart/fitted_curve.h"
#include "chart/marker_box.h"
#include "engine/genome_scoring.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

namespace curvesmith {

// A main window whose replay clock moves only when the test says so and
// whose runs all take the same seed.
struct FrameFixture {
  FrameFixture() : state(std::make_unique<RunState>()), frame(document, *state) {
    frame.View()->ChartArea()->SetReplayClock(std::make_unique<ManualReplayClock>(clock));
    frame.View()->SetSeedSource([] { return 12345u; });
    frame.OnFileNew();
    frame.show();
    ProcessPostedEvents();
  }

  void Run(const char* population, const char* generations) {
    const std::pair<int, const char*> values[] = {{res::kIdcTargetCurve, "1"},
                                                  {res::kIdcPopulationSize, population},
                                                  {res::kIdcGenerations, generations},
                                                  {res::kIdcCrossoverRate, "0.7"},
                                                  {res::kIdcMutationRate, "0.1"}};
    for (const auto& [id, text] : values) frame.View()->Field(id)->setText(text);
    frame.View()->OnRun();
    ProcessPostedEvents();
  }

  CCurvesmithDoc document;
  std::unique_ptr<RunState> state;
  ManualReplayClock::Log clock;
  CMainFrame frame;
};

class ConvergencePanelTest : public QObject {
  Q_OBJECT

 private slots:
  void ViewMenuItemTogglesADockablePanel();
  void PlacementIsKeptInTheSettings();
  void DamagedOrForeignLayoutGivesTheDefault_data();
  void DamagedOrForeignLayoutGivesTheDefault();
  void EarlierPlacesAreTakenOnceThenTheLayoutReplacesThem();
  void DefaultPlacementLeavesTheFormWhole_data();
  void DefaultPlacementLeavesTheFormWhole();
  void CursorFollowsTheReplayStepByStep();
  void PressingAndDraggingInThePlotMovesTheReplay();
  void HoverTellsTheGenerationsFigures();
  void DiscTooltipDescribesTheDiscsUnderThePointer();
  void HoveringADiscOnTheChartShowsItsTooltip();
  void TrueMaximumIsTheRunsOwnCurves();

 private:
  TemporarySettings settings_;
};

void ConvergencePanelTest::ViewMenuItemTogglesADockablePanel() {
  FrameFixture fixture;
  ConvergencePanel* panel = fixture.frame.findChild<ConvergencePanel*>();
  QAction* toggle = fixture.frame.Actions()->Action(res::kIdViewConvergencePanel);
  QVERIFY(toggle->isCheckable());
  QCOMPARE(panel->windowTitle(), QString::fromUtf8("収束ｸﾞﾗﾌ"));
  QCOMPARE(panel->allowedAreas(), Qt::AllDockWidgetAreas);
  QVERIFY(panel->features() & QDockWidget::DockWidgetFloatable);

  toggle->setChecked(true);
  QVERIFY(panel->isVisible());
  toggle->setChecked(false);
  QVERIFY(panel->isHidden());
  toggle->setChecked(true);
  panel->close();
  QVERIFY(!toggle->isChecked());
}

void ConvergencePanelTest::PlacementIsKeptInTheSettings() {
  {
    FrameFixture fixture;
    fixture.frame.Actions()->Action(res::kIdViewConvergencePanel)->setChecked(true);
    fixture.frame.addDockWidget(Qt::LeftDockWidgetArea,
                                fixture.frame.findChild<ConvergencePanel*>());
    fixture.frame.close();
  }
  {
    FrameFixture fixture;
    QVERIFY(!fixture.frame.findChild<ConvergencePanel*>()->isHidden());
    QVERIFY(fixture.frame.Actions()->Action(res::kIdViewConvergencePanel)->isChecked());
    QCOMPARE(fixture.frame.dockWidgetArea(fixture.frame.findChild<ConvergencePanel*>()),
             Qt::LeftDockWidgetArea);
    fixture.frame.Actions()->Action(res::kIdViewConvergencePanel)->setChecked(false);
    fixture.frame.close();
  }
  FrameFixture fixture;
  QVERIFY(fixture.frame.findChild<ConvergencePanel*>()->isHidden());
  QVERIFY(!fixture.frame.Actions()->Action(res::kIdViewConvergencePanel)->isChecked());
}

// Where the bars and the panel stand, and whether they show.
struct Layout {
  explicit Layout(const CMainFrame& frame)
      : tool_bar(frame.toolBarArea(frame.findChild<QToolBar*>("ToolBar"))),
        replay_bar(frame.toolBarArea(frame.findChild<QToolBar*>("ReplayToolBar"))),
        panel(frame.dockWidgetArea(frame.findChild<ConvergencePanel*>())),
        shown{!frame.findChild<QToolBar*>("ToolBar")->isHidden(),
              !frame.findChild<QToolBar*>("ReplayToolBar")->isHidden(),
              !frame.findChild<ConvergencePanel*>()->isHidden(),
              frame.findChild<ConvergencePanel*>()->isFloating()} {}
  bool operator==(const Layout&) const = default;

  Qt::ToolBarArea tool_bar;
  Qt::ToolBarArea replay_bar;
  Qt::DockWidgetArea panel;
  std::array<bool, 4> shown;  // tool bar, replay bar, panel; panel floating
};

constexpr char kLayoutKey[] = "MainWindow/State";

// A kept layout that cannot be taken, damaged or another program's, gives
// the layout of a first start, never a half-restored one.
void ConvergencePanelTest::DamagedOrForeignLayoutGivesTheDefault_data() {
  QTest::addColumn<int>("kind");
  QTest::newRow("cut short") << 0;
  QTest::newRow("damaged after its header") << 1;
  QTest::newRow("another layout version") << 2;
  QTest::newRow("not a layout") << 3;
  QTest::newRow("another window's") << 4;
}

void ConvergencePanelTest::DamagedOrForeignLayoutGivesTheDefault() {
  QFETCH(int, kind);
  QSettings().remove(kLayoutKey);
  const Layout by_default = Layout(FrameFixture().frame);
  {
    FrameFixture fixture;
    fixture.frame.addToolBar(Qt::LeftToolBarArea,
                             fixture.frame.findChild<QToolBar*>("ReplayToolBar"));
    fixture.frame.findChild<QToolBar*>("ToolBar")->hide();
    fixture.frame.addDockWidget(Qt::BottomDockWidgetArea,
                                fixture.frame.findChild<ConvergencePanel*>());
    fixture.frame.findChild<ConvergencePanel*>()->show();
    QVERIFY(Layout(fixture.frame) != by_default);
    fixture.frame.close();
  }
  QByteArray state = QSettings().value(kLayoutKey).toByteArray();
  QVERIFY(state.size() > 16);
  switch (kind) {
    case 0:
      state.truncate(state.size() / 2);
      break;
    case 1:
      for (qsizetype i = 8; i < state.size(); ++i) state[i] = char(state[i] ^ 0x5A);
      break;
    case 2:
      state[7] = char(state[7] + 1);
      break;
    case 3:
      state = "Curvesmith parameters 1";
      break;
    case 4: {
      QMainWindow other;
      auto* bar = new QToolBar(&other);
      bar->setObjectName("ToolBar");
      other.addToolBar(Qt::RightToolBarArea, bar);
      bar->hide();
      state = other.saveState(0);
      break;
    }
  }
  QSettings().setValue(kLayoutKey, state);
  FrameFixture fixture;
  QVERIFY(Layout(fixture.frame) == by_default);
  QCOMPARE(fixture.frame.Actions()->Action(res::kIdViewToolBar)->isChecked(), true);
}

// The places kept by earlier versions (the replay bar's and the panel's)
// are taken at the first start, then the saved layout replaces them.
void ConvergencePanelTest::EarlierPlacesAreTakenOnceThenTheLayoutReplacesThem() {
  QSettings().remove(kLayoutKey);
  const std::pair<const char*, QVariant> earlier[] = {
      {"ReplayToolBar/Visible", false},
      {"ReplayToolBar/Area", int(Qt::BottomToolBarArea)},
      {"ConvergencePanel/Visible", true},
      {"ConvergencePanel/Area", int(Qt::LeftDockWidgetArea)},
      {"ConvergencePanel/Floating", false}};
  // The panel kept its place under the program's settings names.
  const auto settings_of = [](const char* key) {
    return QByteArray(key).startsWith("ConvergencePanel")
               ? std::make_unique<QSettings>(kSettingsOrganisation, kSettingsApplication)
               : std::make_unique<QSettings>();
  };
  for (const auto& [key, value] : earlier) settings_of(key)->setValue(key, value);
  std::optional<Layout> taken;
  {
    FrameFixture fixture;
    taken = Layout(fixture.frame);
    QCOMPARE(taken->replay_bar, Qt::BottomToolBarArea);
    QCOMPARE(taken->panel, Qt::LeftDockWidgetArea);
    QCOMPARE(taken->shown, (std::array<bool, 4>{true, false, true, false}));
    QVERIFY(!fixture.frame.Actions()->Action(res::kIdViewReplayBar)->isChecked());
    QVERIFY(fixture.frame.Actions()->Action(res::kIdViewConvergencePanel)->isChecked());
    fixture.frame.close();
  }
  for (const auto& [key, value] : earlier) QVERIFY2(!settings_of(key)->contains(key), key);
  FrameFixture fixture;
  QVERIFY(Layout(fixture.frame) == *taken);
}

void ConvergencePanelTest::DefaultPlacementLeavesTheFormWhole_data() {
  QTest::addColumn<QSize>("screen");
  QTest::addColumn<int>("area");
  QTest::newRow("room beside") << QSize(1920, 1040) << int(Qt::RightDockWidgetArea);
  QTest::newRow("room below only") << QSize(1280, 1200) << int(Qt::BottomDockWidgetArea);
  QTest::newRow("no room") << QSize(1366, 740) << 0;
  QTest::newRow("form alone does not fit") << QSize(1024, 1400) << 0;
}

void ConvergencePanelTest::DefaultPlacementLeavesTheFormWhole() {
  QFETCH(QSize, screen);
  QFETCH(int, area);
  const auto placed =
      DefaultPanelArea(QSize(1100, 700), QSize(500, 400), QRect(QPoint(0, 0), screen));
  QCOMPARE(placed ? int(*placed) : 0, area);
}

void ConvergencePanelTest::CursorFollowsTheReplayStepByStep() {
  FrameFixture fixture;
  fixture.Run("20", "3");
  ConvergencePlot* plot = fixture.frame.findChild<ConvergencePanel*>()->Plot();
  QCOMPARE(plot->Statistics().generations.size(), std::size_t{4});
  QCOMPARE(plot->Statistics().population_size, 20);
  const std::optional<int> expected[] = {0, 0, 1, 1, 2, 2, 3};
  QCOMPARE(plot->Cursor(), expected[0]);
  for (std::size_t step = 1; step < std::size(expected); ++step) {
    QVERIFY(Elapse(fixture.clock));
    QCOMPARE(plot->Cursor(), expected[step]);
  }
  QVERIFY(!fixture.frame.View()->ChartArea()->IsReplaying());
}

void ConvergencePanelTest::PressingAndDraggingInThePlotMovesTheReplay() {
  FrameFixture fixture;
  fixture.frame.Actions()->Action(res::kIdViewConvergencePanel)->setChecked(true);
  fixture.Run("20", "8");
  ConvergencePlot* plot = fixture.frame.findChild<ConvergencePanel*>()->Plot();
  plot->resize(600, 400);
  const QRect area = LayOutConvergencePlot(plot->size(), plot->fontMetrics().height()).front();
  const auto x_of = [&](int generation) { return area.left() + area.width() * generation / 8; };
  const int y = area.center().y();
  QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(x_of(6), y));
  QCOMPARE(fixture.frame.View()->Player().Position(), 6);
  QCOMPARE(plot->Cursor(), std::optional<int>(6));
  QMouseEvent drag(QEvent::MouseMove, QPointF(x_of(3), y), plot->mapToGlobal(QPointF(x_of(3), y)),
                   Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(plot, &drag);
  QCOMPARE(fixture.frame.View()->Player().Position(), 3);
  QCOMPARE(plot->Cursor(), std::optional<int>(3));
}

void ConvergencePanelTest::HoverTellsTheGenerationsFigures() {
  RunStatistics statistics;
  statistics.population_size = 4;
  statistics.generations = {{10.5, 10.5, 6.25, 2.0, 3, 0.5}, {12.0, 11.0, 7.5, 3.0, 2, 0.75}};
  QCOMPARE(ConvergenceHoverText(statistics, 1),
           QString::fromUtf8("第 1 世代\nこれまでの最良: 12.000000\n世代の最良: 11.000000\n"
                             "平均: 7.500000\n最悪: 3.000000\n異なる遺伝子型: 2\n"
                             "最良遺伝子型の割合: 75.0 %"));
  // Beyond the last generation the last one is meant.
  QCOMPARE(ConvergenceHoverText(statistics, 7), ConvergenceHoverText(statistics, 1));
}

// A generation of four: genome 517 (genes 0, 2 and 9) twice, 3 and 1000.
std::unique_ptr<RunState> KnownGeneration() {
  auto state = std::make_unique<RunState>();
  state->PopulationSize = 4;
  state->Generation = 2;
  const int genomes[] = {3, 517, 1000, 517};
  const double fitness[] = {35.5, 80.25, 50.0, 80.25};
  for (int i = 0; i < 4; ++i) {
    state->PositionHistory[2][i] = genomes[i] * GeneScale;
    state->FitnessHistory[2][i] = fitness[i];
  }
  return state;
}

void ConvergencePanelTest::DiscTooltipDescribesTheDiscsUnderThePointer() {
  const auto state = KnownGeneration();
  // The centre of the discs of genome 517: x 10.09765625, fitness 80.25.
  const chart::MarkerBoxEdges box = chart::MarkerBox(517 * GeneScale, 80.25);
  const QPointF centre((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0);
  const std::vector<int> places = PlacesUnder(*state, 2, centre, 0.0);
  QCOMPARE(places, (std::vector<int>{1, 3}));
  // Under Gray coding the genomes at x 10.09765625 hold the code of 517,
  // 775: the genes that the run's scoring takes to that position.
  const std::pair<EncodingKind, const char*> encodings[] = {
      {EncodingKind::kBinary, "1 0 1 0 0 0 0 0 0 1"}, {EncodingKind::kGray, "1 1 1 0 0 0 0 0 1 1"}};
  for (const auto& [encoding, genes] : encodings) {
    QCOMPARE(DiscTooltipText(*state, 2, places, encoding),
             QString::fromUtf8("第 2 世代 ﾏｳｽの下の個体: 2\n\n遺伝子 (遺伝子 0 から 9 の順): ") +
                 genes +
                 QString::fromUtf8("\n位置 x: 10.09765625\n適応度: 80.250000\n"
                                   "同じ遺伝子型の個体: 2 / 4\n"
                                   "遺伝子型の順位: 1 位 (異なる遺伝子型 3 個中)"));
    int value = 0;
    for (int j = 0; j < kGeneCount; ++j) value |= (genes[2 * j] - '0') << j;
    const GenomeScoring scoring(1.0, encoding, nullptr);
    QCOMPARE(scoring.PositionOf(value), 517 * GeneScale);
  }
  QVERIFY(PlacesUnder(*state, 2, centre + QPointF(30, 0), 0.0).empty());
  QVERIFY(DiscTooltipText(*state, 2, {}).isEmpty());

  // On a formula's fitted axis (-50 to 350) the discs stand elsewhere.
  const chart::FittedCurve fitted{.axis = chart::FittedAxis(-50.0, 349.2), .trace = {}};
  const chart::MarkerBoxEdges fitted_box =
      chart::MarkerBox(517 * GeneScale, fitted.axis.FrameFitness(80.25));
  const QPointF fitted_centre((fitted_box.left + fitted_box.right) / 2.0,
                              (fitted_box.top + fitted_box.bottom) / 2.0);
  QCOMPARE(PlacesUnder(*state, 2, fitted_centre, 0.0, &fitted), (std::vector<int>{1, 3}));
  QVERIFY(PlacesUnder(*state, 2, centre, 0.0, &fitted).empty());
}

// The true maximum is that of the curve the run was scored on: a formula's
// table when it had one.
void ConvergencePanelTest::TrueMaximumIsTheRunsOwnCurves() {
  FrameFixture fixture;
  fixture.Run("20", "3");
  ConvergencePanel* panel = fixture.frame.findChild<ConvergencePanel*>();
  QVERIFY(panel->Plot()->Statistics().maximum);
  CurveTable falling;
  for (int n = 0; n < kGenomeValues; ++n) falling[static_cast<std::size_t>(n)] = 500.0 - n;
  panel->ShowRun(*fixture.state, &falling);
  const auto maximum = panel->Plot()->Statistics().maximum;
  QVERIFY(maximum);
  QCOMPARE(maximum->x, 0.0);
  QCOMPARE(maximum->fitness, 500.0);
}

// The pointer's pixel is taken to the chart's logical units the way the
// chart maps them, whatever the widget's size and the screen's density.
void ConvergencePanelTest::HoveringADiscOnTheChartShowsItsTooltip() {
  FrameFixture fixture;
  fixture.Run("1", "0");
  ChartAreaWidget* chart = fixture.frame.View()->ChartArea();
  QCOMPARE(chart->MarkedGeneration(), std::optional<int>(0));
  const chart::MarkerBoxEdges box =
      chart::MarkerBox(fixture.state->PositionHistory[0][0], fixture.state->FitnessHistory[0][0]);
  const double per_logical = 130.0 / 220.0 * chart->ChartScale();
  const QPoint on_disc(static_cast<int>((box.left + box.right) / 2.0 * per_logical),
                       static_cast<int>((box.top + box.bottom) / 2.0 * per_logical));
  QHelpEvent hover(QEvent::ToolTip, on_disc, chart->mapToGlobal(on_disc));
  QApplication::sendEvent(chart, &hover);
  QVERIFY(QToolTip::isVisible());
  QVERIFY(QToolTip::text().contains(QString::fromUtf8("同じ遺伝子型の個体: 1 / 1")));

  QHelpEvent away(QEvent::ToolTip, QPoint(3, 3), chart->mapToGlobal(QPoint(3, 3)));
  QApplication::sendEvent(chart, &away);
  QTRY_VERIFY(!QToolTip::isVisible());
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::ConvergencePanelTest)
#include "convergence_panel_test.moc"
