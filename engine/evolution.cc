#include "engine/evolution.h"

#include <algorithm>
#include <cmath>

#include "engine/evaluation.h"
#include "engine/mutation.h"
#include "engine/population_columns.h"
#include "engine/run_parameters.h"
#include "engine/selection.h"

namespace curvesmith {
namespace {

double RateWithin(float value) {
  if (std::isnan(value)) return 0.0;
  return std::clamp(static_cast<double>(value), 0.0, 1.0);
}

}  // namespace

void InitializePopulation(RunState& state, CrtRandom& random) {
  for (int i = 0; i < state.PopulationSize; ++i) {
    for (int j = 0; j < kGeneCount; ++j) state.Population[i].gene[j] = random.Rand() % 2;
  }
}

void BreedGeneration(RunState& state, CrtRandom& random) {
  SelectAndCross(state, random);
  Mutate(state, random);
}

void RunEvolution(RunState& state, const ParameterSet& parameters, std::uint32_t seed) {
  // 1 - Parameters.
  state.PopulationSize = RunCount(parameters.PopulationSize, kMaxPopulation);
  state.MaxGenerations = RunCount(parameters.Generations, kMaxGenerations);
  state.CrossoverRate = RateWithin(parameters.CrossoverRate);
  state.MutationRate = RateWithin(parameters.MutationRate);
  state.TargetCurve = parameters.TargetCurve;

  // 2 - One random sequence for the whole run.
  CrtRandom random(seed);

  // 3 - The initial population. From here on the run breeds the population in
  // its working form and writes the records back once, at the end.
  const int size = std::max(state.PopulationSize, 0);
  state.Generation = 0;
  InitializePopulation(state, random);
  PopulationColumns columns;
  Pack(state.Population, size, columns);
  EvaluateGeneration(state, columns);

  // 4 - Generation after generation: breed, then evaluate.
  while (state.Generation < state.MaxGenerations) {
    ++state.Generation;
    SelectAndCross(state, columns, random);
    Mutate(state, columns, random);
    EvaluateGeneration(state, columns);
  }
  Unpack(columns, size, state.Population);
}

}  // namespace curvesmith
