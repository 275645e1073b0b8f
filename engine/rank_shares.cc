#include "engine/rank_shares.h"

namespace curvesmith {

void CumulativeRankShares(const FitnessOrder& order, double* cumulative_shares) {
  const int size = order.size();
  // Ranks first + 1 to end share their mean, (first + 1 + end) / 2: a whole
  // number or a half, so the weights and their sums are exact.
  double* weight = cumulative_shares;
  for (int first = 0; first < size;) {
    const int end = order.RunEndAt(first);
    const double mean_rank = (first + 1 + end) / 2.0;
    for (int k = first; k < end; ++k) weight[order.PlaceAt(k)] = mean_rank;
    first = end;
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
