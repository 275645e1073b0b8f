#include "chart/chart_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace curvesmith::chart {
namespace {

TEST(ChartTextsTest, AxisLettersComeFirst) {
  const auto labels = AxisLabels();
  ASSERT_EQ(labels.size(), 22u);
  EXPECT_EQ(labels[0].text, "X");
  EXPECT_EQ(labels[0].x, 985);
  EXPECT_EQ(labels[0].y, 950);
  EXPECT_EQ(labels[1].text, "Y");
  EXPECT_EQ(labels[1].x, 400);
  EXPECT_EQ(labels[1].y, 490);
}

// A fitness label v stands 10 units above its line, its left edge at 460
// for one or two digits and 450 for three.
TEST(ChartTextsTest, FitnessLabelsStandAboveTheirLines) {
  const auto labels = AxisLabels();
  for (int i = 0; i <= 8; ++i) {
    const int v = 20 * i;
    const PlacedText& label = labels[2 + i];
    EXPECT_EQ(label.text, std::to_string(v));
    EXPECT_EQ(label.y, 890 - 5 * v) << v;
    EXPECT_EQ(label.x, v >= 100 ? 450 : 460) << v;
  }
}

// An x label v stands 10 units below the axis, 5 units left of its line for
// one digit and 10 for two.
TEST(ChartTextsTest, XLabelsStandBelowTheAxis) {
  const auto labels = AxisLabels();
  for (int i = 0; i <= 10; ++i) {
    const int v = 2 * i;
    const PlacedText& label = labels[11 + i];
    const int line = 500 + 50 * v;
    EXPECT_EQ(label.text, std::to_string(v));
    EXPECT_EQ(label.y, 910) << v;
    EXPECT_EQ(label.x, line - (v >= 10 ? 10 : 5)) << v;
  }
}

TEST(ChartTextsTest, CaptionsAndTheirPlaces) {
  const auto captions = Captions();
  ASSERT_EQ(captions.size(), 3u);
  EXPECT_EQ(captions[0].text, "現在世代数:");
  EXPECT_EQ(captions[0].x, 900);
  EXPECT_EQ(captions[0].y, 50);
  EXPECT_EQ(captions[1].text, "最大座標点:");
  EXPECT_EQ(captions[1].x, 800);
  EXPECT_EQ(captions[1].y, 150);
  EXPECT_EQ(captions[2].x, 1000);
  EXPECT_EQ(captions[2].y, 150);
}

TEST(ChartTextsTest, BracketsHoldFourteenAndSeventeenBlanks) {
  const std::string_view brackets = Captions()[2].text;
  EXPECT_EQ(brackets.size(), 34u);
  std::string expected = "(";
  expected.append(14, ' ').append(",").append(17, ' ').append(")");
  EXPECT_EQ(brackets, expected);
}

}  // namespace
}  // namespace curvesmith::chart
