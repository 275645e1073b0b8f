#include <QAction>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <cstring>

#include "app/command_actions.h"
#include "app/main_frame.h"
#include "app/replay_player.h"
#include "app/replay_seek_controls.h"
#include "app/seed_dialog.h"
#include "engine/evolution.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

namespace curvesmith {
namespace {

// Commands that have nothing to act on before the first run.
constexpr int kRunCommands[] = {
    res::kIdReplayPause,   res::kIdReplayFirst, res::kIdReplayBack,
    res::kIdReplayForward, res::kIdReplayLast,  res::kIdRunSameSeed,
};

// A speed can be chosen before there is a run.
constexpr int kSpeedCommands[] = {res::kIdReplaySpeed1, res::kIdReplaySpeed2, res::kIdReplaySpeed5,
                                  res::kIdReplaySpeed20, res::kIdReplayNoWait};

QImage ImageOf(const QIcon& icon) {
  return icon.pixmap(QSize(16, 15)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage ToolBarImageNamed(const char* name) {
  return QImage(QString(":/curvesmith/toolbar/%1.png").arg(name))
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The main window with its own run state and a replay clock the test moves.
struct FrameFixture {
  FrameFixture() : state(std::make_unique<RunState>()) {
    frame = std::make_unique<CMainFrame>(document, *state);
    view().ChartArea()->SetReplayClock(std::make_unique<ManualReplayClock>(clock));
    view().SetSeedSource([] { return 12345u; });
    frame->show();
    frame->OnFileNew();
    ProcessPostedEvents();
  }
  CCurvesmithView& view() { return *frame->View(); }
  ReplayPlayer& player() { return view().Player(); }
  QAction* action(int command) { return frame->Actions()->Action(command); }
  void Type(int control_id, const QString& text) { view().Field(control_id)->setText(text); }
  void EnterRun(const QString& population, const QString& generations) {
    Type(res::kIdcTargetCurve, "2");
    Type(res::kIdcPopulationSize, population);
    Type(res::kIdcGenerations, generations);
    Type(res::kIdcCrossoverRate, "0.7");
    Type(res::kIdcMutationRate, "0.1");
  }

  CCurvesmithDoc document;
  std::unique_ptr<RunState> state;
  ManualReplayClock::Log clock;
  std::unique_ptr<CMainFrame> frame;
};

// The recorded run: every row and place the replay reads, and the counts.
bool SameRun(const RunState& a, const RunState& b) {
  if (a.Generation != b.Generation || a.PopulationSize != b.PopulationSize) return false;
  for (int g = 0; g <= a.Generation; ++g) {
    const auto places = static_cast<std::size_t>(a.PopulationSize) * sizeof(double);
    if (std::memcmp(a.PositionHistory[g], b.PositionHistory[g], places) != 0 ||
        std::memcmp(a.FitnessHistory[g], b.FitnessHistory[g], places) != 0 ||
        a.BestPositionByGeneration[g] != b.BestPositionByGeneration[g] ||
        a.BestFitnessByGeneration[g] != b.BestFitnessByGeneration[g]) {
      return false;
    }
  }
  return true;
}

}  // namespace

class ReplayCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void CommandsWaitForARun();
  void SliderAndLabelFollowThePlayer();
  void KeysTypedIntoAFieldEditItAndLeaveThePlayerAlone_data();
  void KeysTypedIntoAFieldEditItAndLeaveThePlayerAlone();
  void PlayerShortcutsWorkFromAField();
  void SeedRunsAsTheEngineDoesWithThatSeed_data();
  void SeedRunsAsTheEngineDoesWithThatSeed();
  void SeedDialogTakesOnlySeeds_data();
  void SeedDialogTakesOnlySeeds();
  void ReplayBarIsShownByDefaultAndKeepsItsState();
  void PauseCommandShowsWhatItWouldDo();
  void SpeedChosenBeforeARunIsKeptAndUsed();

 private:
  TemporarySettings settings_;
};

void ReplayCommandsTest::CommandsWaitForARun() {
  FrameFixture fixture;
  for (const int command : kRunCommands) QVERIFY(!fixture.action(command)->isEnabled());
  for (const int command : kSpeedCommands) QVERIFY(fixture.action(command)->isEnabled());
  QVERIFY(!fixture.frame->findChild<ReplaySeekControls*>()->isEnabled());
  QVERIFY(fixture.action(res::kIdRunWithSeed)->isEnabled());
  QVERIFY(!fixture.frame->findChild<QLabel*>("SeedPane")->isVisibleTo(fixture.frame.get()));
  // A command reached by other means does nothing without a run.
  fixture.player().Seek(3);
  QVERIFY(!fixture.view().ChartArea()->IsReplaying());

  fixture.EnterRun("10", "4");
  fixture.view().OnRun();
  ProcessPostedEvents();
  for (const int command : kRunCommands) QVERIFY(fixture.action(command)->isEnabled());
  QVERIFY(fixture.frame->findChild<ReplaySeekControls*>()->isEnabled());
  QCOMPARE(fixture.frame->findChild<QLabel*>("SeedPane")->text(), QString("ｼｰﾄﾞ 12345"));
  QVERIFY(fixture.frame->findChild<QLabel*>("SeedPane")->isVisibleTo(fixture.frame.get()));
}

void ReplayCommandsTest::SliderAndLabelFollowThePlayer() {
  FrameFixture fixture;
  fixture.EnterRun("10", "6");
  fixture.view().OnRun();
  ProcessPostedEvents();
  QSlider* slider = fixture.frame->findChild<ReplaySeekControls*>()->Slider();
  QLabel* label = fixture.frame->findChild<ReplaySeekControls*>()->Label();
  QCOMPARE(slider->maximum(), 6);
  QCOMPARE(label->text(), QString("0 / 6"));

  QVERIFY(Elapse(fixture.clock));
  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(slider->value(), 1);
  QCOMPARE(label->text(), QString("1 / 6"));

  slider->setValue(4);
  QCOMPARE(fixture.player().Position(), 4);
  QCOMPARE(label->text(), QString("4 / 6"));
  fixture.action(res::kIdReplayLast)->trigger();
  QCOMPARE(slider->value(), 6);
  QCOMPARE(fixture.state->ReplayPending, 0);
  fixture.action(res::kIdReplayBack)->trigger();
  QCOMPARE(label->text(), QString("5 / 6"));
}

void ReplayCommandsTest::KeysTypedIntoAFieldEditItAndLeaveThePlayerAlone_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("text_after");
  QTest::addColumn<int>("cursor_after");
  // The field holds "12" with the cursor after "1".
  QTest::newRow("space") << int(Qt::Key_Space) << "1 2" << 2;
  QTest::newRow("digit") << int(Qt::Key_5) << "152" << 2;
  QTest::newRow("letter") << int(Qt::Key_P) << "1p2" << 2;
  QTest::newRow("left") << int(Qt::Key_Left) << "12" << 0;
  QTest::newRow("right") << int(Qt::Key_Right) << "12" << 2;
  QTest::newRow("home") << int(Qt::Key_Home) << "12" << 0;
  QTest::newRow("end") << int(Qt::Key_End) << "12" << 2;
  QTest::newRow("backspace") << int(Qt::Key_Backspace) << "2" << 0;
}

void ReplayCommandsTest::KeysTypedIntoAFieldEditItAndLeaveThePlayerAlone() {
  QFETCH(int, key);
  QFETCH(QString, text_after);
  QFETCH(int, cursor_after);
  FrameFixture fixture;
  QVERIFY(QTest::qWaitForWindowActive(fixture.frame.get()));
  fixture.EnterRun("10", "6");
  fixture.view().OnRun();
  ProcessPostedEvents();
  fixture.player().SetPaused(true);
  fixture.player().Seek(3);
  const QImage picture = fixture.view().ChartArea()->Image();

  QLineEdit* field = fixture.view().Field(res::kIdcAuxParameter);
  field->setFocus();
  field->setText("12");
  field->setCursorPosition(1);
  QTest::keyClick(field, Qt::Key(key));
  QCOMPARE(field->text(), text_after);
  QCOMPARE(field->cursorPosition(), cursor_after);
  QCOMPARE(fixture.player().Position(), 3);
  QVERIFY(fixture.player().IsPaused());
  QCOMPARE(fixture.view().ChartArea()->Image(), picture);
}

void ReplayCommandsTest::PlayerShortcutsWorkFromAField() {
  FrameFixture fixture;
  QVERIFY(QTest::qWaitForWindowActive(fixture.frame.get()));
  fixture.EnterRun("10", "6");
  fixture.view().OnRun();
  ProcessPostedEvents();
  QLineEdit* field = fixture.view().Field(res::kIdcAuxParameter);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_F5);
  QVERIFY(fixture.player().IsPaused());
  QTest::keyClick(field, Qt::Key_F8);
  QTest::keyClick(field, Qt::Key_F8);
  QCOMPARE(fixture.player().Position(), 2);
  QTest::keyClick(field, Qt::Key_F8, Qt::ControlModifier);
  QCOMPARE(fixture.player().Position(), 6);
  QTest::keyClick(field, Qt::Key_4, Qt::ControlModifier);
  QCOMPARE(fixture.player().Speed(), ReplaySpeed::kTwentyTimes);
  QVERIFY(fixture.action(res::kIdReplaySpeed20)->isChecked());
}

void ReplayCommandsTest::SeedRunsAsTheEngineDoesWithThatSeed_data() {
  QTest::addColumn<uint>("seed");
  for (const uint seed : {0u, 1u, 12345u, 4294967295u}) QTest::addRow("%u", seed) << seed;
}

void ReplayCommandsTest::SeedRunsAsTheEngineDoesWithThatSeed() {
  QFETCH(uint, seed);
  FrameFixture fixture;
  fixture.EnterRun("30", "20");
  fixture.view().OnRunWithSeed(seed);
  QCOMPARE(fixture.view().LastSeed(), std::optional<std::uint32_t>(seed));
  QCOMPARE(fixture.frame->findChild<QLabel*>("SeedPane")->text(), QString("ｼｰﾄﾞ %1").arg(seed));
  // What `curvesmith-cli run --seed` computes for the same values.
  auto expected = std::make_unique<RunState>();
  RunEvolution(*expected, fixture.view().Values(), seed);
  QVERIFY(SameRun(*fixture.state, *expected));

  // Run again with the same seed, after a run with another one.
  fixture.view().OnRun();
  QVERIFY(seed == 12345u || !SameRun(*fixture.state, *expected));
  fixture.view().OnRunWithSeed(seed);
  fixture.action(res::kIdRunSameSeed)->trigger();
  QVERIFY(SameRun(*fixture.state, *expected));
}

void ReplayCommandsTest::SeedDialogTakesOnlySeeds_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("taken");
  QTest::addColumn<uint>("seed");
  QTest::newRow("zero") << "0" << true << 0u;
  QTest::newRow("largest") << "4294967295" << true << 4294967295u;
  QTest::newRow("blanks around") << " 42 " << true << 42u;
  QTest::newRow("too large") << "4294967296" << false << 0u;
  QTest::newRow("negative") << "-1" << false << 0u;
  QTest::newRow("plus sign") << "+5" << false << 0u;
  QTest::newRow("fraction") << "1.5" << false << 0u;
  QTest::newRow("empty") << "" << false << 0u;
  QTest::newRow("words") << "seed" << false << 0u;
}

void ReplayCommandsTest::SeedDialogTakesOnlySeeds() {
  QFETCH(QString, text);
  QFETCH(bool, taken);
  QFETCH(uint, seed);
  SeedDialog dialog(std::nullopt);
  dialog.show();
  dialog.Field()->setText(text);
  dialog.accept();
  QCOMPARE(dialog.result() == QDialog::Accepted, taken);
  QCOMPARE(dialog.isVisible(), !taken);
  QCOMPARE(dialog.Message()->isVisible(), !taken);
  if (taken) {
    QCOMPARE(dialog.Seed(), seed);
  } else {
    QCOMPARE(dialog.Message()->text(),
             QString("ｼｰﾄﾞには 0 から 4294967295 までの整数を入力してください。"));
  }
}

void ReplayCommandsTest::ReplayBarIsShownByDefaultAndKeepsItsState() {
  {
    FrameFixture fixture;
    QToolBar* bar = fixture.frame->findChild<QToolBar*>("ReplayToolBar");
    QVERIFY(bar->isVisible());
    QVERIFY(bar->isMovable() && bar->isFloatable());
    QVERIFY(fixture.action(res::kIdViewReplayBar)->isChecked());
    QVERIFY(bar->actions().contains(fixture.action(res::kIdReplayPause)));
    fixture.action(res::kIdViewReplayBar)->trigger();
    QVERIFY(bar->isHidden());
  }
  {
    FrameFixture fixture;
    QVERIFY(fixture.frame->findChild<QToolBar*>("ReplayToolBar")->isHidden());
    QVERIFY(!fixture.action(res::kIdViewReplayBar)->isChecked());
    fixture.action(res::kIdViewReplayBar)->trigger();
    fixture.frame->addToolBar(Qt::BottomToolBarArea,
                              fixture.frame->findChild<QToolBar*>("ReplayToolBar"));
  }
  FrameFixture fixture;
  QVERIFY(fixture.frame->findChild<QToolBar*>("ReplayToolBar")->isVisible());
  QCOMPARE(fixture.frame->toolBarArea(fixture.frame->findChild<QToolBar*>("ReplayToolBar")),
           Qt::BottomToolBarArea);
}

// The item's text, its button's image and its tool-tip say what the command
// does now: play while paused or finished, pause while playing.
void ReplayCommandsTest::PauseCommandShowsWhatItWouldDo() {
  FrameFixture fixture;
  QAction* command = fixture.action(res::kIdReplayPause);
  const auto shows = [&](const QString& what, const char* image) {
    return command->text() == what + "(&P)\tF5" && command->toolTip() == what &&
           ImageOf(command->icon()) == ToolBarImageNamed(image);
  };
  QVERIFY(shows("▶ 再生", "play"));
  QVERIFY(!command->isCheckable());

  fixture.EnterRun("10", "3");
  fixture.view().OnRun();
  ProcessPostedEvents();
  QVERIFY(shows("‖ 一時停止", "pause"));
  QCOMPARE(command->statusTip(), QString("再生を一時停止"));
  command->trigger();
  QVERIFY(fixture.player().IsPaused());
  QVERIFY(shows("▶ 再生", "play"));
  command->trigger();
  QVERIFY(shows("‖ 一時停止", "pause"));
  while (Elapse(fixture.clock)) {
  }
  QVERIFY(shows("▶ 再生", "play"));
  command->trigger();
  QCOMPARE(fixture.player().Position(), 0);
  QVERIFY(shows("‖ 一時停止", "pause"));

  // Step forward is not drawn as play.
  QVERIFY(ImageOf(fixture.action(res::kIdReplayForward)->icon()) != ToolBarImageNamed("play"));
}

void ReplayCommandsTest::SpeedChosenBeforeARunIsKeptAndUsed() {
  {
    FrameFixture fixture;
    fixture.action(res::kIdReplaySpeed1)->trigger();
    fixture.action(res::kIdReplaySpeed20)->trigger();
    fixture.EnterRun("10", "3");
    fixture.view().OnRun();
    ProcessPostedEvents();
    QCOMPARE(fixture.clock.pauses.front(), std::chrono::milliseconds(30));
  }
  FrameFixture fixture;
  QVERIFY(fixture.action(res::kIdReplaySpeed20)->isChecked());
  QCOMPARE(fixture.player().Speed(), ReplaySpeed::kTwentyTimes);
  fixture.EnterRun("10", "3");
  fixture.view().OnRun();
  ProcessPostedEvents();
  QCOMPARE(fixture.clock.pauses.front(), std::chrono::milliseconds(30));
  fixture.action(res::kIdReplaySpeed1)->trigger();
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::ReplayCommandsTest)
#include "replay_commands_test.moc"
