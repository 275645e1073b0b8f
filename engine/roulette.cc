#include "engine/roulette.h"

#include <algorithm>
#include <cmath>

namespace curvesmith {
namespace {

double Draw(int r) {
  return (r + 1) * kRouletteStep;
}

// Number of draws d with d <= share. Draws rise with r, so this is the first r
// whose draw lies above the share; one that is not a number stops them all.
int DrawsAtOrBelow(double share) {
  if (std::isnan(share)) return kRouletteDraws;
  // A first guess from the share, then exact steps against the real draws.
  int count = static_cast<int>(std::clamp(share * kRouletteDraws, 0.0, double{kRouletteDraws}));
  while (count < kRouletteDraws && Draw(count) <= share) ++count;
  while (count > 0 && Draw(count - 1) > share) --count;
  return count;
}

}  // namespace

RouletteWheel::RouletteWheel(const double* cumulative_shares, int size) {
  const int last = size - 1;
  int reach = 0;
  for (int e = 0; e < last; ++e) {
    reach = std::max(reach, DrawsAtOrBelow(cumulative_shares[e]));
    reach_[e] = static_cast<std::uint16_t>(reach);
  }
  reach_[last] = kRouletteDraws;

  // block_start_[b] = the number of places whose reach is at most the block's
  // first draw: a histogram of the places by the first block they no longer
  // reach, summed up.
  std::uint16_t starts[kBlocks + 1] = {};
  for (int e = 0; e < last; ++e) ++starts[(reach_[e] + kDrawsPerBlock - 1) / kDrawsPerBlock];
  int start = 0;
  int widest = 0;
  for (int b = 0; b < kBlocks; ++b) {
    start += starts[b];
    block_start_[b] = static_cast<std::uint16_t>(start);
    if (b > 0) widest = std::max(widest, start - block_start_[b - 1]);
  }
  steps_ = std::max(widest, last - start);
}

}  // namespace curvesmith
