#include "engine/objective.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/individual.h"

namespace curvesmith {
namespace {

struct CurvePoint {
  double x;
  double expected[3];  // curves 0, 1, 2
};

// Published values of the three curves, to four decimals.
constexpr CurvePoint kPoints[] = {
    {0.0, {42.9043, 30.0, 100.5300}},           {5.0, {76.5709, 123.5464, 32.1991}},
    {10.0, {28.6975, 17.3950, 117.6050}},       {15.0, {37.0905, 36.8338, 114.7380}},
    {19.98046875, {20.2977, 7.8183, 126.2090}}, {20.0, {20.9146, 7.1232, 126.0479}},
};

TEST(ObjectiveFunctionTest, MatchesKnownValues) {
  for (const CurvePoint& point : kPoints) {
    for (int curve = 0; curve < 3; ++curve) {
      EXPECT_NEAR(*ObjectiveFunction(curve, point.x), point.expected[curve], 5e-5)
          << "curve " << curve << " at x = " << point.x;
    }
  }
  EXPECT_EQ(*ObjectiveFunction(1.0, 0.0), 30.0);
}

TEST(ObjectiveFunctionTest, IsContinuousWhereTheFormulaChanges) {
  for (int curve = 0; curve < 3; ++curve) {
    const double at = *ObjectiveFunction(curve, 10.0);
    const double above = *ObjectiveFunction(curve, std::nextafter(10.0, 11.0));
    EXPECT_NEAR(at, above, 1e-9) << "curve " << curve;
  }
  // x = 10 takes the low formula: 0.5 * (30 - 30 sin 13) + 20 for curve 0.
  EXPECT_DOUBLE_EQ(*ObjectiveFunction(0.0, 10.0), 0.5 * (30.0 - 30.0 * std::sin(13.0)) + 20.0);
}

struct GridMaximum {
  int curve;
  int genome;
  double fitness;
};

TEST(ObjectiveFunctionTest, EachCurveHasOneMaximumOnTheGenomeGrid) {
  constexpr GridMaximum kMaxima[] = {{0, 211, 102.9342}, {1, 195, 153.4710}, {2, 796, 137.6161}};
  for (const GridMaximum& expected : kMaxima) {
    int best = 0;
    int ties = 0;
    double best_fitness = -1.0;
    double lowest = 1e9;
    for (int v = 0; v < kGenomeValues; ++v) {
      const double f = *ObjectiveFunction(expected.curve, v * GeneScale);
      lowest = std::min(lowest, f);
      if (f > best_fitness) {
        best_fitness = f;
        best = v;
        ties = 0;
      } else if (f == best_fitness) {
        ++ties;
      }
    }
    EXPECT_EQ(best, expected.genome) << "curve " << expected.curve;
    EXPECT_NEAR(best_fitness, expected.fitness, 5e-5);
    EXPECT_EQ(ties, 0);
    EXPECT_GT(lowest, 0.0) << "roulette shares need positive fitness";
  }
}

// The form and the command line refuse exactly the selectors that the
// evaluation would find no curve for.
TEST(ObjectiveFunctionTest, OnlyExactSelectorsChooseACurve) {
  EXPECT_EQ(ObjectiveFunction(-0.0, 3.0), ObjectiveFunction(0.0, 3.0));
  const struct {
    double selector;
    bool selects;
  } cases[] = {
      {0.0, true},
      {-0.0, true},
      {1.0, true},
      {2.0, true},
      {0.5, false},
      {3.0, false},
      {-1.0, false},
      {1.0000001, false},
      {std::nextafter(2.0, 3.0), false},
      {std::numeric_limits<double>::infinity(), false},
      {std::numeric_limits<double>::quiet_NaN(), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ObjectiveFunction(c.selector, 3.0).has_value(), c.selects) << c.selector;
    EXPECT_EQ(SelectsCurve(c.selector), c.selects) << c.selector;
  }
}

TEST(ObjectiveFunctionTest, SquaresTheGroupBeforeScaling) {
  // 0.1 * (d * d) and 0.1 * d * d differ in the last bit at some chart sample
  // points; the curve must take the first form at every one of them.
  int differing = 0;
  for (int i = 10241; i <= 20480; ++i) {
    const double x = i / 1024.0;
    const double d = x - 15.0;
    if (0.1 * (d * d) == 0.1 * d * d) continue;
    ++differing;
    const double grouped =
        6.0 * std::sin(6.0 * (x - 10.0)) + 30.0 * std::sin(1.3 * x) + 0.1 * (d * d) + 105.0 - 2.5;
    ASSERT_EQ(*ObjectiveFunction(2.0, x), grouped) << "x = " << x;
  }
  EXPECT_GT(differing, 0);
}

// Every curve of the list is selected by its own number and drawn inside the
// chart's axis at every genome position, where the individuals' discs sit.
TEST(TargetCurvesTest, EachCurveIsSelectedByItsNumberAndFitsTheChart) {
  const auto curves = TargetCurves();
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const TargetCurve& curve = curves[i];
    EXPECT_EQ(FindTargetCurve(static_cast<double>(i)), &curve) << "curve " << i;
    for (int v = 0; v < kGenomeValues; ++v) {
      const double f = curve.fitness(v * GeneScale);
      ASSERT_GE(f, curve.chart_lowest) << "curve " << i << " genome " << v;
      ASSERT_LE(f, curve.chart_highest) << "curve " << i << " genome " << v;
    }
  }
  EXPECT_EQ(FindTargetCurve(static_cast<double>(curves.size())), nullptr);
}

}  // namespace
}  // namespace curvesmith
