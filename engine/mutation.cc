#include "engine/mutation.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace curvesmith {
namespace {

// The places not yet mutated, in order, as a Fenwick tree of ones: finding
// the k-th of them costs log N steps, where shifting the population along
// after each mutation would cost N. The search takes a fixed number of steps
// without branches on the data, since random k make those unpredictable.
class FrontRegion {
 public:
  explicit FrontRegion(int size) : size_(size), top_(std::bit_floor(static_cast<unsigned>(size))) {
    for (int i = 1; i <= size; ++i) tree_[i] = i & -i;
    // Nodes the search may look at beyond the region never take a step.
    std::fill(tree_ + size + 1, tree_ + 2 * top_, std::numeric_limits<int>::max());
  }

  // The original place of the k-th (from 0) individual still in the region;
  // it leaves the region.
  int Take(int k) {
    int node = 0;
    for (int step = top_; step > 0; step >>= 1) {
      const int count = tree_[node + step];
      const int within = -static_cast<int>(count <= k);  // all ones or zero
      node += step & within;
      k -= count & within;
    }
    for (int i = node + 1; i <= size_; i += i & -i) --tree_[i];
    return node;
  }

 private:
  int size_;
  int top_;
  int tree_[2 * std::bit_ceil(static_cast<unsigned>(kPopulationCapacity))];
};

}  // namespace

float MutationCount(int population_size, double mutation_rate) {
  return static_cast<float>(population_size * mutation_rate);
}

void Mutate(RunState& state, CrtRandom& random) {
  const int size = state.PopulationSize;
  const float count = MutationCount(size, state.MutationRate);
  if (!(count > 0.0f) || size <= 0) return;

  // Flip each chosen individual where it stands and note its place; the moves
  // are made once at the end, since only the resulting order matters.
  FrontRegion front(size);
  bool mutated[kPopulationCapacity] = {};
  int order[kPopulationCapacity];
  int mutations = 0;
  do {
    const int k = random.Rand() % (size - mutations);
    const int g = random.Rand() % kGeneCount;
    const int place = front.Take(k);
    int& gene = state.Population[place].gene[g];
    gene = gene == 0 ? 1 : 0;
    mutated[place] = true;
    order[mutations++] = place;
  } while (mutations < count && mutations < size);

  // Unmutated individuals close up in order; the mutated ones follow, the
  // first mutated last.
  Individual moved[kPopulationCapacity];
  for (int i = 0; i < mutations; ++i) moved[i] = state.Population[order[i]];
  Individual* population = state.Population;
  const int first = *std::min_element(order, order + mutations);
  int write = first;
  for (int read = first; read < size; ++read) {
    population[write] = population[read];
    write += mutated[read] ? 0 : 1;
  }
  for (int i = 0; i < mutations; ++i) population[size - 1 - i] = moved[i];
}

}  // namespace curvesmith
