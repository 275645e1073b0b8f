#include "engine/elitism.h"

#include <algorithm>
#include <numeric>

namespace curvesmith {

void Elite::Take(const PopulationColumns& columns, int size, int count) {
  count_ = count;
  if (count == 0) return;
  const double* fitness = columns.fitness;
  // Fitter first, then lower place first: a strict order, so the first
  // `count` after the partition are exactly the elite.
  std::uint16_t order[kPopulationCapacity];
  std::iota(order, order + size, std::uint16_t{0});
  std::nth_element(order, order + count - 1, order + size, [&](int a, int b) {
    return fitness[a] > fitness[b] || (fitness[a] == fitness[b] && a < b);
  });
  bool chosen[kPopulationCapacity] = {};
  for (int k = 0; k < count; ++k) chosen[order[k]] = true;
  int kept = 0;
  for (int i = 0; i < size; ++i) {
    if (!chosen[i]) continue;
    genome_[kept] = columns.genome[i];
    fitness_[kept] = fitness[i];
    ++kept;
  }
}

void Elite::Put(PopulationColumns& columns, int size) const {
  std::copy(genome_, genome_ + count_, columns.genome + size - count_);
  std::copy(fitness_, fitness_ + count_, columns.fitness + size - count_);
}

}  // namespace curvesmith
