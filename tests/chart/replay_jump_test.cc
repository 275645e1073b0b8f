// The picture of a jump to a generation, pixel for pixel against the picture
// that playing the whole replay up to there leaves on the QPainter surface.

#include <gtest/gtest.h>

#include <QImage>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "chart/chart_painter.h"
#include "chart/fitted_curve.h"
#include "chart/qt/qpainter_surface.h"
#include "chart/replay_erasures.h"
#include "engine/evolution.h"
#include "res/qt/chart_area_size.h"
#include "tests/chart/chart_test_support.h"
#include "tests/chart/gui_environment.h"

namespace curvesmith::chart {
namespace {

struct JumpCase {
  const char* name;
  int population;
  int generations;
  float curve;
  double scale;
  // A hand-made run (chart_test_support's FinishedRun) instead of an engine
  // run: its markers climb past the frame into the readouts and captions.
  bool hand_made = false;
  // Scored on, and drawn with, this curve of the run's own on a fitted axis.
  double (*own_curve)(double x) = nullptr;
};

double Parabola(double x) {
  return x * x - 50;
}

// 165 to 175: on the built-in axis its markers would cover the captions.
double AboveTheBuiltInAxis(double x) {
  return x / 2 + 165;
}

CurveTable TableOf(const JumpCase& c) {
  CurveTable table{};
  if (c.own_curve == nullptr) return table;
  for (int n = 0; n < kGenomeValues; ++n) {
    table[static_cast<std::size_t>(n)] = c.own_curve(n * GeneScale);
  }
  return table;
}

// The chart's curve for the case: its own curve's when the run has one.
std::optional<FittedCurve> FittedOf(const JumpCase& c, const CurveTable& table) {
  if (c.own_curve == nullptr) return std::nullopt;
  return FitCurve(table, c.own_curve);
}

std::unique_ptr<RunState> RunOf(const JumpCase& c, const CurveTable& table) {
  if (c.hand_made) return testing::FinishedRun(c.generations, c.population, c.curve);
  auto state = testing::FreshState();
  RunEvolution(*state,
               ParameterSet{.Generations = static_cast<float>(c.generations),
                            .CrossoverRate = 0.7f,
                            .PopulationSize = static_cast<float>(c.population),
                            .MutationRate = 0.1f,
                            .TargetCurve = c.curve},
               4242u, Algorithm{}, c.own_curve != nullptr ? &table : nullptr);
  state->ReplayPending = 1;
  return state;
}

QImage BlankImage(double scale) {
  QImage image(ChartAreaPixelSize(kDesignDpi) * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Generations worth a look: the first, the second, one in the middle and the
// one after it, the last frame's and the final frame.
std::set<int> Probes(int last) {
  std::set<int> probes{0, last};
  if (last > 0) probes.insert({1, last / 2, last / 2 + 1, last - 1});
  for (auto it = probes.begin(); it != probes.end();) it = *it > last ? probes.erase(it) : ++it;
  return probes;
}

// The pictures the uninterrupted replay shows at each probed generation:
// the first pause of its frame, or the end of the paint for the last.
std::map<int, QImage> PlayedPictures(RunState& state, double scale, const std::set<int>& probes,
                                     const FittedCurve* fitted) {
  std::map<int, QImage> pictures;
  QImage image = BlankImage(scale);
  QPainterSurface surface(&image, scale);
  ChartPainter painter(surface, state, fitted);
  int pause = 0;
  while (painter.Step()) {
    if (pause % 2 == 0 && probes.contains(pause / 2)) pictures[pause / 2] = image.copy();
    ++pause;
  }
  surface.Flush();
  pictures[state.Generation] = image.copy();
  return pictures;
}

// The jump's picture, and the picture after `steps_after` further steps.
QImage JumpedPicture(RunState& state, const ReplayErasures& erasures, int generation, double scale,
                     const FittedCurve* fitted, int steps_after = 0) {
  QImage image = BlankImage(scale);
  {
    QPainterSurface surface(&image, scale);
    ChartPainter painter(surface, state, ChartPosition::Generation(generation), &erasures, fitted);
    painter.Step();
    for (int step = 0; step < steps_after; ++step) painter.Step();
  }
  return image;
}

int CountDifferences(const QImage& a, const QImage& b) {
  int differences = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) differences += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
  }
  return differences;
}

class ReplayJumpTest : public ::testing::TestWithParam<JumpCase> {};

TEST_P(ReplayJumpTest, ShowsWhatTheWholeReplayShowsThere) {
  const JumpCase& c = GetParam();
  const CurveTable table = TableOf(c);
  auto state = RunOf(c, table);
  const std::optional<FittedCurve> fitted_curve = FittedOf(c, table);
  const FittedCurve* fitted = fitted_curve ? &*fitted_curve : nullptr;
  const int last = state->Generation;
  const std::set<int> probes = Probes(last);
  const std::map<int, QImage> played = PlayedPictures(*state, c.scale, probes, fitted);
  ASSERT_EQ(played.size(), probes.size());

  const ReplayErasures erasures(*state, fitted);
  EXPECT_EQ(erasures.LastGeneration(), last);
  for (const int generation : probes) {
    state->ReplayPending = 1;
    EXPECT_EQ(CountDifferences(JumpedPicture(*state, erasures, generation, c.scale, fitted),
                               played.at(generation)),
              0)
        << "generation " << generation;
    EXPECT_EQ(state->ReplayPending, generation == last ? 0 : 1);
  }
  // Going on from a jump draws the next generation as the replay does.
  const int middle = last / 2;
  if (middle + 1 < last && probes.contains(middle + 1)) {
    state->ReplayPending = 1;
    EXPECT_EQ(CountDifferences(JumpedPicture(*state, erasures, middle, c.scale, fitted, 2),
                               played.at(middle + 1)),
              0);
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, ReplayJumpTest,
                         ::testing::Values(JumpCase{"PopulationOne", 1, 40, 0.0f, 1},
                                           JumpCase{"NoGenerations", 30, 0, 2.0f, 1},
                                           JumpCase{"SmallRun", 20, 12, 1.0f, 1},
                                           JumpCase{"SmallRunDoubleDensity", 20, 12, 2.0f, 2},
                                           // A chart drawn to fill a window.
                                           JumpCase{"SmallRunFittedToAWindow", 20, 12, 1.0f, 1.7},
                                           JumpCase{"MarkersOverReadouts", 12, 17, 1.0f, 1, true},
                                           JumpCase{"LargestRun", 1000, 999, 1.0f, 1},
                                           JumpCase{"OwnCurve", 20, 12, 0.0f, 1, false, Parabola},
                                           JumpCase{"OwnCurveAboveTheBuiltInAxis", 20, 12, 0.0f, 1,
                                                    false, AboveTheBuiltInAxis}),
                         [](const ::testing::TestParamInfo<JumpCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace curvesmith::chart
