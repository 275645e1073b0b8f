#include "engine/fitness_order.h"

#include <algorithm>
#include <numeric>

#include "engine/individual.h"

namespace curvesmith {

FitnessOrder::FitnessOrder(const std::uint16_t* genome, const double* fitness, int size)
    : size_(size) {
  if (!CountByGenome(genome, fitness)) SortByPlace(fitness);
  for (int first = 0; first < size;) {
    int end = first + 1;
    while (end < size && fitness[place_[end]] == fitness[place_[first]]) ++end;
    std::fill(run_end_ + first, run_end_ + end, static_cast<std::uint16_t>(end));
    first = end;
  }
}

// False, with nothing written, when two places of one genome differ in
// fitness.
bool FitnessOrder::CountByGenome(const std::uint16_t* genome, const double* fitness) {
  int places_of[kGenomeValues] = {};
  double fitness_of[kGenomeValues];
  std::uint16_t present[kGenomeValues];
  int count = 0;
  for (int i = 0; i < size_; ++i) {
    const int v = genome[i];
    if (places_of[v] == 0) {
      fitness_of[v] = fitness[i];
      present[count++] = static_cast<std::uint16_t>(v);
    } else if (fitness_of[v] != fitness[i]) {
      return false;
    }
    ++places_of[v];
  }
  std::sort(present, present + count, [&](int a, int b) { return fitness_of[a] < fitness_of[b]; });
  // Genomes of equal fitness share one run, filled in place order.
  int run_of[kGenomeValues];
  int next_in_run[kGenomeValues];
  int runs = 0;
  int start = 0;
  for (int k = 0; k < count; ++k) {
    const int v = present[k];
    if (k == 0 || fitness_of[v] != fitness_of[present[k - 1]]) next_in_run[runs++] = start;
    run_of[v] = runs - 1;
    start += places_of[v];
  }
  for (int i = 0; i < size_; ++i) {
    place_[next_in_run[run_of[genome[i]]]++] = static_cast<std::uint16_t>(i);
  }
  return true;
}

void FitnessOrder::SortByPlace(const double* fitness) {
  std::iota(place_, place_ + size_, std::uint16_t{0});
  std::sort(place_, place_ + size_, [&](int a, int b) {
    return fitness[a] < fitness[b] || (fitness[a] == fitness[b] && a < b);
  });
}

}  // namespace curvesmith
