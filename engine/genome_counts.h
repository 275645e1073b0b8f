#ifndef CURVESMITH_ENGINE_GENOME_COUNTS_H_
#define CURVESMITH_ENGINE_GENOME_COUNTS_H_

#include <array>
#include <span>

#include "engine/individual.h"

namespace curvesmith {

// The genome value of a decoded position as the history tables hold it.
// Positions are whole multiples of GeneScale; another value is taken to the
// nearest one and held to 0 to 1023 (NaN counts as 0).
int GenomeValueAt(double x);

// How many individuals sit on each of the 1024 genome values.
using GenomeCounts = std::array<int, kGenomeValues>;

// Counts the genomes of the individuals whose decoded positions are
// `positions` (a row of PositionHistory, say) into `counts`, cleared first.
void CountGenomes(std::span<const double> positions, GenomeCounts& counts);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_GENOME_COUNTS_H_
