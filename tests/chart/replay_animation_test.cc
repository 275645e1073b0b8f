#include "chart/replay_animation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "chart/chart_resources.h"
#include "chart/curve_trace.h"
#include "chart/frame_and_grid.h"
#include "chart/marker_box.h"
#include "chart/recording_surface.h"
#include "tests/chart/chart_test_support.h"

namespace curvesmith::chart {
namespace {

using testing::CountPrefix;
using testing::FinishedRun;
using testing::From;
using testing::PaintListing;

// What the chart draws again in every replay frame, as listed.
std::vector<std::string> RepairListing(double target_curve) {
  RecordingSurface surface;
  ChartResources resources(surface);
  resources.CreateBrushesAndPens();
  const std::size_t before = surface.operations().size();
  DrawFrameAndGrid(surface, resources);
  DrawCurveTrace(surface, resources, target_curve);
  const auto lines = surface.Listing();
  return std::vector<std::string>(lines.begin() + before, lines.end());
}

std::string EllipseLine(double x, double f) {
  const MarkerBoxEdges box = MarkerBox(x, f);
  return "Ellipse " + std::to_string(box.left) + " " + std::to_string(box.top) + " " +
         std::to_string(box.right) + " " + std::to_string(box.bottom);
}

// The replay as a blocking replay draws it, with a Pause line where it would
// sleep: from the first readout colour to the last readout.
std::vector<std::string> ExpectedReplay(const RunState& state) {
  std::vector<std::string> lines;
  const auto add = [&](std::string line) { lines.push_back(std::move(line)); };
  const auto readouts = [&](int g) {
    // std::to_string formats a double as "%f" does.
    add("TextOut 1120 50 \"" + std::to_string(g) + "\"");
    add("TextOut 1020 150 \"" + std::to_string(state.BestPositionByGeneration[g]) + "\"");
    add("TextOut 1200 150 \"" + std::to_string(state.BestFitnessByGeneration[g]) + "\"");
  };
  const auto markers = [&](int g) {
    for (int j = 0; j < state.PopulationSize; ++j) {
      add(EllipseLine(state.PositionHistory[g][j], state.FitnessHistory[g][j]));
    }
  };
  const auto best = [&](int g) {
    add(EllipseLine(state.BestPositionByGeneration[g], state.BestFitnessByGeneration[g]));
  };
  const std::vector<std::string> repair = RepairListing(state.TargetCurve);
  for (int g = 0; g < state.Generation; ++g) {
    add("SetTextColor 0x8080FF");
    readouts(g);
    add("SelectObject RedBrush");
    add("SelectObject FramePen");
    markers(g);
    add("SelectObject GreenPen");
    best(g);
    add("Pause 600");
    add("SelectObject WhiteBrush");
    add("SelectObject WhitePen");
    markers(g);
    best(g);
    lines.insert(lines.end(), repair.begin(), repair.end());
    add("Pause 500");
    add("SetTextColor 0xFFFFFF");
    readouts(g);
  }
  const int last = state.Generation;
  add("SelectObject RedBrush");
  add("SelectObject FramePen");
  markers(last);
  add("SelectObject GreenPen");
  best(last);
  add("SetTextColor 0xFF80FF");
  readouts(last);
  return lines;
}

// The replay part of a whole paint's listing: from the first marker colour
// or brush to the end, without the resources freed at the end.
std::vector<std::string> ReplayPart(const std::vector<std::string>& paint) {
  std::vector<std::string> replay = From(paint, "SetTextColor 0x8080FF");
  if (replay.empty()) replay = From(paint, "SelectObject RedBrush");
  if (replay.size() >= 8) replay.resize(replay.size() - 8);
  return replay;
}

struct ReplayCase {
  int generations;
  int population;
  double curve;
};

class ReplayShapeTest : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(ReplayShapeTest, DrawsTheOperationsOfABlockingReplayInOrder) {
  const ReplayCase c = GetParam();
  auto state = FinishedRun(c.generations, c.population, c.curve);
  const auto expected = ExpectedReplay(*state);
  EXPECT_EQ(ReplayPart(PaintListing(*state)), expected);
  EXPECT_EQ(state->ReplayPending, 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, ReplayShapeTest,
                         ::testing::Values(ReplayCase{0, 3, 0.0}, ReplayCase{1, 2, 1.0},
                                           ReplayCase{4, 5, 2.0}, ReplayCase{3, 0, 0.0},
                                           ReplayCase{2, 3, 0.5}));

TEST(ReplayAnimationTest, ZeroGenerationsShowOnlyTheFinalFrameWithoutPausing) {
  auto state = FinishedRun(0, 4);
  const auto lines = PaintListing(*state);
  EXPECT_EQ(CountPrefix(lines, "Pause"), 0);
  EXPECT_EQ(CountPrefix(lines, "Ellipse"), 4 + 1);
  EXPECT_EQ(CountPrefix(lines, "TextOut 1120 50 \"0\""), 1);
  EXPECT_EQ(CountPrefix(lines, "SetTextColor 0xFF80FF"), 1);
}

TEST(ReplayAnimationTest, PopulationZeroShowsOnlyTheBestMarker) {
  auto state = FinishedRun(2, 0);
  const auto lines = PaintListing(*state);
  // Per frame: best marker and its erasure; then the final best marker.
  EXPECT_EQ(CountPrefix(lines, "Ellipse"), 2 * 2 + 1);
  EXPECT_EQ(CountPrefix(lines, "TextOut 1020 150"), 2 * 2 + 1);
}

TEST(ReplayAnimationTest, StepsPauseSixHundredThenFiveHundredPerGeneration) {
  auto state = FinishedRun(3, 2);
  RecordingSurface surface;
  ChartResources resources(surface);
  resources.CreateFont();
  resources.CreateBrushesAndPens();
  ReplayAnimation replay(surface, *state, resources, nullptr);
  std::vector<long> pauses;
  while (const auto pause = replay.Step()) pauses.push_back(static_cast<long>(pause->count()));
  EXPECT_EQ(pauses, (std::vector<long>{600, 500, 600, 500, 600, 500}));
  // Ended: further steps draw nothing.
  const std::size_t count = surface.operations().size();
  EXPECT_FALSE(replay.Step().has_value());
  EXPECT_EQ(surface.operations().size(), count);
}

TEST(ReplayAnimationTest, EachPauseFallsWhereTheBlockingReplaySleeps) {
  auto state = FinishedRun(2, 3);
  RecordingSurface surface;
  ChartResources resources(surface);
  resources.CreateFont();
  resources.CreateBrushesAndPens();
  const std::size_t before = surface.operations().size();
  ReplayAnimation replay(surface, *state, resources, nullptr);
  ASSERT_EQ(replay.Step(), kMarkersPause);
  // The first step ends with the best marker of generation 0 on screen.
  const auto& ops = surface.operations();
  EXPECT_EQ(FormatOperation(ops.back()), EllipseLine(0.0, 100.0));
  EXPECT_EQ(FormatOperation(ops[ops.size() - 2]), "SelectObject GreenPen");
  EXPECT_EQ(ops.size() - before, 1u + 3u + 2u + 3u + 2u);
  ASSERT_EQ(replay.Step(), kReadoutsPause);
  // The second ends with the trace redrawn, readouts still showing.
  EXPECT_EQ(ops.back().code, Operation::Code::kLineTo);
}

TEST(ReplayAnimationTest, NegativeGenerationCountReplaysAsZero) {
  auto state = FinishedRun(0, 2);
  state->MaxGenerations = -5;
  const auto lines = PaintListing(*state);
  EXPECT_EQ(CountPrefix(lines, "Pause"), 0);
  EXPECT_EQ(CountPrefix(lines, "Ellipse"), 3);
}

TEST(ReplayAnimationTest, ReadsOnlyTheCurrentRunsRowsAndPlaces) {
  auto clean = FinishedRun(2, 3);
  auto stale = FinishedRun(2, 3);
  // Leftovers of a longer, larger earlier run.
  for (int g = 0; g <= 5; ++g) {
    for (int j = 3; j < 10; ++j) {
      stale->PositionHistory[g][j] = 19.0;
      stale->FitnessHistory[g][j] = 150.0;
    }
  }
  for (int g = 3; g <= 5; ++g) {
    stale->PositionHistory[g][0] = 18.0;
    stale->BestPositionByGeneration[g] = 17.0;
  }
  EXPECT_EQ(PaintListing(*stale), PaintListing(*clean));
}

TEST(ReplayAnimationTest, WritesNothingButReplayPending) {
  auto state = FinishedRun(3, 4);
  auto before = std::make_unique<RunState>();
  std::memcpy(before.get(), state.get(), sizeof(RunState));
  PaintListing(*state);
  EXPECT_EQ(state->ReplayPending, 0);
  state->ReplayPending = before->ReplayPending;
  EXPECT_EQ(std::memcmp(before.get(), state.get(), sizeof(RunState)), 0);
}

// A state no run could leave (counts beyond the tables) is held to the
// tables' capacities instead of being read past their ends.
TEST(ReplayAnimationTest, CountsBeyondTheTablesAreHeldToThem) {
  auto state = FinishedRun(2, 2, 0.5);
  state->Generation = 5000;
  state->PopulationSize = 5000;
  long ellipses = 0;
  long pauses = 0;
  RecordingSurface surface([&](const Operation& operation) {
    ellipses += operation.code == Operation::Code::kEllipse ? 1 : 0;
  });
  {
    ChartPainter painter(surface, *state);
    PaintToEnd(painter, [&](std::chrono::milliseconds) { ++pauses; });
  }
  EXPECT_EQ(pauses, 2 * 999);
  EXPECT_EQ(ellipses, 999L * 2 * (kHistoryPlaces + 1) + kHistoryPlaces + 1);
}

}  // namespace
}  // namespace curvesmith::chart
