#ifndef CURVESMITH_ENGINE_UNIVERSAL_SAMPLING_H_
#define CURVESMITH_ENGINE_UNIVERSAL_SAMPLING_H_

#include <cstdint>

#include "engine/crt_random.h"

namespace curvesmith {

// Stochastic universal sampling: `count` choices among places 0 to size - 1
// made at once over the running sums of their shares (CumulativeShares), so
// that each place is chosen its share of `count` times, rounded up or down.
//  1. One draw, as a roulette spin takes it: r = rand() % 10000,
//     d = (r + 1) * 0.0001.
//  2. Pointer i = (d + i) / count for i = 0 to count - 1, equally spaced over
//     0 to 1; each picks the place a roulette draw of that value picks (the
//     first e with pointer <= CumulativeShares[e], a NaN entry stopping there,
//     never beyond place size - 1).
//  3. The pointers pick places in place order, so the choices are shuffled
//     for use: for i = count - 1 down to 1, j = rand() % (i + 1) and choices
//     i and j swap places. Used in pointer order, the choices would pair
//     every place with itself or its neighbour and give the copied places
//     only to the last places of the population.
// Writes the choices to places[0] to places[count - 1]: 1 + (count - 1) draws.
// REQUIRES: 1 <= size, 1 <= count <= CrtRandom::kRandMax + 1.
void SampleUniversally(const double* cumulative_shares, int size, int count, CrtRandom& random,
                       std::uint16_t* places);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_UNIVERSAL_SAMPLING_H_
