#include "engine/evaluation.h"

#include "engine/genome_fitness.h"

namespace curvesmith {

void EvaluateGeneration(RunState& state) {
  const int size = state.PopulationSize;
  const int generation = state.Generation;
  const double* fitness_of = GenomeFitnessTable(state.TargetCurve);

  // 1 - Scoring pass.
  for (int i = 0; i < size; ++i) {
    Individual& individual = state.Population[i];
    const int value = GenomeValue(individual);
    const double x = value * GeneScale;
    state.DecodedPositions[i] = x;
    if (fitness_of != nullptr) individual.fitness = fitness_of[value];
    state.PositionHistory[generation][i] = x;
    state.FitnessHistory[generation][i] = individual.fitness;
  }

  // 2 - Best of the generation: strictly better only, so ties keep the first.
  int best = 0;
  for (int k = 1; k < size; ++k) {
    if (state.Population[k].fitness > state.Population[best].fitness) best = k;
  }
  state.GenerationBest = state.Population[best];

  // 3 - Best so far: a new run starts afresh; ties go to the later generation.
  if (generation == 0 || state.GenerationBest.fitness >= state.BestSoFar.fitness) {
    state.BestSoFar = state.GenerationBest;
  }

  // 4 - Per-generation record.
  state.BestFitnessByGeneration[generation] = state.BestSoFar.fitness;
  state.BestPositionByGeneration[generation] = DecodeGenome(state.BestSoFar);
}

}  // namespace curvesmith
