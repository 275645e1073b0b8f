#ifndef CURVESMITH_ENGINE_EVOLUTION_H_
#define CURVESMITH_ENGINE_EVOLUTION_H_

#include <cstdint>

#include "engine/algorithm.h"
#include "engine/crt_random.h"
#include "engine/curve_table.h"
#include "engine/parameter_set.h"
#include "engine/run_state.h"

namespace curvesmith {

// Gene j of place i = rand() % 2, for places 0 to PopulationSize - 1 and,
// within a place, genes 0 to 9. Fitness fields are left for the evaluation.
void InitializePopulation(RunState& state, CrtRandom& random);

// A whole run of the genetic algorithm:
//  1. the five run parameters are set from `parameters` (see ParameterSet);
//  2. the generator is seeded with `seed`;
//  3. generation 0 is created and evaluated;
//  4. while Generation < MaxGenerations: Generation + 1, breed, evaluate.
// Afterwards Generation == max(MaxGenerations, 0) and rows 0 to Generation of
// the history tables hold the run. Nothing else of the state is reset.
//
// Values outside the data model should be refused before they get here (see
// FindValueOutsideModel). Should one arrive all the same, it is brought inside
// the capacities rather than trusted: a count that is not a number counts as
// 0, the population is held to at most 1000 and the generations to at most
// 999, and a rate is held to 0 to 1 (one that is not a number to 0).
void RunEvolution(RunState& state, const ParameterSet& parameters, std::uint32_t seed);

// The same run with the operators of `algorithm` (see BreedGeneration in
// breeding.h), its genes read through algorithm.encoding, and scored on
// `curve` instead of the curve TargetCurve selects when `curve` is set
// (TargetCurve is still recorded as given). The classic algorithm and no
// curve make exactly the run above. An elitism outside 0 to PopulationSize - 1
// is held within it, and a tournament size outside kMinTournamentSize to
// kMaxTournamentSize within those. With kSkipped the history tables are left
// as they were and everything else is written as above: the same draws, best
// records and last population.
void RunEvolution(RunState& state, const ParameterSet& parameters, std::uint32_t seed,
                  const Algorithm& algorithm, const CurveTable* curve = nullptr,
                  HistoryRecording recording = HistoryRecording::kRecorded);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_EVOLUTION_H_
