#ifndef CURVESMITH_ENGINE_ROULETTE_H_
#define CURVESMITH_ENGINE_ROULETTE_H_

#include <cstdint>

#include "engine/crt_random.h"
#include "engine/run_state.h"

namespace curvesmith {

// A spin draws r = rand() % 10000 and d = (r + 1) * 0.0001.
inline constexpr int kRouletteDraws = 10000;
inline constexpr double kRouletteStep = 0.0001;

// Fitness-proportional selection over the running sums of the fitness shares
// (CumulativeShares) of places 0 to size - 1.
//
// A draw d picks the first place e with d <= CumulativeShares[e]; an entry that
// is not a number also stops there. A draw above every entry picks the last
// place, so a spin never passes place size - 1. Because there are only 10000
// draws, the wheel works out the place of each one when it is built; any
// running sums, even ones that decrease, give the place the plain scan gives.
class RouletteWheel {
 public:
  // REQUIRES: 1 <= size <= kPopulationCapacity.
  RouletteWheel(const double* cumulative_shares, int size);

  // Place picked by draw r, 0 <= r < kRouletteDraws.
  int PlaceOfDraw(int r) const { return place_of_draw_[r]; }

 private:
  std::uint16_t place_of_draw_[kRouletteDraws];
};

// One roulette draw from the run's generator.
inline int SpinRoulette(const RouletteWheel& wheel, CrtRandom& random) {
  return wheel.PlaceOfDraw(random.Rand() % kRouletteDraws);
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_ROULETTE_H_
