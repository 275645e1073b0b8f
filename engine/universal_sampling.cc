#include "engine/universal_sampling.h"

#include <utility>

#include "engine/roulette.h"

namespace curvesmith {

void SampleUniversally(const double* cumulative_shares, int size, int count, CrtRandom& random,
                       std::uint16_t* places) {
  const double d = (random.Rand() % kRouletteDraws + 1) * kRouletteStep;
  // A higher pointer never stops before a lower one's place, whatever the
  // sums are, so one walk along the places serves every pointer.
  int e = 0;
  for (int i = 0; i < count; ++i) {
    const double pointer = (d + i) / count;
    while (e < size - 1 && pointer > cumulative_shares[e]) ++e;
    places[i] = static_cast<std::uint16_t>(e);
  }
  for (int i = count - 1; i >= 1; --i) {
    const int j = random.Rand() % (i + 1);
    std::swap(places[i], places[j]);
  }
}

}  // namespace curvesmith
