#include "engine/selection.h"

#include <algorithm>
#include <cmath>

#include "engine/roulette.h"

namespace curvesmith {
namespace {

Individual Cross(const Individual& head, const Individual& tail, int cut) {
  Individual child{};
  for (int j = 0; j < kGeneCount; ++j) child.gene[j] = j < cut ? head.gene[j] : tail.gene[j];
  child.fitness = 0.0;
  return child;
}

}  // namespace

int CrossoverCount(int population_size, double crossover_rate) {
  const double count = std::trunc(population_size * crossover_rate);
  if (!(count > 0.0)) return 0;
  return count < population_size ? static_cast<int>(count) : population_size;
}

void SelectAndCross(RunState& state, CrtRandom& random) {
  const int size = state.PopulationSize;
  if (size <= 0) return;
  const Individual* old = state.Population;

  // 1 - Fitness shares and their running sums.
  double total = 0.0;
  for (int i = 0; i < size; ++i) total += old[i].fitness;
  double cumulative_shares[kPopulationCapacity];
  for (int i = 0; i < size; ++i) cumulative_shares[i] = old[i].fitness / total;
  for (int i = 1; i < size; ++i)
    cumulative_shares[i] = cumulative_shares[i - 1] + cumulative_shares[i];
  const RouletteWheel wheel(cumulative_shares, size);

  // 2 - Crossover children, two per pair. An odd count leaves its last child
  // at place n, where the first filling spin (or nothing, when n == N) takes it.
  Individual next[kPopulationCapacity];
  const int children = CrossoverCount(size, state.CrossoverRate);
  for (int pair = 0; 2 * pair < children; ++pair) {
    const Individual& a = old[SpinRoulette(wheel, random)];
    const Individual& b = old[SpinRoulette(wheel, random)];
    const int cut = random.Rand() % kGeneCount;
    next[2 * pair] = Cross(a, b, cut);
    next[2 * pair + 1] = Cross(b, a, cut);
  }

  // 3 - The remaining places, copied by roulette.
  for (int i = children; i < size; ++i) next[i] = old[SpinRoulette(wheel, random)];

  std::copy(next, next + size, state.Population);
}

}  // namespace curvesmith
