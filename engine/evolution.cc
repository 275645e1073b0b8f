#include "engine/evolution.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/breeding.h"
#include "engine/evaluation.h"
#include "engine/genome_scoring.h"
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

void RunEvolution(RunState& state, const ParameterSet& parameters, std::uint32_t seed) {
  RunEvolution(state, parameters, seed, Algorithm{});
}

void RunEvolution(RunState& state, const ParameterSet& parameters, std::uint32_t seed,
                  const Algorithm& algorithm, const CurveTable* curve, HistoryRecording recording) {
  // 1 - Parameters.
  const RunCounts counts = CountsOfRun(parameters);
  state.PopulationSize = counts.population;
  state.MaxGenerations = counts.generations;
  state.CrossoverRate = RateWithin(parameters.CrossoverRate);
  state.MutationRate = RateWithin(parameters.MutationRate);
  state.TargetCurve = parameters.TargetCurve;
  const int size = std::max(state.PopulationSize, 0);
  Algorithm operators = algorithm;
  operators.elitism = std::clamp(algorithm.elitism, 0, std::max(size - 1, 0));
  operators.tournament_size =
      std::clamp(algorithm.tournament_size, kMinTournamentSize, kMaxTournamentSize);
  const GenomeScoring scoring(state.TargetCurve, operators.encoding, curve);

  // 2 - One random sequence for the whole run.
  CrtRandom random(seed);

  // 3 - The initial population. From here on the run breeds the population in
  // its working form and writes the records back once, at the end.
  state.Generation = 0;
  InitializePopulation(state, random);
  PopulationColumns columns;
  Pack(state.Population, size, columns);
  EvaluateGeneration(state, columns, scoring, recording);

  // 4 - Generation after generation: breed, then evaluate.
  const bool classic = IsClassicAlgorithm(operators);
  std::optional<GenomeRanking> ranking;
  if (!classic) ranking.emplace(scoring.fitness());
  while (state.Generation < state.MaxGenerations) {
    ++state.Generation;
    if (classic) {
      SelectAndCross(state, columns, random);
      Mutate(state, columns, random);
    } else {
      BreedGeneration(state, columns, random, operators, &*ranking);
    }
    EvaluateGeneration(state, columns, scoring, recording);
  }
  Unpack(columns, size, state.Population);
}

}  // namespace curvesmith
