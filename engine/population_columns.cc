#include "engine/population_columns.h"

#include <algorithm>

namespace curvesmith {

void Pack(const Individual* population, int size, PopulationColumns& columns) {
  for (int i = 0; i < size; ++i) {
    columns.genome[i] = static_cast<std::uint16_t>(GenomeValue(population[i]));
    columns.fitness[i] = population[i].fitness;
  }
}

Individual IndividualAt(const PopulationColumns& columns, int place) {
  Individual individual;
  const int value = columns.genome[place];
  for (int j = 0; j < kGeneCount; ++j) individual.gene[j] = (value >> j) & 1;
  individual.fitness = columns.fitness[place];
  return individual;
}

void CopyPlaces(const PopulationColumns& from, int size, PopulationColumns& to) {
  std::copy(from.genome, from.genome + size, to.genome);
  std::copy(from.fitness, from.fitness + size, to.fitness);
}

void Unpack(const PopulationColumns& columns, int size, Individual* population) {
  for (int i = 0; i < size; ++i) population[i] = IndividualAt(columns, i);
}

}  // namespace curvesmith
