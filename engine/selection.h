#ifndef CURVESMITH_ENGINE_SELECTION_H_
#define CURVESMITH_ENGINE_SELECTION_H_

#include "engine/crt_random.h"
#include "engine/population_columns.h"
#include "engine/run_state.h"

namespace curvesmith {

// CrossoverCount: N * rate truncated toward zero, kept within 0 to N so that
// no rate can make a run write beyond the population.
int CrossoverCount(int population_size, double crossover_rate);

// Replaces places 0 to PopulationSize - 1 of Population by the next
// generation, chosen from the current one by fitness-proportional roulette:
//  1. the running sums of the fitness shares (CumulativeShares);
//  2. CrossoverCount children from (n + 1) / 2 pairs: for each pair a spin for
//     parent A, a spin for parent B, then a cut point c = rand() % 10; child 1
//     has A's genes below c and B's from c on, child 2 the other way round;
//     the surplus child of an odd count is dropped;
//  3. one spin per remaining place, in place order, copies an old individual
//     (genes and fitness).
// Children carry fitness 0 until they are evaluated. Every draw is taken from
// `random` in exactly this order. Nothing happens when PopulationSize <= 0.
void SelectAndCross(RunState& state, CrtRandom& random);

// The same on the working form of a run: reads PopulationSize and
// CrossoverRate, replaces places 0 to PopulationSize - 1 of `columns`.
void SelectAndCross(const RunState& state, PopulationColumns& columns, CrtRandom& random);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_SELECTION_H_
