#include "engine/run_statistics.h"

#include <algorithm>
#include <limits>
#include <span>

#include "engine/distinct_genomes.h"

namespace curvesmith {
namespace {

GenerationStatistics OfGeneration(const RunState& state, int generation, int population,
                                  GenomeCounts& counts) {
  GenerationStatistics statistics;
  statistics.best_so_far = state.BestFitnessByGeneration[generation];
  const double* fitness = state.FitnessHistory[generation];
  const std::span<const double> positions(state.PositionHistory[generation],
                                          static_cast<std::size_t>(population));
  statistics.distinct_genomes = CountGenomes(positions, counts);
  if (population == 0) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    statistics.generation_best = statistics.mean = statistics.worst = none;
    return statistics;
  }
  int best_place = 0;
  double sum = 0.0;
  double worst = fitness[0];
  for (int i = 0; i < population; ++i) {
    if (fitness[i] > fitness[best_place]) best_place = i;
    worst = std::min(worst, fitness[i]);
    sum += fitness[i];
  }
  statistics.generation_best = fitness[best_place];
  statistics.mean = sum / population;
  statistics.worst = worst;
  statistics.best_genome_share =
      static_cast<double>(counts[GenomeValueAt(positions[best_place])]) / population;
  return statistics;
}

}  // namespace

RunStatistics ComputeRunStatistics(const RunState& state) {
  RunStatistics run;
  const int last = std::clamp(state.Generation, 0, kByGenerationEntries - 1);
  run.population_size = std::clamp(state.PopulationSize, 0, kMaxPopulation);
  run.maximum = TrueMaximum(state.TargetCurve);
  run.generations.reserve(static_cast<std::size_t>(last) + 1);
  GenomeCounts counts;
  for (int g = 0; g <= last; ++g) {
    run.generations.push_back(OfGeneration(state, g, run.population_size, counts));
  }
  return run;
}

}  // namespace curvesmith
