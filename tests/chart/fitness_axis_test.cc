// The fitness axis a formula's chart is drawn on.
#include "chart/fitness_axis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/objective.h"

namespace curvesmith::chart {
namespace {

struct AxisCase {
  double lowest_value;
  double highest_value;
  std::vector<std::string> ticks;  // bottom to top
};

// The tightest round steps that reach from the lowest value to the highest,
// labelled as a reader expects: the range of x, of -x, of 1e6 * x, of
// x^2 - 50, of x sin(x) + 20 over the genome positions, and of a constant.
TEST(FitnessAxisTest, FittedTicksAreRoundAndCoverTheValues) {
  const AxisCase cases[] = {
      {0.0, 19.98046875, {"0", "2.5", "5", "7.5", "10", "12.5", "15", "17.5", "20"}},
      {-19.98046875, 0.0, {"-20", "-17.5", "-15", "-12.5", "-10", "-7.5", "-5", "-2.5", "0"}},
      {0.0, 19980468.75, {"0", "2.5e6", "5e6", "7.5e6", "1e7", "1.25e7", "1.5e7", "1.75e7", "2e7"}},
      {-50.0, 349.2, {"-50", "0", "50", "100", "150", "200", "250", "300", "350"}},
      {2.7, 34.2, {"0", "5", "10", "15", "20", "25", "30", "35", "40"}},
      {5.0, 5.0, {"4", "4.25", "4.5", "4.75", "5", "5.25", "5.5", "5.75", "6"}},
      {0.0012,
       0.0019,
       {"0.0012", "0.0013", "0.0014", "0.0015", "0.0016", "0.0017", "0.0018", "0.0019", "0.002"}},
      {100.0, 101.0, {"100", "100.2", "100.4", "100.6", "100.8", "101", "101.2", "101.4", "101.6"}},
  };
  for (const AxisCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lowest_value << " to " << c.highest_value);
    const FitnessAxis axis = FittedAxis(c.lowest_value, c.highest_value);
    EXPECT_EQ(TickLabels(axis), c.ticks);
    EXPECT_LE(axis.lowest, c.lowest_value);
    EXPECT_GE(axis.Highest(), c.highest_value);
    // Both ends inside the frame.
    EXPECT_GE(axis.FrameFitness(c.lowest_value), 0.0);
    EXPECT_LE(axis.FrameFitness(c.highest_value), 160.0);
  }
}

TEST(FitnessAxisTest, BuiltInCurvesKeepTheirAxisExactly) {
  for (const TargetCurve& curve : TargetCurves()) {
    const FitnessAxis axis = CurveAxis(curve);
    for (const double f : {0.0, 42.9043, 100.53, 159.99999999999997, 1e-300}) {
      EXPECT_EQ(axis.FrameFitness(f), f);
    }
  }
}

}  // namespace
}  // namespace curvesmith::chart
