#include "engine/roulette.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace curvesmith {
namespace {

// The place the plain scan gives for draw r: the first entry not below the
// draw, never beyond the last place.
int ScannedPlace(const std::vector<double>& shares, int r) {
  const double d = (r + 1) * 0.0001;
  int e = 0;
  while (e < static_cast<int>(shares.size()) - 1 && d > shares[e]) ++e;
  return e;
}

std::vector<double> RunningSums(const std::vector<double>& fitness) {
  double total = 0.0;
  for (double f : fitness) total += f;
  std::vector<double> sums;
  for (double f : fitness) sums.push_back(f / total);
  for (std::size_t i = 1; i < sums.size(); ++i) sums[i] = sums[i - 1] + sums[i];
  return sums;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RouletteWheelTest, GivesThePlaceOfThePlainScanForEveryDraw) {
  std::vector<double> thousand;
  for (int i = 0; i < 1000; ++i) thousand.push_back(1.0 + (i * 7919 % 1000) / 10.0);
  const std::vector<std::vector<double>> cases = {
      {1.0},                                 // a single place takes every draw
      RunningSums(thousand),                 // a full population
      RunningSums({1.0, 1.0, 1.0}),          // thirds: the sum ends just below 1
      {0.3, 0.9999999999},                   // draw 1.0 lies above every entry
      {0.0001, 0.0003, 0.00030000001, 1.0},  // entries exactly on draws
      {0.00005, 0.5, 1.0},                   // a share too small for any draw
      {0.5, 0.3, 0.9, 0.2, 1.0},             // falling sums (negative fitness)
      {-0.5, 2.0},                           // beyond 0 to 1
      {kNaN, kNaN, kNaN},                    // zero total: every draw stops at 0
      {0.2, kNaN, 1.0},                      // a NaN stops the draws that reach it
      {0.00005, kInf, kInf, 1.0},            // an infinite sum takes every draw left
      {kInf},                                // even as the only place
      {-kInf, 0.5, 1.0},                     // one below every draw takes none
  };
  for (const std::vector<double>& shares : cases) {
    const RouletteWheel wheel(shares.data(), static_cast<int>(shares.size()));
    for (int r = 0; r < kRouletteDraws; ++r) {
      ASSERT_EQ(wheel.PlaceOfDraw(r), ScannedPlace(shares, r))
          << "draw " << r << " over " << shares.size() << " places";
    }
  }
}

TEST(RouletteWheelTest, DrawOfExactlyOneTakesTheFirstPlaceThatReachesOne) {
  const double shares[] = {0.25, 1.0, 1.0, 1.0};
  const RouletteWheel wheel(shares, 4);
  EXPECT_EQ(wheel.PlaceOfDraw(kRouletteDraws - 1), 1);
  EXPECT_EQ(wheel.PlaceOfDraw(2499), 0);
  EXPECT_EQ(wheel.PlaceOfDraw(2500), 1);
}

}  // namespace
}  // namespace curvesmith
