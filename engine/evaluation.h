#ifndef CURVESMITH_ENGINE_EVALUATION_H_
#define CURVESMITH_ENGINE_EVALUATION_H_

#include "engine/genome_scoring.h"
#include "engine/population_columns.h"
#include "engine/run_state.h"

namespace curvesmith {

// Scores generation `Generation` and records it:
//  1. each individual of places 0 to PopulationSize - 1 gets the fitness of
//     its decoded position on TargetCurve (kept as it was when TargetCurve
//     selects no curve); its position goes to DecodedPositions, and both to
//     row Generation of PositionHistory and FitnessHistory;
//  2. GenerationBest = the first individual with the highest fitness
//     (individual 0 when the population is empty);
//  3. BestSoFar = GenerationBest at generation 0, or when it is at least as
//     good as BestSoFar (ties go to the later generation);
//  4. entry Generation of the by-generation tables describes BestSoFar.
// REQUIRES: PopulationSize <= kMaxPopulation, 0 <= Generation <= kMaxGenerations.
void EvaluateGeneration(RunState& state);

// The same while a run keeps its population in `columns`: scores and records
// places 0 to PopulationSize - 1 of `columns` instead of Population (place 0 of
// Population still stands in for an empty population).
void EvaluateGeneration(RunState& state, PopulationColumns& columns);

// The same with the positions and fitness that `scoring` gives each genome
// value (a curve of the run's own, Gray genes); with kSkipped, row Generation
// of the history tables is left as it was.
void EvaluateGeneration(RunState& state, PopulationColumns& columns, const GenomeScoring& scoring,
                        HistoryRecording recording = HistoryRecording::kRecorded);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_EVALUATION_H_
