#include "engine/evaluation.h"

namespace curvesmith {
namespace {

// Binary genes take their position from the genome value itself; the scoring
// pass is the run's innermost loop, so that case, and a run without history,
// have loops of their own.
template <bool kBinary, bool kRecorded>
void Score(RunState& state, PopulationColumns& columns, const GenomeScoring& scoring) {
  const int size = state.PopulationSize;
  const int generation = state.Generation;
  const double* fitness_of = scoring.fitness();
  const double* position_of = scoring.positions();
  double* fitness = columns.fitness;
  for (int i = 0; i < size; ++i) {
    const int value = columns.genome[i];
    const double x = kBinary ? value * GeneScale : position_of[value];
    state.DecodedPositions[i] = x;
    if (fitness_of != nullptr) fitness[i] = fitness_of[value];
    if constexpr (kRecorded) {
      state.PositionHistory[generation][i] = x;
      state.FitnessHistory[generation][i] = fitness[i];
    }
  }
}

}  // namespace

void EvaluateGeneration(RunState& state, PopulationColumns& columns, const GenomeScoring& scoring,
                        HistoryRecording recording) {
  const int size = state.PopulationSize;
  const int generation = state.Generation;
  const double* fitness = columns.fitness;

  // 1 - Scoring pass.
  const bool binary = scoring.positions() == nullptr;
  if (recording == HistoryRecording::kRecorded) {
    binary ? Score<true, true>(state, columns, scoring)
           : Score<false, true>(state, columns, scoring);
  } else {
    binary ? Score<true, false>(state, columns, scoring)
           : Score<false, false>(state, columns, scoring);
  }

  // 2 - Best of the generation: strictly better only, so ties keep the first.
  // An empty population still copies place 0, as it stands.
  int best = 0;
  double best_fitness = fitness[0];
  for (int k = 1; k < size; ++k) {
    if (fitness[k] > best_fitness) {
      best = k;
      best_fitness = fitness[k];
    }
  }
  state.GenerationBest = size >= 1 ? IndividualAt(columns, best) : state.Population[0];

  // 3 - Best so far: a new run starts afresh; ties go to the later generation.
  if (generation == 0 || state.GenerationBest.fitness >= state.BestSoFar.fitness) {
    state.BestSoFar = state.GenerationBest;
  }

  // 4 - Per-generation record.
  state.BestFitnessByGeneration[generation] = state.BestSoFar.fitness;
  state.BestPositionByGeneration[generation] = scoring.PositionOf(GenomeValue(state.BestSoFar));
}

void EvaluateGeneration(RunState& state, PopulationColumns& columns) {
  const GenomeScoring scoring(state.TargetCurve, EncodingKind::kBinary, nullptr);
  EvaluateGeneration(state, columns, scoring);
}

void EvaluateGeneration(RunState& state) {
  OnPopulationRecords(state,
                      [&](PopulationColumns& columns) { EvaluateGeneration(state, columns); });
}

}  // namespace curvesmith
