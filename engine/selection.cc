#include "engine/selection.h"

#include <cmath>

#include "engine/roulette.h"

namespace curvesmith {

int CrossoverCount(int population_size, double crossover_rate) {
  const double count = std::trunc(population_size * crossover_rate);
  if (!(count > 0.0)) return 0;
  return count < population_size ? static_cast<int>(count) : population_size;
}

void SelectAndCross(const RunState& state, PopulationColumns& columns, CrtRandom& random) {
  const int size = state.PopulationSize;
  if (size <= 0) return;
  const std::uint16_t* genome = columns.genome;
  const double* fitness = columns.fitness;

  // 1 - Fitness shares and their running sums.
  double cumulative_shares[kPopulationCapacity];
  CumulativeFitnessShares(fitness, size, cumulative_shares);
  const RouletteWheel wheel(cumulative_shares, size);

  // 2 - Crossover children, two per pair: below the cut from one parent, from
  // the cut on from the other. An odd count leaves its last child at place n,
  // where the first filling spin (or nothing, when n == N) takes it.
  PopulationColumns next;
  const int children = CrossoverCount(size, state.CrossoverRate);
  for (int pair = 0; 2 * pair < children; ++pair) {
    const int a = genome[SpinRoulette(wheel, random)];
    const int b = genome[SpinRoulette(wheel, random)];
    const int below_cut = (1 << (random.Rand() % kGeneCount)) - 1;
    next.genome[2 * pair] = static_cast<std::uint16_t>((a & below_cut) | (b & ~below_cut));
    next.genome[2 * pair + 1] = static_cast<std::uint16_t>((b & below_cut) | (a & ~below_cut));
    next.fitness[2 * pair] = 0.0;
    next.fitness[2 * pair + 1] = 0.0;
  }

  // 3 - The remaining places, copied by roulette with their fitness.
  for (int i = children; i < size; ++i) {
    const int chosen = SpinRoulette(wheel, random);
    next.genome[i] = genome[chosen];
    next.fitness[i] = fitness[chosen];
  }

  CopyPlaces(next, size, columns);
}

void SelectAndCross(RunState& state, CrtRandom& random) {
  OnPopulationRecords(state,
                      [&](PopulationColumns& columns) { SelectAndCross(state, columns, random); });
}

}  // namespace curvesmith
