#ifndef CURVESMITH_ENGINE_ELITISM_H_
#define CURVESMITH_ENGINE_ELITISM_H_

#include <cstdint>

#include "engine/fitness_order.h"
#include "engine/population_columns.h"
#include "engine/run_state.h"

namespace curvesmith {

// The fittest individuals of one generation, kept aside while the next is
// bred and then copied into it unchanged. Draws nothing.
class Elite {
 public:
  // Keeps the `count` fittest of places 0 to size - 1 (genome and fitness),
  // the lower place first among equal fitness, in place order.
  // `ranking` (may be nullptr) spares a sort (see FitnessOrder).
  // REQUIRES: 0 <= count <= size <= kPopulationCapacity; no fitness is NaN.
  void Take(const PopulationColumns& columns, int size, int count, const GenomeRanking* ranking);

  // Puts them into places size - count to size - 1, in the order they stood.
  void Put(PopulationColumns& columns, int size) const;

 private:
  int count_ = 0;
  std::uint16_t genome_[kPopulationCapacity];
  double fitness_[kPopulationCapacity];
};

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_ELITISM_H_
