#ifndef CURVESMITH_ENGINE_RUN_STATE_H_
#define CURVESMITH_ENGINE_RUN_STATE_H_

#include <cstdint>

#include "engine/individual.h"

namespace curvesmith {

// Capacities of the run state. A run may use at most kMaxPopulation
// individuals and kMaxGenerations bred generations; the history tables and the
// population have room for one more of each.
inline constexpr int kMaxPopulation = 1000;
inline constexpr int kMaxGenerations = 999;
inline constexpr int kHistoryRows = 1001;
inline constexpr int kHistoryPlaces = 1001;
inline constexpr int kPopulationCapacity = 1001;
inline constexpr int kByGenerationEntries = 1000;

// Everything a run works on, in one fixed-size record (about 16 MB, almost all
// of it the two history tables). It is zero when value-initialised and is never
// cleared between runs: a run overwrites only the rows, places and entries it
// uses, so every reader bounds its reads by PopulationSize and Generation.
//
// Row g of the history tables is generation g in population order as it was
// evaluated; rows 0 to Generation belong to the latest run.
struct RunState {
  double FitnessHistory[kHistoryRows][kHistoryPlaces];
  double PositionHistory[kHistoryRows][kHistoryPlaces];
  Individual Population[kPopulationCapacity];
  Individual BestSoFar;
  Individual GenerationBest;
  double BestFitnessByGeneration[kByGenerationEntries];
  double BestPositionByGeneration[kByGenerationEntries];
  double DecodedPositions[kMaxPopulation];
  std::int32_t Generation;
  double TargetCurve;
  double MutationRate;
  double CrossoverRate;
  std::int32_t MaxGenerations;
  std::int32_t PopulationSize;
  // 1 from the end of a run until its replay has been drawn, otherwise 0.
  std::int32_t ReplayPending;
};

// Whether a run writes its rows of the history tables. The replay and the run
// reports read them; a study keeps only the best records and the last
// population, and leaves the tables' 16 MB untouched.
enum class HistoryRecording { kRecorded, kSkipped };

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_RUN_STATE_H_
