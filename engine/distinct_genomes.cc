#include "engine/distinct_genomes.h"

#include <bitset>

#include "engine/individual.h"

namespace curvesmith {

int DistinctGenomes(const double* positions, int size) {
  std::bitset<kGenomeValues> seen;
  // A position is v * GeneScale exactly, so the division gives v back exactly.
  for (int i = 0; i < size; ++i) seen.set(static_cast<int>(positions[i] / GeneScale));
  return static_cast<int>(seen.count());
}

}  // namespace curvesmith
