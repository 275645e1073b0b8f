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
// place, so a spin never passes place size - 1.
//
// There are only 10000 draws, so the wheel counts, for each place, how many
// draws stop at or before it (`reach_`, never falling, whatever the sums are).
// Draw r then picks the first place whose reach exceeds r. A spin starts from
// where the first draw of its block of kDrawsPerBlock draws stops and takes a
// fixed number of steps without branching on the data: random draws make such
// branches unpredictable, and they used to cost more than the rest of a
// generation together.
class RouletteWheel {
 public:
  // REQUIRES: 1 <= size <= kPopulationCapacity.
  RouletteWheel(const double* cumulative_shares, int size);

  // Place picked by draw r, 0 <= r < kRouletteDraws.
  int PlaceOfDraw(int r) const {
    int e = block_start_[r / kDrawsPerBlock];
    for (int step = 0; step < steps_; ++step) e += reach_[e] <= r ? 1 : 0;
    return e;
  }

 private:
  static constexpr int kDrawsPerBlock = 8;
  static constexpr int kBlocks = kRouletteDraws / kDrawsPerBlock;
  static_assert(kRouletteDraws % kDrawsPerBlock == 0);

  int steps_ = 0;
  std::uint16_t reach_[kPopulationCapacity];
  std::uint16_t block_start_[kBlocks];
};

// One roulette draw from the run's generator.
inline int SpinRoulette(const RouletteWheel& wheel, CrtRandom& random) {
  return wheel.PlaceOfDraw(random.Rand() % kRouletteDraws);
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_ROULETTE_H_
