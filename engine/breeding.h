#ifndef CURVESMITH_ENGINE_BREEDING_H_
#define CURVESMITH_ENGINE_BREEDING_H_

#include "engine/algorithm.h"
#include "engine/crt_random.h"
#include "engine/fitness_order.h"
#include "engine/population_columns.h"
#include "engine/run_state.h"

namespace curvesmith {

// SelectAndCross with the selection and crossover that `algorithm` names,
// on the working form of a run (reads PopulationSize and CrossoverRate).
// Every selection builds the generation as the roulette does: CrossoverCount
// children from (n + 1) / 2 pairs (the surplus child of an odd count
// dropped), then one chosen individual copied, with its fitness, into each
// remaining place; children carry fitness 0.
// Draws: for each pair, the choice of parent A, the choice of parent B, then
// the crossover's draws (see crossover.h); after all pairs, one choice per
// remaining place in place order. A choice is
//  - roulette: one spin over the fitness shares (see roulette.h);
//  - rank: one spin over the rank shares (see rank_shares.h);
//  - tournament: tournament_size draws (see tournament.h);
//  - universal sampling: none of its own; all of them are made before the
//    first pair (see universal_sampling.h) and taken in turn.
// The classic pair (roulette, one point) is SelectAndCross itself.
// Nothing happens when PopulationSize <= 0.
// `ranking` (may be nullptr) spares rank selection and tournaments a sort.
void SelectAndCross(const RunState& state, PopulationColumns& columns, CrtRandom& random,
                    const Algorithm& algorithm, const GenomeRanking* ranking);

// The breeding step of a run with `algorithm`, turning the evaluated
// generation in `columns` into the next, unevaluated one:
//  1. the elitism's fittest individuals are kept aside (see Elite; no draws);
//  2. SelectAndCross with `algorithm`, as above;
//  3. the kept individuals replace the last children, places N - E to N - 1,
//     in the order they stood;
//  4. mutation of places 0 to N - E - 1 as if they were the whole population
//     (MutateGenes or MutateBits), so the elite stays unchanged.
// With no elitism: SelectAndCross, then the mutation of the whole population.
// REQUIRES: 0 <= elitism < PopulationSize, or elitism 0.
void BreedGeneration(const RunState& state, PopulationColumns& columns, CrtRandom& random,
                     const Algorithm& algorithm, const GenomeRanking* ranking);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_BREEDING_H_
