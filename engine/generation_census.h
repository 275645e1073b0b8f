#ifndef CURVESMITH_ENGINE_GENERATION_CENSUS_H_
#define CURVESMITH_ENGINE_GENERATION_CENSUS_H_

#include <array>

#include "engine/genome_counts.h"
#include "engine/run_state.h"

namespace curvesmith {

// Who is who in one generation of a run: how many individuals carry each
// genome and how the distinct genomes rank by fitness.
class GenerationCensus {
 public:
  // Reads row `generation` (held to 0 .. Generation) and places 0 to
  // PopulationSize - 1 of the history tables.
  GenerationCensus(const RunState& state, int generation);

  int DistinctGenomes() const { return distinct_; }
  // Individuals of the generation on `genome` (0 to 1023).
  int CountOf(int genome) const { return counts_[genome]; }
  // 1 for the fittest distinct genome; genomes of equal fitness share a rank,
  // and the next rank counts them all (1, 1, 3). 0 for a genome nobody
  // carries.
  int RankOf(int genome) const;

 private:
  GenomeCounts counts_;
  // The highest fitness recorded on each genome carried.
  std::array<double, kGenomeValues> fitness_;
  int distinct_ = 0;
};

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_GENERATION_CENSUS_H_
