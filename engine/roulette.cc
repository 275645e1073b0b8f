#include "engine/roulette.h"

#include <algorithm>

namespace curvesmith {
namespace {

double Draw(int r) {
  return (r + 1) * kRouletteStep;
}

// Number of draws d with d <= share. Draws rise with r, so this is the first r
// whose draw lies above the share; one that is not a number stops them all.
// Written without branches: whether a guess is off is as good as random.
int DrawsAtOrBelow(double share) {
  // share * 10000 lies within one of the count (NaN is held at the top), so
  // one exact step against the real draws each way settles it.
  double guess = share * kRouletteDraws;
  guess = guess < kRouletteDraws ? guess : kRouletteDraws;
  guess = guess > 0.0 ? guess : 0.0;
  int count = static_cast<int>(guess);
  count += (count < kRouletteDraws) & (Draw(count) <= share);
  count -= (count > 0) & (Draw(count - 1) > share);
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

  // The first draw of block b stops at the first place whose reach exceeds
  // it, which is one past the last place whose reach does not. Reaches never
  // fall, so each place just marks the first block it no longer reaches; a
  // block no place marks starts where the block before it did.
  std::uint16_t past[kBlocks + 1] = {};
  for (int e = 0; e < last; ++e) {
    past[(reach_[e] + kDrawsPerBlock - 1) / kDrawsPerBlock] = static_cast<std::uint16_t>(e + 1);
  }
  int start = past[0];
  int widest = 0;
  block_start_[0] = static_cast<std::uint16_t>(start);
  for (int b = 1; b < kBlocks; ++b) {
    const int previous = start;
    start = std::max<int>(start, past[b]);
    block_start_[b] = static_cast<std::uint16_t>(start);
    widest = std::max(widest, start - previous);
  }
  steps_ = std::max(widest, last - start);
}

}  // namespace curvesmith
