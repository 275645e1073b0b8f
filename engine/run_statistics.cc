#include "engine/run_statistics.h"

#include <algorithm>
#include <limits>
#include <span>

#include "engine/curve_maximum.h"
#include "engine/distinct_genomes.h"

namespace curvesmith {
namespace {

GenerationStatistics OfGeneration(const RunState& state, int generation, int population) {
  GenerationStatistics statistics;
  statistics.best_so_far = state.BestFitnessByGeneration[generation];
  const double* fitness = state.FitnessHistory[generation];
  const std::span<const double> positions(state.PositionHistory[generation],
                                          static_cast<std::size_t>(population));
  statistics.distinct_genomes = DistinctGenomes(positions.data(), population);
  if (population == 0) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    statistics.generation_best = statistics.mean = statistics.worst = none;
    return statistics;
  }
  int best_place = 0;
  double best = fitness[0];
  double worst = fitness[0];
  double sum = 0.0;
  for (int i = 0; i < population; ++i) {
    const double f = fitness[i];
    if (f > best) {
      best = f;
      best_place = i;
    }
    worst = f < worst ? f : worst;
    sum += f;
  }
  statistics.generation_best = best;
  statistics.mean = sum / population;
  statistics.worst = worst;
  const double best_x = positions[best_place];
  int on_best = 0;
  for (const double x : positions) on_best += x == best_x ? 1 : 0;
  statistics.best_genome_share = static_cast<double>(on_best) / population;
  return statistics;
}

}  // namespace

RunStatistics ComputeRunStatistics(const RunState& state) {
  RunStatistics run;
  const int last = std::clamp(state.Generation, 0, kByGenerationEntries - 1);
  run.population_size = std::clamp(state.PopulationSize, 0, kMaxPopulation);
  if (const auto genome = CurveMaximumGenome(state.TargetCurve)) {
    run.maximum = RunStatistics::Maximum{*genome * GeneScale, *CurveMaximum(state.TargetCurve)};
  }
  run.generations.reserve(static_cast<std::size_t>(last) + 1);
  for (int g = 0; g <= last; ++g) {
    run.generations.push_back(OfGeneration(state, g, run.population_size));
  }
  return run;
}

}  // namespace curvesmith
