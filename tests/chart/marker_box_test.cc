#include "chart/marker_box.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_mapping.h"
#include "engine/individual.h"

namespace curvesmith::chart {
namespace {

struct MarkerCase {
  double x;
  double f;
  MarkerBoxEdges box;
};

TEST(MarkerBoxTest, MatchesTheWorkedExamples) {
  const MarkerCase cases[] = {
      {0.0, 0.0, {490, 910, 510, 890}},
      {10.0, 50.0, {990, 660, 1010, 640}},
      {19.98046875, 100.0, {1489, 410, 1509, 390}},
      {2.5, 42.9, {615, 695, 635, 675}},
  };
  for (const MarkerCase& c : cases) {
    EXPECT_EQ(MarkerBox(c.x, c.f), c.box) << "x " << c.x << " f " << c.f;
  }
}

// The box is computed from x and f directly; on the genome grid its sides
// fall on the floors of the chart point plus or minus ten units.
TEST(MarkerBoxTest, SidesOnTheGenomeGridAreTenUnitsFromThePoint) {
  for (int v = 0; v < kGenomeValues; ++v) {
    const double x = v * GeneScale;
    const MarkerBoxEdges box = MarkerBox(x, 50.0);
    EXPECT_EQ(box.left, static_cast<int>(std::floor(500.0 + 50.0 * x - 10.0))) << v;
    EXPECT_EQ(box.right, static_cast<int>(std::floor(500.0 + 50.0 * x + 10.0))) << v;
  }
}

TEST(MarkerBoxTest, TopIsTheLargerY) {
  const MarkerBoxEdges box = MarkerBox(5.0, 80.0);
  EXPECT_EQ(box.top, 510);
  EXPECT_EQ(box.bottom, 490);
}

TEST(ChartMappingTest, MapsTheFrameCornersAndTruncates) {
  EXPECT_EQ(ChartX(0.0), 500);
  EXPECT_EQ(ChartX(20.0), 1500);
  EXPECT_EQ(ChartY(0.0), 900);
  EXPECT_EQ(ChartY(160.0), 100);
  // Fractions are dropped, not rounded.
  EXPECT_EQ(ChartX(0.0399), 501);
  EXPECT_EQ(ChartY(42.9043), 685);
  EXPECT_EQ(ChartY(100.53), 397);
}

}  // namespace
}  // namespace curvesmith::chart
