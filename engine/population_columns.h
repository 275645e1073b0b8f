#ifndef CURVESMITH_ENGINE_POPULATION_COLUMNS_H_
#define CURVESMITH_ENGINE_POPULATION_COLUMNS_H_

#include <cstdint>

#include "engine/individual.h"
#include "engine/run_state.h"

namespace curvesmith {

// The working form of a population while a run breeds it: each genome as its
// 10-bit value and each fitness in a column of its own. Breeding moves ten
// bytes per individual instead of a 48-byte record, and crossover is two masks.
// It holds exactly what the records hold; Pack and Unpack convert places
// 0 to size - 1 between the two forms.
struct PopulationColumns {
  std::uint16_t genome[kPopulationCapacity];
  double fitness[kPopulationCapacity];
};

// REQUIRES: every gene of places 0 to size - 1 is 0 or 1.
void Pack(const Individual* population, int size, PopulationColumns& columns);
void Unpack(const PopulationColumns& columns, int size, Individual* population);

// The record of one place: genes spelled out from the genome value.
Individual IndividualAt(const PopulationColumns& columns, int place);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_POPULATION_COLUMNS_H_
