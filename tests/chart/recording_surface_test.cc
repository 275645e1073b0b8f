#include "chart/recording_surface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace curvesmith::chart {
namespace {

TEST(RecordingSurfaceTest, ListsEveryOperationInTheListingForm) {
  RecordingSurface surface;
  surface.SetMapMode(8);
  surface.SetWindowExt(220, 220);
  surface.SetViewportExt(130, 130);
  const auto font = surface.CreateFont("ChartFont", FontRequest{.height = 45,
                                                                .width = 15,
                                                                .weight = 700,
                                                                .char_set = 128,
                                                                .pitch_and_family = 0x20,
                                                                .face_name = "Times New Roman"});
  const auto pen = surface.CreatePen("GridPen", PenStyle::kDot, 1, 0x800000);
  const auto brush = surface.CreateSolidBrush("RedBrush", 0x0000FF);
  ASSERT_TRUE(font && pen && brush);
  surface.SelectObject(*pen);
  surface.SetTextColor(0x8080FF);
  surface.SetBkMode(1);
  surface.TextOut(985, 950, "X");
  surface.MoveTo(500, 900);
  surface.LineTo(1500, 900);
  surface.Ellipse(490, 910, 510, 890);
  surface.RecordPause(std::chrono::milliseconds(600));
  surface.DeleteObject(*pen);
  const std::vector<std::string> expected = {
      "SetMapMode 8",
      "SetWindowExt 220 220",
      "SetViewportExt 130 130",
      "CreateFont ChartFont 45 15 0 0 700 0 0 0 128 0 0 0 0x20 \"Times New Roman\"",
      "CreatePen GridPen dot 1 0x800000",
      "CreateBrush RedBrush 0x0000FF",
      "SelectObject GridPen",
      "SetTextColor 0x8080FF",
      "SetBkMode 1",
      "TextOut 985 950 \"X\"",
      "MoveTo 500 900",
      "LineTo 1500 900",
      "Ellipse 490 910 510 890",
      "Pause 600",
      "DeleteObject GridPen",
  };
  EXPECT_EQ(surface.Listing(), expected);
  EXPECT_EQ(surface.LiveObjects(), 2);
}

TEST(RecordingSurfaceTest, FailedCreationReturnsNoObjectAndIsMarked) {
  RecordingSurface surface;
  surface.FailCreationOf("GreenPen");
  EXPECT_FALSE(surface.CreatePen("GreenPen", PenStyle::kDot, 3, 0x00FF00).has_value());
  EXPECT_TRUE(surface.CreatePen("BluePen", PenStyle::kDot, 3, 0xFF0000).has_value());
  EXPECT_EQ(surface.Listing(), (std::vector<std::string>{"CreatePen GreenPen dot 3 0x00FF00 failed",
                                                         "CreatePen BluePen dot 3 0xFF0000"}));
  EXPECT_EQ(surface.LiveObjects(), 1);
}

TEST(RecordingSurfaceTest, SinkReceivesOperationsAndNothingIsKept) {
  std::vector<std::string> seen;
  RecordingSurface surface(
      [&](const Operation& operation) { seen.push_back(FormatOperation(operation)); });
  surface.MoveTo(1, 2);
  surface.TextOut(3, 4, "現在世代数:");
  EXPECT_EQ(seen, (std::vector<std::string>{"MoveTo 1 2", "TextOut 3 4 \"現在世代数:\""}));
  EXPECT_TRUE(surface.operations().empty());
}

}  // namespace
}  // namespace curvesmith::chart
