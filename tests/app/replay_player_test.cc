#include "app/replay_player.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <chrono>
#include <map>

#include "chart/marker_box.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

namespace curvesmith {
namespace {

using std::chrono::milliseconds;

constexpr int kGenerations = 6;

void EnterRun(ViewFixture& fixture) {
  fixture.Type(res::kIdcTargetCurve, "1");
  fixture.Type(res::kIdcPopulationSize, "20");
  fixture.Type(res::kIdcGenerations, QString::number(kGenerations));
  fixture.Type(res::kIdcCrossoverRate, "0.7");
  fixture.Type(res::kIdcMutationRate, "0.1");
}

// The pictures the uninterrupted replay shows, by generation: each frame's
// during its first pause, then the final frame.
std::map<int, QImage> PlayedPictures() {
  ViewFixture fixture;
  EnterRun(fixture);
  fixture.Run();
  std::map<int, QImage> pictures;
  int generation = 0;
  do {
    if (fixture.clock.pauses.back() == milliseconds(600)) pictures[generation++] = fixture.Chart();
  } while (Elapse(fixture.clock));
  pictures[generation] = fixture.Chart();
  return pictures;
}

// Whether the pictures agree wherever both have chart: the chart area's
// image also has the control's edge, a few pixels wide, where the chart
// draws nothing, and either image may be larger than the other.
bool SameChart(const QImage& chart_area, const QImage& rendered) {
  constexpr int kEdge = 8;
  const int width = std::min(chart_area.width() - kEdge, rendered.width());
  const int height = std::min(chart_area.height() - kEdge, rendered.height());
  for (int y = kEdge; y < height; ++y) {
    for (int x = kEdge; x < width; ++x) {
      if (chart_area.pixel(x, y) != rendered.pixel(x, y)) return false;
    }
  }
  return width > kEdge && height > kEdge;
}

// The picture `curvesmith-cli render --frame` draws of a run of kGenerations
// generations with the given curve and population (seed 12345, as the
// fixture's runs).
QImage RenderedFrame(const QString& curve, const QString& population, const QString& frame) {
  const QTemporaryDir folder;
  const QString file = folder.filePath("frame.png");
  QProcess cli;
  cli.start(CURVESMITH_CLI_PATH,
            {"render", "--curve", curve, "--population", population, "--generations",
             QString::number(kGenerations), "--crossover", "0.7", "--mutation", "0.1", "--seed",
             "12345", "--frame", frame, "--out", file});
  if (!cli.waitForFinished() || cli.exitCode() != 0) return {};
  return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// A fixture whose run's replay has begun (generation 0, first pause).
struct PlayerFixture : ViewFixture {
  PlayerFixture() {
    EnterRun(*this);
    Run();
  }
  ReplayPlayer& player() { return view->Player(); }
};

}  // namespace

class ReplayPlayerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { played_ = PlayedPictures(); }

  void SeekShowsTheReplaysPictureAndKeepsPlayingOrPaused_data();
  void SeekShowsTheReplaysPictureAndKeepsPlayingOrPaused();
  void PauseKeepsThePictureAndResumeGoesOn();
  void StepsMoveOneGenerationAndStopAtTheEnds_data();
  void StepsMoveOneGenerationAndStopAtTheEnds();
  void SpeedSetsTheLengthOfThePauses_data();
  void SpeedSetsTheLengthOfThePauses();
  void RenderedFrameIsThePlayersPicture_data();
  void RenderedFrameIsThePlayersPicture();
  void SeekAfterANewRunShowsTheNewRunsPicture();
  void RunDuringAPausedReplayPlaysTheNewRun();
  void PlayAtTheFinalFrameStartsAgainFromGenerationZero_data();
  void PlayAtTheFinalFrameStartsAgainFromGenerationZero();
  void LongReplaysKeepTheirPace();
  void ReplayThatFellBehindGoesOnFromNow();
  void DiscTooltipFollowsThePicture();

 private:
  TemporarySettings settings_;
  std::map<int, QImage> played_;
};

void ReplayPlayerTest::SeekShowsTheReplaysPictureAndKeepsPlayingOrPaused_data() {
  QTest::addColumn<bool>("paused");
  QTest::addColumn<int>("generation");
  for (const bool paused : {false, true}) {
    for (const int generation : {0, 3, kGenerations - 1, kGenerations}) {
      QTest::addRow("%s to %d", paused ? "paused" : "playing", generation) << paused << generation;
    }
  }
}

void ReplayPlayerTest::SeekShowsTheReplaysPictureAndKeepsPlayingOrPaused() {
  QFETCH(bool, paused);
  QFETCH(int, generation);
  PlayerFixture fixture;
  QVERIFY(Elapse(fixture.clock));
  fixture.player().SetPaused(paused);
  QSignalSpy moves(&fixture.player(), &ReplayPlayer::PositionChanged);

  fixture.player().Seek(generation);
  QCOMPARE(fixture.Chart(), played_.at(generation));
  QCOMPARE(fixture.player().Position(), generation);
  QCOMPARE(moves.size(), generation == 0 ? 0 : 1);
  QCOMPARE(fixture.player().IsPaused(), paused);
  QCOMPARE(fixture.state->ReplayPending, generation == kGenerations ? 0 : 1);
  if (generation == kGenerations) return;

  // Playing goes on from the sought picture; paused stays there.
  QCOMPARE(Elapse(fixture.clock), !paused);
  QCOMPARE(Elapse(fixture.clock), !paused);
  QCOMPARE(fixture.player().Position(), paused ? generation : generation + 1);
  QCOMPARE(fixture.Chart(), played_.at(fixture.player().Position()));
}

void ReplayPlayerTest::PauseKeepsThePictureAndResumeGoesOn() {
  PlayerFixture fixture;
  QVERIFY(Elapse(fixture.clock));
  const QImage repaired = fixture.Chart();
  fixture.player().SetPaused(true);
  QVERIFY(!Elapse(fixture.clock));
  ProcessPostedEvents();
  QCOMPARE(fixture.Chart(), repaired);

  fixture.player().SetPaused(false);
  QCOMPARE(fixture.clock.pauses.back(), milliseconds(500));
  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.player().Position(), 1);
  QCOMPARE(fixture.Chart(), played_.at(1));
}

void ReplayPlayerTest::StepsMoveOneGenerationAndStopAtTheEnds_data() {
  QTest::addColumn<int>("from");
  QTest::addColumn<bool>("forward");
  QTest::addColumn<int>("to");
  QTest::newRow("back from the first") << 0 << false << 0;
  QTest::newRow("back from the first, discs erased") << -1 << false << 0;
  QTest::newRow("forward from the first") << 0 << true << 1;
  QTest::newRow("back from the middle") << 3 << false << 2;
  QTest::newRow("forward to the final frame") << kGenerations - 1 << true << kGenerations;
  QTest::newRow("back from the final frame") << kGenerations << false << kGenerations - 1;
  QTest::newRow("forward from the final frame") << kGenerations << true << kGenerations;
}

void ReplayPlayerTest::StepsMoveOneGenerationAndStopAtTheEnds() {
  QFETCH(int, from);
  QFETCH(bool, forward);
  QFETCH(int, to);
  PlayerFixture fixture;
  // From -1: generation 0 after its discs were erased, a picture no seek
  // shows, which a step back must leave as it is.
  if (from < 0) QVERIFY(Elapse(fixture.clock));
  fixture.player().SetPaused(true);
  if (from >= 0) fixture.player().Seek(from);
  const QImage before = fixture.Chart();
  if (forward) {
    fixture.player().StepForward();
  } else {
    fixture.player().StepBack();
  }
  QCOMPARE(fixture.player().Position(), to);
  QCOMPARE(fixture.Chart(), from < 0 ? before : played_.at(to));
  QVERIFY(fixture.player().IsPaused());
}

void ReplayPlayerTest::SpeedSetsTheLengthOfThePauses_data() {
  QTest::addColumn<ReplaySpeed>("speed");
  QTest::addColumn<int>("markers");
  QTest::addColumn<int>("readouts");
  QTest::newRow("x1") << ReplaySpeed::kNormal << 600 << 500;
  QTest::newRow("x2") << ReplaySpeed::kDouble << 300 << 250;
  QTest::newRow("x5") << ReplaySpeed::kFiveTimes << 120 << 100;
  QTest::newRow("x20") << ReplaySpeed::kTwentyTimes << 30 << 25;
  QTest::newRow("no wait") << ReplaySpeed::kNoWait << 0 << 0;
}

void ReplayPlayerTest::SpeedSetsTheLengthOfThePauses() {
  QFETCH(ReplaySpeed, speed);
  QFETCH(int, markers);
  QFETCH(int, readouts);
  PlayerFixture fixture;
  fixture.player().SetSpeed(speed == ReplaySpeed::kNormal ? ReplaySpeed::kDouble
                                                          : ReplaySpeed::kNormal);
  fixture.clock.drawing_time = milliseconds(10);
  QVERIFY(Elapse(fixture.clock));
  fixture.player().SetSpeed(speed);
  // The pause under way starts again at the new length.
  QCOMPARE(fixture.clock.pauses.back(), milliseconds(readouts));
  QVERIFY(Elapse(fixture.clock));
  // The next picture is due that long after this one was due: the time its
  // step took to draw is not added.
  QCOMPARE(fixture.clock.pauses.back(),
           std::max(milliseconds(markers) - milliseconds(10), milliseconds(0)));
  while (Elapse(fixture.clock)) {
  }
  QCOMPARE(fixture.Chart(), played_.at(kGenerations));
}

void ReplayPlayerTest::RenderedFrameIsThePlayersPicture_data() {
  QTest::addColumn<QString>("frame");
  QTest::addColumn<int>("generation");
  QTest::newRow("first") << "0" << 0;
  QTest::newRow("middle") << "3" << 3;
  QTest::newRow("final") << "final" << kGenerations;
}

void ReplayPlayerTest::RenderedFrameIsThePlayersPicture() {
  QFETCH(QString, frame);
  QFETCH(int, generation);
  PlayerFixture fixture;
  fixture.player().SetPaused(true);
  fixture.player().Seek(generation);
  QVERIFY(SameChart(fixture.Chart(), RenderedFrame("1", "20", frame)));
}

// What earlier frames erase is the new run's, not the one replayed before.
void ReplayPlayerTest::SeekAfterANewRunShowsTheNewRunsPicture() {
  PlayerFixture fixture;
  fixture.player().SetPaused(true);
  fixture.player().Seek(4);
  fixture.Type(res::kIdcTargetCurve, "2");
  fixture.Type(res::kIdcPopulationSize, "10");
  fixture.Run();
  fixture.player().SetPaused(true);
  fixture.player().Seek(4);
  QVERIFY(SameChart(fixture.Chart(), RenderedFrame("2", "10", "4")));
}

void ReplayPlayerTest::RunDuringAPausedReplayPlaysTheNewRun() {
  PlayerFixture fixture;
  fixture.player().SetPaused(true);
  fixture.player().Seek(4);
  QSignalSpy replaced(&fixture.player(), &ReplayPlayer::RunReplaced);
  fixture.Run();
  QCOMPARE(replaced.size(), 1);
  QVERIFY(!fixture.player().IsPaused());
  QCOMPARE(fixture.player().Position(), 0);
  QCOMPARE(fixture.Chart(), played_.at(0));
  int steps = 0;
  while (Elapse(fixture.clock)) ++steps;
  QCOMPARE(steps, 2 * kGenerations);
  QCOMPARE(fixture.player().Position(), kGenerations);
}

void ReplayPlayerTest::PlayAtTheFinalFrameStartsAgainFromGenerationZero_data() {
  QTest::addColumn<bool>("paused");
  QTest::newRow("played to the end") << false;
  QTest::newRow("paused, sought to the end") << true;
}

// As a media player does at the end; anywhere else play goes on from the
// picture shown.
void ReplayPlayerTest::PlayAtTheFinalFrameStartsAgainFromGenerationZero() {
  QFETCH(bool, paused);
  PlayerFixture fixture;
  QSignalSpy playing(&fixture.player(), &ReplayPlayer::PlayingChanged);
  QVERIFY(fixture.player().IsPlaying());
  if (paused) {
    fixture.player().PlayOrPause();
    QVERIFY(fixture.player().IsPaused());
    fixture.player().SeekLast();
  } else {
    while (Elapse(fixture.clock)) {
    }
  }
  QCOMPARE(fixture.player().Position(), kGenerations);
  QVERIFY(!fixture.player().IsPlaying());
  QCOMPARE(playing.size(), 1);

  fixture.player().PlayOrPause();
  QCOMPARE(fixture.player().Position(), 0);
  QCOMPARE(fixture.Chart(), played_.at(0));
  QVERIFY(fixture.player().IsPlaying());
  QCOMPARE(playing.size(), 2);
  QVERIFY(Elapse(fixture.clock));
  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.Chart(), played_.at(1));

  fixture.player().PlayOrPause();
  QVERIFY(!fixture.player().IsPlaying());
  QVERIFY(!Elapse(fixture.clock));
  fixture.player().PlayOrPause();
  QCOMPARE(fixture.player().Position(), 1);
  QVERIFY(Elapse(fixture.clock));
  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.Chart(), played_.at(2));
}

// Each picture is due a fixed time after the previous one was due, however
// long the steps take to draw (here 20 ms, within their pauses): a x20 replay
// of 999 generations takes its nominal 999 x (30 + 25) ms = 54.945 s, not
// 2 x 20 ms more for every generation.
void ReplayPlayerTest::LongReplaysKeepTheirPace() {
  ViewFixture fixture;
  fixture.Type(res::kIdcTargetCurve, "1");
  fixture.Type(res::kIdcPopulationSize, "1");
  fixture.Type(res::kIdcGenerations, "999");
  fixture.view->Player().SetSpeed(ReplaySpeed::kTwentyTimes);
  fixture.clock.drawing_time = milliseconds(20);
  fixture.Run();
  const milliseconds start = fixture.clock.now;
  int steps = 0;
  while (Elapse(fixture.clock)) ++steps;
  QCOMPARE(steps, 2 * 999);
  const milliseconds nominal = 999 * (milliseconds(30) + milliseconds(25));
  const milliseconds took = fixture.clock.now - start;
  QVERIFY2(took >= nominal && took <= nominal + nominal / 20,
           qPrintable(QString("%1 ms for %2 ms").arg(took.count()).arg(nominal.count())));
}

// Steps that took far longer than their pauses (a busy machine) are not made
// up for by racing through the pictures that follow.
void ReplayPlayerTest::ReplayThatFellBehindGoesOnFromNow() {
  PlayerFixture fixture;
  fixture.player().SetSpeed(ReplaySpeed::kTwentyTimes);
  fixture.clock.drawing_time = milliseconds(200);
  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.clock.pauses.back(), milliseconds(0));
  QVERIFY(Elapse(fixture.clock));
  fixture.clock.drawing_time = milliseconds(0);
  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.clock.pauses.back(), milliseconds(25));
  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.clock.pauses.back(), milliseconds(30));
}

// With the pointer on a disc, the tool-tip describes the discs of the
// picture on the chart, whichever way the picture changes, and goes when
// the picture has no discs.
void ReplayPlayerTest::DiscTooltipFollowsThePicture() {
  ViewFixture fixture;
  // One individual that never changes: its disc stays where it is.
  fixture.Type(res::kIdcTargetCurve, "1");
  fixture.Type(res::kIdcPopulationSize, "1");
  fixture.Type(res::kIdcGenerations, QString::number(kGenerations));
  fixture.Type(res::kIdcCrossoverRate, "0");
  fixture.Type(res::kIdcMutationRate, "0");
  fixture.Run();
  ChartAreaWidget* chart = fixture.view->ChartArea();
  const chart::MarkerBoxEdges box =
      chart::MarkerBox(fixture.state->PositionHistory[0][0], fixture.state->FitnessHistory[0][0]);
  const double per_logical = 130.0 / 220.0;
  const QPoint on_disc(static_cast<int>((box.left + box.right) / 2.0 * per_logical),
                       static_cast<int>((box.top + box.bottom) / 2.0 * per_logical));
  QHelpEvent hover(QEvent::ToolTip, on_disc, chart->mapToGlobal(on_disc));
  QApplication::sendEvent(chart, &hover);
  QVERIFY(QToolTip::isVisible());
  QVERIFY(QToolTip::text().startsWith("第 0 世代"));

  fixture.view->Player().SetPaused(true);
  fixture.view->Player().Seek(3);
  QVERIFY(QToolTip::isVisible());
  QVERIFY2(QToolTip::text().startsWith("第 3 世代"), qPrintable(QToolTip::text()));
  fixture.view->Player().SetPaused(false);
  QVERIFY(Elapse(fixture.clock));
  QTRY_VERIFY(!QToolTip::isVisible());
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::ReplayPlayerTest)
#include "replay_player_test.moc"
