#include "engine/elitism.h"

#include <algorithm>

namespace curvesmith {

void Elite::Take(const PopulationColumns& columns, int size, int count,
                 const GenomeRanking* ranking) {
  count_ = count;
  if (count == 0) return;
  const Standings standings(FitnessOrder(columns.genome, columns.fitness, size, ranking));
  int kept = 0;
  for (int i = 0; i < size; ++i) {
    if (standings.StandingOf(i) >= count) continue;
    genome_[kept] = columns.genome[i];
    fitness_[kept] = columns.fitness[i];
    ++kept;
  }
}

void Elite::Put(PopulationColumns& columns, int size) const {
  std::copy(genome_, genome_ + count_, columns.genome + size - count_);
  std::copy(fitness_, fitness_ + count_, columns.fitness + size - count_);
}

}  // namespace curvesmith
