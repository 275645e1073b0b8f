#ifndef CURVESMITH_ENGINE_GENOME_FITNESS_H_
#define CURVESMITH_ENGINE_GENOME_FITNESS_H_

namespace curvesmith {

// The fitness of every one of the 1024 genomes on the curve chosen by `curve`,
// indexed by genome value, or nullptr when `curve` selects no curve. Each entry
// is ObjectiveFunction's value bit for bit; the tables are computed once per
// process and shared.
const double* GenomeFitnessTable(double curve);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_GENOME_FITNESS_H_
