#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "chart/chart_resources.h"
#include "chart/curve_trace.h"
#include "chart/frame_and_grid.h"
#include "chart/recording_surface.h"
#include "tests/chart/chart_test_support.h"

namespace curvesmith::chart {
namespace {

using testing::CountPrefix;

class FrameAndTraceTest : public ::testing::Test {
 protected:
  FrameAndTraceTest() { resources_.CreateBrushesAndPens(); }

  // The operations drawn after the resources were created.
  std::vector<Operation> Drawn() const {
    const auto& all = surface_.operations();
    return std::vector<Operation>(all.begin() + created_, all.end());
  }
  std::vector<std::string> DrawnListing() const {
    std::vector<std::string> lines;
    for (const Operation& operation : Drawn()) lines.push_back(FormatOperation(operation));
    return lines;
  }
  void StartDrawing() { created_ = surface_.operations().size(); }

  RecordingSurface surface_;
  ChartResources resources_{surface_};
  std::size_t created_ = 0;
};

TEST_F(FrameAndTraceTest, FrameThenGridInOrder) {
  StartDrawing();
  DrawFrameAndGrid(surface_, resources_);
  std::vector<std::string> expected = {
      "SelectObject FramePen", "MoveTo 500 900", "LineTo 1500 900",      "LineTo 1500 100",
      "LineTo 500 100",        "LineTo 500 900", "SelectObject GridPen",
  };
  for (int y : {800, 700, 600, 500, 400, 300, 200}) {
    expected.push_back("MoveTo 500 " + std::to_string(y));
    expected.push_back("LineTo 1500 " + std::to_string(y));
  }
  for (int x : {600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400}) {
    expected.push_back("MoveTo " + std::to_string(x) + " 100");
    expected.push_back("LineTo " + std::to_string(x) + " 900");
  }
  EXPECT_EQ(DrawnListing(), expected);
}

TEST_F(FrameAndTraceTest, FailedPenIsNotSelected) {
  RecordingSurface surface;
  surface.FailCreationOf("GridPen");
  ChartResources resources(surface);
  resources.CreateBrushesAndPens();
  DrawFrameAndGrid(surface, resources);
  const auto lines = surface.Listing();
  EXPECT_EQ(CountPrefix(lines, "SelectObject GridPen"), 0);
  EXPECT_EQ(CountPrefix(lines, "SelectObject FramePen"), 1);
  // The grid is drawn all the same, with the pen selected before.
  EXPECT_EQ(CountPrefix(lines, "MoveTo"), 17);
}

struct TraceCase {
  double curve;
  int start_y;
  int last_y;
  int min_y;
  int max_y;
};

TEST_F(FrameAndTraceTest, TraceOfEachCurve) {
  const TraceCase cases[] = {
      {0.0, 685, 795, 385, 831},
      {1.0, 750, 864, 132, 864},
      {2.0, 397, 269, 211, 893},
  };
  for (const TraceCase& c : cases) {
    SCOPED_TRACE(c.curve);
    RecordingSurface surface;
    ChartResources resources(surface);
    resources.CreateBrushesAndPens();
    const std::size_t before = surface.operations().size();
    DrawCurveTrace(surface, resources, c.curve);
    const std::vector<Operation> ops(surface.operations().begin() + before,
                                     surface.operations().end());
    ASSERT_EQ(ops.size(), 2u + 20481u);
    EXPECT_EQ(FormatOperation(ops[0]), "SelectObject BluePen");
    EXPECT_EQ(FormatOperation(ops[1]), "MoveTo 500 " + std::to_string(c.start_y));
    // The first line has zero length.
    EXPECT_EQ(FormatOperation(ops[2]), "LineTo 500 " + std::to_string(c.start_y));
    EXPECT_EQ(FormatOperation(ops.back()), "LineTo 1500 " + std::to_string(c.last_y));

    int min_y = 10000;
    int max_y = -1;
    int previous_y = c.start_y;
    int previous_x = 500;
    for (std::size_t i = 2; i < ops.size(); ++i) {
      ASSERT_EQ(ops[i].code, Operation::Code::kLineTo);
      const int x = ops[i].args[0];
      const int y = ops[i].args[1];
      min_y = std::min(min_y, y);
      max_y = std::max(max_y, y);
      // Dense and continuous, also where the formula changes at x = 10: no
      // step of more than a few units.
      EXPECT_LE(std::abs(y - previous_y), 3) << "sample " << i - 2;
      EXPECT_TRUE(x == previous_x || x == previous_x + 1) << "sample " << i - 2;
      previous_x = x;
      previous_y = y;
    }
    EXPECT_EQ(min_y, c.min_y);
    EXPECT_EQ(max_y, c.max_y);
  }
}

TEST_F(FrameAndTraceTest, NegativeZeroDrawsCurveZero) {
  StartDrawing();
  DrawCurveTrace(surface_, resources_, -0.0);
  ASSERT_GT(DrawnListing().size(), 2u);
  EXPECT_EQ(DrawnListing()[1], "MoveTo 500 685");
}

TEST_F(FrameAndTraceTest, NoTraceForOtherSelectors) {
  for (double curve : {0.5, 3.0, -1.0}) {
    StartDrawing();
    DrawCurveTrace(surface_, resources_, curve);
    EXPECT_EQ(DrawnListing(), std::vector<std::string>{"SelectObject BluePen"}) << curve;
  }
}

}  // namespace
}  // namespace curvesmith::chart
