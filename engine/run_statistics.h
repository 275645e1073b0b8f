#ifndef CURVESMITH_ENGINE_RUN_STATISTICS_H_
#define CURVESMITH_ENGINE_RUN_STATISTICS_H_

#include <optional>
#include <vector>

#include "engine/curve_table.h"
#include "engine/run_state.h"

namespace curvesmith {

// How one generation of a run stood.
struct GenerationStatistics {
  double best_so_far = 0.0;  // BestFitnessByGeneration of the generation
  // Highest, mean and lowest fitness of the generation's individuals; NaN
  // when the population is empty.
  double generation_best = 0.0;
  double mean = 0.0;
  double worst = 0.0;
  int distinct_genomes = 0;
  // Share (0 to 1) of the population on the genome of the generation's best
  // individual (the first in place order with the highest fitness); 0 when
  // the population is empty.
  double best_genome_share = 0.0;
};

// The run at a glance, generation by generation.
struct RunStatistics {
  std::vector<GenerationStatistics> generations;  // 0 to Generation
  int population_size = 0;
  // The best point of the run's curve over the genome grid (see
  // CurveMaximum); nothing when the run's target curve selects no curve.
  struct Maximum {
    double x = 0.0;
    double fitness = 0.0;
  };
  std::optional<Maximum> maximum;
};

// Reads generations 0 to Generation and places 0 to PopulationSize - 1 of the
// state's history tables (counts held to the tables' capacities). `curve` is
// the run's own curve when it had one (a formula's), whose maximum then
// stands for TargetCurve's.
RunStatistics ComputeRunStatistics(const RunState& state, const CurveTable* curve = nullptr);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_RUN_STATISTICS_H_
