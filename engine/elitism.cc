#include "engine/elitism.h"

#include <algorithm>
#include <numeric>

namespace curvesmith {

void Elite::Take(const PopulationColumns& columns, int size, int count) {
  count_ = count;
  if (count == 0) return;
  const double* fitness = columns.fitness;
  std::uint16_t order[kPopulationCapacity];
  std::iota(order, order + size, std::uint16_t{0});
  std::partial_sort(order, order + count, order + size, [&](int a, int b) {
    return fitness[a] > fitness[b] || (fitness[a] == fitness[b] && a < b);
  });
  for (int k = 0; k < count; ++k) {
    genome_[k] = columns.genome[order[k]];
    fitness_[k] = fitness[order[k]];
  }
}

void Elite::Put(PopulationColumns& columns, int size) const {
  std::copy(genome_, genome_ + count_, columns.genome + size - count_);
  std::copy(fitness_, fitness_ + count_, columns.fitness + size - count_);
}

}  // namespace curvesmith
