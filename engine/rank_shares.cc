#include "engine/rank_shares.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "engine/run_state.h"

namespace curvesmith {

void CumulativeRankShares(const double* fitness, int size, double* cumulative_shares) {
  std::uint16_t order[kPopulationCapacity];
  std::iota(order, order + size, std::uint16_t{0});
  std::sort(order, order + size, [&](int a, int b) { return fitness[a] < fitness[b]; });

  // Ranks first + 1 to last share their mean, (first + 1 + last) / 2: a whole
  // number or a half, so the weights and their sums are exact.
  double* weight = cumulative_shares;
  for (int first = 0; first < size;) {
    int last = first + 1;
    while (last < size && fitness[order[last]] == fitness[order[first]]) ++last;
    const double mean_rank = (first + 1 + last) / 2.0;
    for (int k = first; k < last; ++k) weight[order[k]] = mean_rank;
    first = last;
  }

  double total = 0.0;
  for (int i = 0; i < size; ++i) total += weight[i];
  double running = weight[0] / total;
  cumulative_shares[0] = running;
  for (int i = 1; i < size; ++i) {
    running = running + weight[i] / total;
    cumulative_shares[i] = running;
  }
}

}  // namespace curvesmith
