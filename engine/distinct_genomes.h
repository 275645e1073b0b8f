#ifndef CURVESMITH_ENGINE_DISTINCT_GENOMES_H_
#define CURVESMITH_ENGINE_DISTINCT_GENOMES_H_

namespace curvesmith {

// How many different genomes a generation holds, counted from the decoded
// positions of its places 0 to size - 1 (a row of PositionHistory, or
// DecodedPositions). Every genome has a position of its own, so equal
// positions mean equal genomes. 0 when size <= 0.
// REQUIRES: each position is a genome's, v * GeneScale for v = 0 to 1023.
int DistinctGenomes(const double* positions, int size);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_DISTINCT_GENOMES_H_
