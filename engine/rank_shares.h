#ifndef CURVESMITH_ENGINE_RANK_SHARES_H_
#define CURVESMITH_ENGINE_RANK_SHARES_H_

#include "engine/fitness_order.h"

namespace curvesmith {

// The running sums of the rank shares of the places of `order`, for the
// roulette wheel of rank selection. Ranked by fitness, the worst place weighs
// 1 and the best N; places of equal fitness each weigh the mean of the ranks
// they hold together. Entry i is the sum of weight / total over places 0 to
// i, added in place order as the fitness shares are, with the total the
// weights' sum (N (N + 1) / 2). Fitness may be of any sign.
void CumulativeRankShares(const FitnessOrder& order, double* cumulative_shares);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_RANK_SHARES_H_
