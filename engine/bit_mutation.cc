#include "engine/bit_mutation.h"

#include <algorithm>
#include <cmath>

#include "engine/individual.h"

namespace curvesmith {
namespace {

constexpr int kChanceBits = 30;
constexpr int kDrawBits = 15;

static_assert(kGeneCount <= CrtRandom::kMaxFill);

}  // namespace

int BitFlipChance(double mutation_rate) {
  const double chance = std::floor(mutation_rate / 10.0 * (1 << kChanceBits));
  if (!(chance > 0.0)) return 0;
  return static_cast<int>(std::min(chance, static_cast<double>(1 << kChanceBits)));
}

void MutateBits(int size, double mutation_rate, PopulationColumns& columns, CrtRandom& random) {
  const int chance = BitFlipChance(mutation_rate);
  if (chance == 0) return;
  const int upper = chance >> kDrawBits;
  const int lower = chance & CrtRandom::kRandMax;
  for (int i = 0; i < size; ++i) {
    // The ten first draws are taken at once; only when one of them needs its
    // second draw (one time in 32768) are they taken again, one by one.
    const CrtRandom before = random;
    int draws[kGeneCount];
    random.Fill(draws, kGeneCount);
    int flips = 0;
    bool settled = true;
    for (int j = 0; j < kGeneCount; ++j) {
      flips |= static_cast<int>(draws[j] < upper) << j;
      settled &= draws[j] != upper;
    }
    if (!settled) {
      random = before;
      flips = 0;
      for (int j = 0; j < kGeneCount; ++j) {
        const int a = random.Rand();
        const bool flip = a < upper || (a == upper && random.Rand() < lower);
        flips |= static_cast<int>(flip) << j;
      }
    }
    columns.genome[i] ^= static_cast<std::uint16_t>(flips);
  }
}

}  // namespace curvesmith
