#include "engine/fitness_order.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace curvesmith {

GenomeRanking::GenomeRanking(const double* fitness_by_genome)
    : fitness_by_genome_(fitness_by_genome) {
  if (fitness_by_genome == nullptr) return;
  std::iota(genomes_, genomes_ + kGenomeValues, std::uint16_t{0});
  std::stable_sort(genomes_, genomes_ + kGenomeValues,
                   [&](int a, int b) { return fitness_by_genome[a] < fitness_by_genome[b]; });
  for (int r = 0; r < kGenomeValues; ++r) rank_of_[genomes_[r]] = static_cast<std::uint16_t>(r);
}

FitnessOrder::FitnessOrder(const std::uint16_t* genome, const double* fitness, int size,
                           const GenomeRanking* ranking)
    : size_(size) {
  if (ranking == nullptr || ranking->fitness_by_genome() == nullptr ||
      !CountByGenome(genome, fitness, *ranking)) {
    SortByPlace(fitness);
  }
  for (int first = 0; first < size;) {
    int end = first + 1;
    while (end < size && fitness[place_[end]] == fitness[place_[first]]) ++end;
    std::fill(run_end_ + first, run_end_ + end, static_cast<std::uint16_t>(end));
    first = end;
  }
}

// False, with nothing written, when a place's fitness is not the ranking's.
bool FitnessOrder::CountByGenome(const std::uint16_t* genome, const double* fitness,
                                 const GenomeRanking& ranking) {
  const double* fitness_of = ranking.fitness_by_genome();
  // The genomes present, as bits by rank: visiting the set bits in order
  // meets them from the least fit up, with no branch per absent genome.
  constexpr int kWords = kGenomeValues / 64;
  std::uint64_t present[kWords] = {};
  int places_of[kGenomeValues] = {};
  for (int i = 0; i < size_; ++i) {
    const int v = genome[i];
    if (fitness[i] != fitness_of[v]) return false;
    ++places_of[v];
    const int r = ranking.RankOf(v);
    present[r / 64] |= std::uint64_t{1} << (r % 64);
  }
  // Genomes of equal fitness share one run, filled in place order.
  int run_of[kGenomeValues];
  int next_in_run[kGenomeValues];
  int runs = 0;
  int start = 0;
  double run_fitness = 0.0;
  for (int word = 0; word < kWords; ++word) {
    for (std::uint64_t bits = present[word]; bits != 0; bits &= bits - 1) {
      const int v = ranking.GenomeAt(word * 64 + std::countr_zero(bits));
      if (runs == 0 || fitness_of[v] != run_fitness) {
        next_in_run[runs++] = start;
        run_fitness = fitness_of[v];
      }
      run_of[v] = runs - 1;
      start += places_of[v];
    }
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

// Runs of equal fitness stand from the fittest down; within a run, the
// order's lower places come first, as they should.
Standings::Standings(const FitnessOrder& order) {
  const int size = order.size();
  for (int first = 0; first < size;) {
    const int end = order.RunEndAt(first);
    for (int k = first; k < end; ++k) {
      const int standing = size - end + (k - first);
      standing_of_[order.PlaceAt(k)] = static_cast<std::uint16_t>(standing);
      place_of_[standing] = static_cast<std::uint16_t>(order.PlaceAt(k));
    }
    first = end;
  }
}

}  // namespace curvesmith
