#include "chart/chart_painter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/recording_surface.h"
#include "tests/chart/chart_test_support.h"

namespace curvesmith::chart {
namespace {

using testing::CountPrefix;
using testing::FinishedRun;
using testing::FreshState;
using testing::PaintListing;

const std::vector<std::string> kCreations = {
    "CreateFont ChartFont 45 15 0 0 700 0 0 0 128 0 0 0 0x20 \"Times New Roman\"",
    "CreateBrush WhiteBrush 0xFFFFFF",
    "CreateBrush RedBrush 0x0000FF",
    "CreatePen FramePen solid 1 0x000000",
    "CreatePen GridPen dot 1 0x800000",
    "CreatePen BluePen dot 3 0xFF0000",
    "CreatePen WhitePen dot 3 0xFFFFFF",
    "CreatePen GreenPen dot 3 0x00FF00",
};

const std::vector<std::string> kDeletions = {
    "DeleteObject GreenPen",   "DeleteObject WhitePen",  "DeleteObject BluePen",
    "DeleteObject GridPen",    "DeleteObject FramePen",  "DeleteObject RedBrush",
    "DeleteObject WhiteBrush", "DeleteObject ChartFont",
};

std::vector<std::string> WithPrefix(const std::vector<std::string>& lines,
                                    const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  }
  return found;
}

TEST(ChartPainterTest, BasePaintSequence) {
  const auto state = FreshState();
  const auto lines = PaintListing(*state);
  ASSERT_GT(lines.size(), 40u);
  // Logical coordinates, then the labels in the surface's default font.
  EXPECT_EQ(lines[0], "SetMapMode 8");
  EXPECT_EQ(lines[1], "SetWindowExt 220 220");
  EXPECT_EQ(lines[2], "SetViewportExt 130 130");
  EXPECT_EQ(lines[3], "TextOut 985 950 \"X\"");
  EXPECT_EQ(lines[24], "TextOut 1490 910 \"20\"");
  // ChartFont, black, transparent; the captions; the brushes and pens.
  const std::vector<std::string> middle(lines.begin() + 25, lines.begin() + 40);
  const std::vector<std::string> expected_middle = {
      kCreations[0],
      "SelectObject ChartFont",
      "SetTextColor 0x000000",
      "SetBkMode 1",
      "TextOut 900 50 \"現在世代数:\"",
      "TextOut 800 150 \"最大座標点:\"",
      "TextOut 1000 150 \"(              ,                 )\"",
      kCreations[1],
      kCreations[2],
      kCreations[3],
      kCreations[4],
      kCreations[5],
      kCreations[6],
      kCreations[7],
      "SelectObject FramePen",
  };
  EXPECT_EQ(middle, expected_middle);
  // The frame box (5 operations), GridPen and the grid (1 + 32), the trace of
  // curve 0 (the selector of a fresh state), then the resources freed in
  // reverse.
  EXPECT_EQ(lines[78], "SelectObject BluePen");
  EXPECT_EQ(lines[79], "MoveTo 500 685");
  const std::vector<std::string> tail(lines.end() - 8, lines.end());
  EXPECT_EQ(tail, kDeletions);
  EXPECT_EQ(lines.size(), 80u + 20481u + 8u);
}

TEST(ChartPainterTest, NoReplayDrawsNoMarkersOrReadouts) {
  auto state = FinishedRun(3, 5);
  state->ReplayPending = 0;
  const auto lines = PaintListing(*state);
  EXPECT_EQ(CountPrefix(lines, "Ellipse"), 0);
  EXPECT_EQ(CountPrefix(lines, "Pause"), 0);
  EXPECT_EQ(CountPrefix(lines, "TextOut"), 22 + 3);
}

TEST(ChartPainterTest, ReplayOnlyWhenPendingIsExactlyOne) {
  auto state = FinishedRun(2, 3);
  state->ReplayPending = 2;
  EXPECT_EQ(CountPrefix(PaintListing(*state), "Ellipse"), 0);
  EXPECT_EQ(state->ReplayPending, 2);
}

TEST(ChartPainterTest, ReplayRunsOnceAndLaterPaintsShowOnlyTheChart) {
  auto state = FinishedRun(2, 3);
  const auto first = PaintListing(*state);
  EXPECT_GT(CountPrefix(first, "Ellipse"), 0);
  EXPECT_EQ(state->ReplayPending, 0);
  const auto second = PaintListing(*state);
  EXPECT_EQ(CountPrefix(second, "Ellipse"), 0);
  EXPECT_EQ(CountPrefix(second, "TextOut"), 22 + 3);
}

TEST(ChartPainterTest, ResourcesCreatedInOrderAndFreedInReverseEveryPaint) {
  auto state = FinishedRun(1, 2);
  RecordingSurface surface;
  for (int paint = 0; paint < 3; ++paint) {
    ChartPainter painter(surface, *state);
    PaintToEnd(painter, [](std::chrono::milliseconds) {});
    EXPECT_EQ(surface.LiveObjects(), 0) << "after paint " << paint;
  }
  const auto lines = surface.Listing();
  std::vector<std::string> expected_creations;
  std::vector<std::string> expected_deletions;
  for (int paint = 0; paint < 3; ++paint) {
    expected_creations.insert(expected_creations.end(), kCreations.begin(), kCreations.end());
    expected_deletions.insert(expected_deletions.end(), kDeletions.begin(), kDeletions.end());
  }
  EXPECT_EQ(WithPrefix(lines, "Create"), expected_creations);
  EXPECT_EQ(WithPrefix(lines, "DeleteObject"), expected_deletions);
}

TEST(ChartPainterTest, FailedResourcesAreNeverSelectedNorFreed) {
  auto state = FinishedRun(1, 2);
  RecordingSurface surface;
  surface.FailCreationOf("ChartFont");
  surface.FailCreationOf("GreenPen");
  surface.FailCreationOf("RedBrush");
  {
    ChartPainter painter(surface, *state);
    PaintToEnd(painter, [](std::chrono::milliseconds) {});
  }
  const auto lines = surface.Listing();
  const struct {
    std::string name;
    std::string creation;
  } failed[] = {
      {"ChartFont", "CreateFont ChartFont"},
      {"GreenPen", "CreatePen GreenPen"},
      {"RedBrush", "CreateBrush RedBrush"},
  };
  for (const auto& resource : failed) {
    EXPECT_EQ(CountPrefix(lines, resource.creation), 1) << resource.name;
    EXPECT_EQ(CountPrefix(lines, "SelectObject " + resource.name), 0) << resource.name;
    EXPECT_EQ(CountPrefix(lines, "DeleteObject " + resource.name), 0) << resource.name;
  }
  // The replay still draws every marker and readout.
  EXPECT_EQ(CountPrefix(lines, "Ellipse"), 3 + 3 + 3);
  EXPECT_EQ(surface.LiveObjects(), 0);
  EXPECT_EQ(state->ReplayPending, 0);
}

TEST(ChartPainterTest, AbandonedPaintFreesWhatItCreated) {
  auto state = FinishedRun(5, 4);
  RecordingSurface surface;
  {
    ChartPainter painter(surface, *state);
    ASSERT_TRUE(painter.Step().has_value());
    ASSERT_TRUE(painter.Step().has_value());
  }
  EXPECT_EQ(surface.LiveObjects(), 0);
  const auto lines = surface.Listing();
  const std::vector<std::string> tail(lines.end() - 8, lines.end());
  EXPECT_EQ(tail, kDeletions);
  // An abandoned replay has not been shown to its end.
  EXPECT_EQ(state->ReplayPending, 1);
}

TEST(ChartPainterTest, FinishedPainterDrawsNothingMore) {
  auto state = FreshState();
  RecordingSurface surface;
  ChartPainter painter(surface, *state);
  EXPECT_FALSE(painter.Step().has_value());
  EXPECT_TRUE(painter.Finished());
  const std::size_t count = surface.operations().size();
  EXPECT_FALSE(painter.Step().has_value());
  EXPECT_EQ(surface.operations().size(), count);
}

}  // namespace
}  // namespace curvesmith::chart
