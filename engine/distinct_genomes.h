#ifndef CURVESMITH_ENGINE_DISTINCT_GENOMES_H_
#define CURVESMITH_ENGINE_DISTINCT_GENOMES_H_

namespace curvesmith {

// How many different genomes a generation holds, counted from the decoded
// positions of its places 0 to size - 1 (a row of PositionHistory, or
// DecodedPositions), each read back to its genome by GenomeValueAt. 0 when
// size <= 0.
int DistinctGenomes(const double* positions, int size);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_DISTINCT_GENOMES_H_
