#include "engine/roulette.h"

#include <algorithm>
#include <cmath>

namespace curvesmith {
namespace {

double Draw(int r) {
  return (r + 1) * kRouletteStep;
}

// Number of draws d with d <= share, that is the first r whose draw lies above
// it. Draws rise with r, so this is a count; a share that is not a number stops
// every draw that reaches it.
int DrawsAtOrBelow(double share) {
  if (std::isnan(share) || share >= Draw(kRouletteDraws - 1)) return kRouletteDraws;
  if (!(share >= Draw(0))) return 0;
  // A first guess from the share, then exact steps against the real draws.
  int count = static_cast<int>(share * kRouletteDraws);
  while (count < kRouletteDraws && Draw(count) <= share) ++count;
  while (count > 0 && Draw(count - 1) > share) --count;
  return count;
}

}  // namespace

RouletteWheel::RouletteWheel(const double* cumulative_shares, int size) {
  // Draws below `filled` already stopped at an earlier place; place e takes
  // the rest of those that stop at it.
  int filled = 0;
  for (int e = 0; e < size - 1 && filled < kRouletteDraws; ++e) {
    const int reach = DrawsAtOrBelow(cumulative_shares[e]);
    if (reach > filled) {
      std::fill(place_of_draw_ + filled, place_of_draw_ + reach, static_cast<std::uint16_t>(e));
      filled = reach;
    }
  }
  std::fill(place_of_draw_ + filled, place_of_draw_ + kRouletteDraws,
            static_cast<std::uint16_t>(size - 1));
}

}  // namespace curvesmith
