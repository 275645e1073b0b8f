#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <chrono>

#include "app/main_frame.h"
#include "app/replay_player.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

namespace curvesmith {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kMarkers{600};
constexpr milliseconds kReadouts{500};

// Pause lengths of a replay of `frames` generation frames.
std::vector<milliseconds> PausesOf(int frames) {
  std::vector<milliseconds> pauses;
  for (int frame = 0; frame < frames; ++frame) {
    pauses.push_back(kMarkers);
    pauses.push_back(kReadouts);
  }
  return pauses;
}

void EnterRun(ViewFixture& fixture, const char* population, const char* generations) {
  fixture.Type(res::kIdcTargetCurve, "1");
  fixture.Type(res::kIdcPopulationSize, population);
  fixture.Type(res::kIdcGenerations, generations);
  fixture.Type(res::kIdcCrossoverRate, "0.7");
  fixture.Type(res::kIdcMutationRate, "0.1");
}

}  // namespace

class ReplayTest : public QObject {
  Q_OBJECT

 private slots:
  void EachGenerationShowsMarkersThenTheRepairedChart();
  void EndsWithTheLastGenerationLeftOnTheChart();
  void OrdinaryExposesKeepTheFinalPicture();
  void NextPaintOfTheViewDrawsOnlyFrameAndCurve();
  void FormTakesInputDuringAReplay();
  void RunDuringAReplayReplaysTheNewRunFromItsStart();
  void RefusedRunDuringAReplayLetsItGoOn();
  void ClosingDuringAReplayClosesAtOnce_data();
  void ClosingDuringAReplayClosesAtOnce();

 private:
  TemporarySettings settings_;
};

void ReplayTest::EachGenerationShowsMarkersThenTheRepairedChart() {
  ViewFixture fixture;
  EnterRun(fixture, "20", "3");
  fixture.Run();
  QCOMPARE(fixture.clock.pauses, std::vector<milliseconds>{kMarkers});
  QVERIFY(CountPixels(fixture.Chart(), kMarkerRed) > 0);
  QVERIFY(CountPixels(fixture.Chart(), kFrameReadoutLightRed) > 0);
  // The disc tool-tip describes the discs on the chart, and only while they are there.
  QCOMPARE(fixture.view->ChartArea()->MarkedGeneration(), std::optional<int>(0));

  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.clock.pauses, (std::vector<milliseconds>{kMarkers, kReadouts}));
  // The markers are painted over in white; the readouts stay through the
  // second pause.
  QCOMPARE(CountPixels(fixture.Chart(), kMarkerRed), 0);
  QVERIFY(CountPixels(fixture.Chart(), kFrameReadoutLightRed) > 0);
  QVERIFY(CountPixels(fixture.Chart(), kCurveBlue) > 1000);
  QCOMPARE(fixture.view->ChartArea()->MarkedGeneration(), std::optional<int>());

  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.clock.pauses.size(), 3u);
  QVERIFY(CountPixels(fixture.Chart(), kMarkerRed) > 0);
  QCOMPARE(fixture.state->ReplayPending, 1);
  QVERIFY(fixture.view->ChartArea()->IsReplaying());
}

void ReplayTest::EndsWithTheLastGenerationLeftOnTheChart() {
  ViewFixture fixture;
  EnterRun(fixture, "20", "3");
  fixture.Run();
  int steps = 0;
  while (Elapse(fixture.clock)) ++steps;
  QCOMPARE(steps, 6);
  QCOMPARE(fixture.clock.pauses, PausesOf(3));
  QCOMPARE(fixture.state->ReplayPending, 0);
  QVERIFY(!fixture.view->ChartArea()->IsReplaying());
  QVERIFY(CountPixels(fixture.Chart(), kMarkerRed) > 0);
  QVERIFY(CountPixels(fixture.Chart(), kFinalReadoutMagenta) > 0);
  QCOMPARE(CountPixels(fixture.Chart(), kFrameReadoutLightRed), 0);
}

void ReplayTest::OrdinaryExposesKeepTheFinalPicture() {
  ViewFixture fixture;
  EnterRun(fixture, "20", "1");
  fixture.Run();
  while (Elapse(fixture.clock)) {
  }
  const QImage final_picture = fixture.Chart();
  fixture.view->hide();
  fixture.view->show();
  fixture.view->ChartArea()->repaint();
  ProcessPostedEvents();
  QCOMPARE(fixture.Chart(), final_picture);
  QVERIFY(fixture.view->ChartArea()->grab().toImage().convertToFormat(QImage::Format_RGB32) ==
          final_picture.convertToFormat(QImage::Format_RGB32));
}

void ReplayTest::NextPaintOfTheViewDrawsOnlyFrameAndCurve() {
  ViewFixture fixture;
  EnterRun(fixture, "20", "1");
  fixture.Run();
  while (Elapse(fixture.clock)) {
  }
  fixture.view->OnInitialUpdate();
  ProcessPostedEvents();
  QCOMPARE(CountPixels(fixture.Chart(), kMarkerRed), 0);
  QCOMPARE(CountPixels(fixture.Chart(), kFinalReadoutMagenta), 0);
  QVERIFY(CountPixels(fixture.Chart(), kCurveBlue) > 1000);
  QCOMPARE(fixture.clock.pauses, PausesOf(1));
}

void ReplayTest::FormTakesInputDuringAReplay() {
  ViewFixture fixture;
  EnterRun(fixture, "20", "3");
  fixture.Run();
  fixture.Type(res::kIdcAuxParameter, "4");
  QCOMPARE(fixture.document.Parameters().AuxParameter, 4.0f);
  QVERIFY(fixture.view->ChartArea()->IsReplaying());
  QVERIFY(Elapse(fixture.clock));
  QCOMPARE(fixture.clock.pauses.size(), 2u);
}

void ReplayTest::RunDuringAReplayReplaysTheNewRunFromItsStart() {
  ViewFixture fixture;
  EnterRun(fixture, "20", "5");
  fixture.Run();
  QVERIFY(Elapse(fixture.clock));
  QVERIFY(Elapse(fixture.clock));

  fixture.Type(res::kIdcGenerations, "1");
  fixture.clock.pauses.clear();
  fixture.view->OnRun();
  // The old replay stops at once; the new run waits for the view's paint.
  QVERIFY(!fixture.clock.pending);
  QCOMPARE(fixture.state->MaxGenerations, 1);
  QCOMPARE(fixture.state->ReplayPending, 1);

  ProcessPostedEvents();
  while (Elapse(fixture.clock)) {
  }
  QCOMPARE(fixture.clock.pauses, PausesOf(1));
  QCOMPARE(fixture.state->ReplayPending, 0);
}

void ReplayTest::RefusedRunDuringAReplayLetsItGoOn() {
  ViewFixture fixture;
  EnterRun(fixture, "20", "2");
  fixture.Run();
  fixture.Type(res::kIdcCrossoverRate, "2");
  fixture.Run();
  QVERIFY(fixture.clock.pending);
  QCOMPARE(fixture.state->ReplayPending, 1);
  while (Elapse(fixture.clock)) {
  }
  QCOMPARE(fixture.clock.pauses, PausesOf(2));
}

void ReplayTest::ClosingDuringAReplayClosesAtOnce_data() {
  QTest::addColumn<bool>("paused");
  QTest::newRow("playing") << false;
  QTest::newRow("paused at a sought generation") << true;
}

// With the real clock: close() returns straight away and no step of the
// abandoned replay runs afterwards.
void ReplayTest::ClosingDuringAReplayClosesAtOnce() {
  QFETCH(bool, paused);
  CCurvesmithDoc document;
  auto state = std::make_unique<RunState>();
  auto frame = std::make_unique<CMainFrame>(document, *state);
  frame->show();
  frame->OnFileNew();
  CCurvesmithView* view = frame->View();
  view->Field(res::kIdcPopulationSize)->setText("50");
  view->Field(res::kIdcGenerations)->setText("999");
  view->OnRun();
  ProcessPostedEvents();
  if (paused) {
    view->Player().SetPaused(true);
    view->Player().Seek(500);
  }
  QVERIFY(view->ChartArea()->IsReplaying());

  QVERIFY(frame->close());
  QVERIFY(!frame->isVisible());
  frame.reset();
  ProcessPostedEvents();
  QCOMPARE(state->ReplayPending, 1);
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::ReplayTest)
#include "replay_test.moc"
