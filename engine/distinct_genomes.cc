#include "engine/distinct_genomes.h"

namespace curvesmith {

// Multiplying by the reciprocal is off from the whole genome value by far
// less than half, so rounding recovers it; cheaper than dividing, and the
// statistics read a million positions.
int GenomeValueAt(double x) {
  constexpr double kGenomesPerUnit = 1.0 / GeneScale;
  const double value = x * kGenomesPerUnit + 0.5;
  if (!(value >= 1.0)) return 0;
  return value >= kGenomeValues - 1 ? kGenomeValues - 1 : static_cast<int>(value);
}

int CountGenomes(std::span<const double> positions, GenomeCounts& counts) {
  counts.fill(0);
  int distinct = 0;
  for (const double x : positions) distinct += counts[GenomeValueAt(x)]++ == 0 ? 1 : 0;
  return distinct;
}

int CountDistinctGenomes(std::span<const double> positions) {
  GenomeCounts counts;
  return CountGenomes(positions, counts);
}

int CountDistinctGenomes(std::span<const Individual> population) {
  std::array<bool, kGenomeValues> seen{};
  int distinct = 0;
  for (const Individual& individual : population) {
    bool& here = seen[GenomeValue(individual)];
    distinct += here ? 0 : 1;
    here = true;
  }
  return distinct;
}

}  // namespace curvesmith
