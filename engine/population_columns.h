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

// Places 0 to size - 1 of `from` become those of `to`.
void CopyPlaces(const PopulationColumns& from, int size, PopulationColumns& to);

// Runs `step` on the working form of the state's Population records (places
// 0 to PopulationSize - 1), then writes the records back.
template <typename Step>
void OnPopulationRecords(RunState& state, Step&& step) {
  const int size = state.PopulationSize > 0 ? state.PopulationSize : 0;
  PopulationColumns columns;
  Pack(state.Population, size, columns);
  step(columns);
  Unpack(columns, size, state.Population);
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_POPULATION_COLUMNS_H_
