#include "engine/genome_counts.h"

namespace curvesmith {

// Multiplying by the reciprocal is off from the whole genome value by far
// less than half, so rounding recovers it; cheaper than dividing, and the
// statistics of a run read a million positions.
int GenomeValueAt(double x) {
  constexpr double kGenomesPerUnit = 1.0 / GeneScale;
  const double value = x * kGenomesPerUnit + 0.5;
  if (!(value >= 1.0)) return 0;
  return value >= kGenomeValues - 1 ? kGenomeValues - 1 : static_cast<int>(value);
}

void CountGenomes(std::span<const double> positions, GenomeCounts& counts) {
  counts.fill(0);
  for (const double x : positions) ++counts[GenomeValueAt(x)];
}

}  // namespace curvesmith
