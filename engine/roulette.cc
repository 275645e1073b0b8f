#include "engine/roulette.h"

#include <algorithm>
#include <array>
#include <limits>

namespace curvesmith {
namespace {

// Draws()[r + 1] is the draw of r, (r + 1) * 0.0001, for r = 0 to 9999. The
// two ends stand for "no draw" on either side: -infinity lies above no share,
// and NaN lies at or below none, not even a share of +infinity.
using DrawTable = std::array<double, kRouletteDraws + 2>;

const DrawTable& Draws() {
  static const DrawTable draws = [] {
    DrawTable table;
    table.front() = -std::numeric_limits<double>::infinity();
    for (int r = 0; r < kRouletteDraws; ++r) table[r + 1] = (r + 1) * kRouletteStep;
    table.back() = std::numeric_limits<double>::quiet_NaN();
    return table;
  }();
  return draws;
}

// Number of draws d with d <= share, from 0 to kRouletteDraws. Draws rise with
// r, so this is the first r whose draw lies above the share; one that is not a
// number stops them all.
// share * 10000 lies within one of the count (NaN is held at the top), and one
// exact comparison with the real draws each way settles it, without branches:
// whether a guess is off is as good as random.
int DrawsAtOrBelow(const DrawTable& draws, double share) {
  double guess = share * kRouletteDraws;
  guess = guess < kRouletteDraws ? guess : kRouletteDraws;
  guess = guess > 0.0 ? guess : 0.0;
  const int count = static_cast<int>(guess);
  return count + (draws[count + 1] <= share) - (draws[count] > share);
}

}  // namespace

void CumulativeFitnessShares(const double* fitness, int size, double* cumulative_shares) {
  double total = 0.0;
  for (int i = 0; i < size; ++i) total += fitness[i];
  // Each share is added as soon as it is divided, so the divisions overlap
  // the chain of additions.
  double running = fitness[0] / total;
  cumulative_shares[0] = running;
  for (int i = 1; i < size; ++i) {
    running = running + fitness[i] / total;
    cumulative_shares[i] = running;
  }
}

RouletteWheel::RouletteWheel(const double* cumulative_shares, int size) {
  const DrawTable& draws = Draws();
  const int last = size - 1;
  // Draws below `filled` stopped at an earlier place; place e takes those
  // from there to its own reach.
  int filled = 0;
  for (int e = 0; e < last; ++e) {
    const int reach = std::max(filled, DrawsAtOrBelow(draws, cumulative_shares[e]));
    std::uint16_t* group = place_of_draw_ + filled;
    do {
      std::fill_n(group, kFillGroup, static_cast<std::uint16_t>(e));
      group += kFillGroup;
    } while (group < place_of_draw_ + reach);
    filled = reach;
  }
  std::fill(place_of_draw_ + filled, place_of_draw_ + kRouletteDraws,
            static_cast<std::uint16_t>(last));
}

}  // namespace curvesmith
