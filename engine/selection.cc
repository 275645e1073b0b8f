#include "engine/selection.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/roulette.h"

namespace curvesmith {
namespace {

// kHeadGenes[c][j] selects gene j from the head parent when j < c: a mask
// instead of a branch per gene.
constexpr auto kHeadGenes = [] {
  std::array<std::array<std::int32_t, kGeneCount>, kGeneCount> masks{};
  for (int cut = 0; cut < kGeneCount; ++cut) {
    for (int j = 0; j < cut; ++j) masks[cut][j] = -1;
  }
  return masks;
}();

// Writes straight into the new generation: a child built elsewhere and then
// copied would be read back in wider pieces than it was written, which stalls.
void Cross(const Individual& head, const Individual& tail, int cut, Individual& child) {
  const auto& from_head = kHeadGenes[cut];
  for (int j = 0; j < kGeneCount; ++j) {
    child.gene[j] = (head.gene[j] & from_head[j]) | (tail.gene[j] & ~from_head[j]);
  }
  child.fitness = 0.0;
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
  // Each share, then its running sum, in one pass: the divisions overlap the
  // chain of additions.
  double cumulative_shares[kPopulationCapacity];
  double running = old[0].fitness / total;
  cumulative_shares[0] = running;
  for (int i = 1; i < size; ++i) {
    running = running + old[i].fitness / total;
    cumulative_shares[i] = running;
  }
  const RouletteWheel wheel(cumulative_shares, size);

  // 2 - Crossover children, two per pair. An odd count leaves its last child
  // at place n, where the first filling spin (or nothing, when n == N) takes it.
  Individual next[kPopulationCapacity];
  const int children = CrossoverCount(size, state.CrossoverRate);
  for (int pair = 0; 2 * pair < children; ++pair) {
    const Individual& a = old[SpinRoulette(wheel, random)];
    const Individual& b = old[SpinRoulette(wheel, random)];
    const int cut = random.Rand() % kGeneCount;
    Cross(a, b, cut, next[2 * pair]);
    Cross(b, a, cut, next[2 * pair + 1]);
  }

  // 3 - The remaining places, copied by roulette.
  for (int i = children; i < size; ++i) next[i] = old[SpinRoulette(wheel, random)];

  std::copy(next, next + size, state.Population);
}

}  // namespace curvesmith
