#include "engine/mutation.h"

#include <cstring>
#include <numeric>

namespace curvesmith {

float MutationCount(int population_size, double mutation_rate) {
  return static_cast<float>(population_size * mutation_rate);
}

void MutateGenes(int size, double mutation_rate, PopulationColumns& columns, CrtRandom& random) {
  const float count = MutationCount(size, mutation_rate);
  if (!(count > 0.0f) || size <= 0) return;

  // The moves are made on the order of places only, two bytes each, and the
  // individuals are then gathered into that order once.
  std::uint16_t order[kPopulationCapacity];
  std::iota(order, order + size, std::uint16_t{0});
  int mutations = 0;
  do {
    const int front = size - mutations;
    const int k = random.Rand() % front;
    const int g = random.Rand() % kGeneCount;
    const std::uint16_t place = order[k];
    columns.genome[place] ^= static_cast<std::uint16_t>(1 << g);
    std::memmove(order + k, order + k + 1, (front - 1 - k) * sizeof order[0]);
    order[front - 1] = place;
    ++mutations;
  } while (mutations < count && mutations < size);

  PopulationColumns moved;
  for (int i = 0; i < size; ++i) {
    moved.genome[i] = columns.genome[order[i]];
    moved.fitness[i] = columns.fitness[order[i]];
  }
  CopyPlaces(moved, size, columns);
}

void Mutate(const RunState& state, PopulationColumns& columns, CrtRandom& random) {
  MutateGenes(state.PopulationSize, state.MutationRate, columns, random);
}

void Mutate(RunState& state, CrtRandom& random) {
  OnPopulationRecords(state, [&](PopulationColumns& columns) { Mutate(state, columns, random); });
}

}  // namespace curvesmith
