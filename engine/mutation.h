#ifndef CURVESMITH_ENGINE_MUTATION_H_
#define CURVESMITH_ENGINE_MUTATION_H_

#include "engine/crt_random.h"
#include "engine/population_columns.h"
#include "engine/run_state.h"

namespace curvesmith {

// MutationCount: N * rate in double precision, rounded to single precision.
// A run makes that count rounded up mutations (2.5 gives 3, 0.2 gives 1).
float MutationCount(int population_size, double mutation_rate);

// Flips one gene in each of MutationCount (rounded up) distinct individuals.
// Mutation i picks k = rand() % m from the m = N - i places not yet mutated
// (the front region), then g = rand() % 10, flips gene g of the individual
// at place k and moves it to place m - 1, the others of the front region
// closing up behind it. Afterwards the unmutated individuals keep their order
// at the front and the mutated ones stand at the back in reverse order of
// mutation. Fitness fields travel unchanged with their individuals. Stops when
// every individual has been mutated, whatever the rate.
void Mutate(RunState& state, CrtRandom& random);

// The same on the working form of a run: reads PopulationSize and
// MutationRate, rearranges places 0 to PopulationSize - 1 of `columns`.
void Mutate(const RunState& state, PopulationColumns& columns, CrtRandom& random);

// The same on places 0 to size - 1 of `columns` at `mutation_rate`, as if
// they were the whole population.
void MutateGenes(int size, double mutation_rate, PopulationColumns& columns, CrtRandom& random);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_MUTATION_H_
