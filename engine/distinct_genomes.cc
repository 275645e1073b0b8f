#include "engine/distinct_genomes.h"

#include <bitset>

#include "engine/genome_counts.h"
#include "engine/individual.h"

namespace curvesmith {

int DistinctGenomes(const double* positions, int size) {
  std::bitset<kGenomeValues> seen;
  for (int i = 0; i < size; ++i) seen.set(static_cast<std::size_t>(GenomeValueAt(positions[i])));
  return static_cast<int>(seen.count());
}

}  // namespace curvesmith
