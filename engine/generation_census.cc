#include "engine/generation_census.h"

#include <algorithm>
#include <span>

#include "engine/distinct_genomes.h"
#include "engine/run_extent.h"

namespace curvesmith {

GenerationCensus::GenerationCensus(const RunState& state, int generation) {
  const auto [last, population] = RunExtentOf(state);
  const int row = std::clamp(generation, 0, last);
  const std::span<const double> positions(state.PositionHistory[row],
                                          static_cast<std::size_t>(population));
  CountGenomes(positions, counts_);
  distinct_ = curvesmith::DistinctGenomes(positions.data(), population);
  fitness_.fill(0.0);
  std::array<bool, kGenomeValues> seen{};
  for (int i = 0; i < population; ++i) {
    const int genome = GenomeValueAt(positions[i]);
    const double fitness = state.FitnessHistory[row][i];
    fitness_[genome] = seen[genome] ? std::max(fitness_[genome], fitness) : fitness;
    seen[genome] = true;
  }
}

int GenerationCensus::RankOf(int genome) const {
  if (counts_[genome] == 0) return 0;
  int rank = 1;
  for (int v = 0; v < kGenomeValues; ++v) {
    if (counts_[v] > 0 && fitness_[v] > fitness_[genome]) ++rank;
  }
  return rank;
}

}  // namespace curvesmith
