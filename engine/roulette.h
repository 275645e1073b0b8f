#ifndef CURVESMITH_ENGINE_ROULETTE_H_
#define CURVESMITH_ENGINE_ROULETTE_H_

#include <cstdint>

#include "engine/crt_random.h"
#include "engine/run_state.h"

namespace curvesmith {

// The running sums of the fitness shares of places 0 to size - 1: entry i is
// the sum of fitness / total over places 0 to i, in place order, with the
// total the sum of all of them. The last entry is 1 up to rounding.
// REQUIRES: 1 <= size.
void CumulativeFitnessShares(const double* fitness, int size, double* cumulative_shares);

// A spin draws r = rand() % 10000 and d = (r + 1) * 0.0001.
inline constexpr int kRouletteDraws = 10000;
inline constexpr double kRouletteStep = 0.0001;

// Fitness-proportional selection over the running sums of the fitness shares
// (CumulativeShares) of places 0 to size - 1.
//
// A draw d picks the first place e with d <= CumulativeShares[e]; an entry that
// is not a number also stops there. A draw above every entry picks the last
// place, so a spin never passes place size - 1.
//
// There are only 10000 draws, so the wheel works out the place of every one of
// them when it is built: it counts how many draws each place reaches (a count
// that never falls, whatever the sums are) and gives each place the draws
// between the reach of the places before it and its own. A spin is then one
// look-up, with no branch on random data.
class RouletteWheel {
 public:
  // REQUIRES: 1 <= size <= kPopulationCapacity.
  RouletteWheel(const double* cumulative_shares, int size);

  // Place picked by draw r, 0 <= r < kRouletteDraws.
  int PlaceOfDraw(int r) const { return place_of_draw_[r]; }

 private:
  // Places are written in groups of this many draws, whole groups even where
  // a place has fewer (the next place overwrites the rest), so the table has
  // room for one group beyond its end.
  static constexpr int kFillGroup = 16;

  std::uint16_t place_of_draw_[kRouletteDraws + kFillGroup];
};

// One roulette draw from the run's generator.
inline int SpinRoulette(const RouletteWheel& wheel, CrtRandom& random) {
  return wheel.PlaceOfDraw(random.Rand() % kRouletteDraws);
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_ROULETTE_H_
