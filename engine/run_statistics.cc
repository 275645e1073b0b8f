#include "engine/run_statistics.h"

#include <algorithm>
#include <limits>
#include <span>

#include "engine/curve_maximum.h"
#include "engine/distinct_genomes.h"
#include "engine/run_extent.h"

namespace curvesmith {
namespace {

struct FitnessSummary {
  int best_place = 0;  // the first place with the highest fitness
  double best = 0.0;
  double worst = 0.0;
  double sum = 0.0;
};

// Kept out of line: inlined into the caller, the loop kept its running values
// in memory and took twice as long.
// REQUIRES: population >= 1.
[[gnu::noinline]] FitnessSummary Summarise(const double* fitness, int population) {
  FitnessSummary summary{0, fitness[0], fitness[0], 0.0};
  for (int i = 0; i < population; ++i) {
    const double f = fitness[i];
    if (f > summary.best) {
      summary.best = f;
      summary.best_place = i;
    }
    summary.worst = f < summary.worst ? f : summary.worst;
    summary.sum += f;
  }
  return summary;
}

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
  const FitnessSummary summary = Summarise(fitness, population);
  statistics.generation_best = summary.best;
  statistics.mean = summary.sum / population;
  statistics.worst = summary.worst;
  const double best_x = positions[summary.best_place];
  int on_best = 0;
  for (const double x : positions) on_best += x == best_x ? 1 : 0;
  statistics.best_genome_share = static_cast<double>(on_best) / population;
  return statistics;
}

}  // namespace

RunStatistics ComputeRunStatistics(const RunState& state, const CurveTable* curve) {
  RunStatistics run;
  const auto [last, places] = RunExtentOf(state);
  run.population_size = places;
  if (curve != nullptr) {
    run.maximum =
        RunStatistics::Maximum{CurveMaximumGenome(*curve) * GeneScale, CurveMaximum(*curve)};
  } else if (const auto genome = CurveMaximumGenome(state.TargetCurve)) {
    run.maximum = RunStatistics::Maximum{*genome * GeneScale, *CurveMaximum(state.TargetCurve)};
  }
  run.generations.reserve(static_cast<std::size_t>(last) + 1);
  for (int g = 0; g <= last; ++g) {
    run.generations.push_back(OfGeneration(state, g, run.population_size));
  }
  return run;
}

}  // namespace curvesmith
