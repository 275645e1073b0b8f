#ifndef CURVESMITH_ENGINE_FITNESS_ORDER_H_
#define CURVESMITH_ENGINE_FITNESS_ORDER_H_

#include <cstdint>

#include "engine/individual.h"
#include "engine/run_state.h"

namespace curvesmith {

// The genome values sorted by their fitness on a run's curve, the least fit
// first (the lower value first among equals), made once per run so that
// ordering a generation needs no sort.
class GenomeRanking {
 public:
  // `fitness_by_genome` may be nullptr (no curve): then it ranks nothing.
  explicit GenomeRanking(const double* fitness_by_genome);

  const double* fitness_by_genome() const { return fitness_by_genome_; }
  // The genome at rank r, and the rank of genome v (0 to 1023).
  int GenomeAt(int r) const { return genomes_[r]; }
  int RankOf(int v) const { return rank_of_[v]; }

 private:
  const double* fitness_by_genome_;
  std::uint16_t genomes_[kGenomeValues];
  std::uint16_t rank_of_[kGenomeValues];
};

// The places 0 to size - 1 of a generation ordered by fitness, the least fit
// first and, among equal fitness, the lower place first; the places of equal
// fitness form runs. Rank selection weighs the runs, and tournaments and the
// elite go by positions in this order instead of fitness values.
// `genome` holds each place's genome value (0 to 1023): when every place has
// the fitness `ranking` gives its genome, as after every evaluation on a
// curve, the order is counted out by genome instead of sorted place by place.
class FitnessOrder {
 public:
  // REQUIRES: 1 <= size <= kPopulationCapacity; no fitness is NaN.
  FitnessOrder(const std::uint16_t* genome, const double* fitness, int size,
               const GenomeRanking* ranking);
  FitnessOrder(const FitnessOrder&) = delete;
  FitnessOrder& operator=(const FitnessOrder&) = delete;

  int size() const { return size_; }
  // The place at position k, 0 <= k < size.
  int PlaceAt(int k) const { return place_[k]; }
  // One past the last position of the run of equal fitness holding position k.
  int RunEndAt(int k) const { return run_end_[k]; }

 private:
  bool CountByGenome(const std::uint16_t* genome, const double* fitness,
                     const GenomeRanking& ranking);
  void SortByPlace(const double* fitness);

  int size_;
  std::uint16_t place_[kPopulationCapacity];
  std::uint16_t run_end_[kPopulationCapacity];
};

// Where each place stands, the fittest first: standing 0 is the highest
// fitness, and among equal fitness the lower place stands first. A tournament
// is won by the lowest standing, and the elite are standings 0 to E - 1.
class Standings {
 public:
  explicit Standings(const FitnessOrder& order);

  int StandingOf(int place) const { return standing_of_[place]; }
  int PlaceOf(int standing) const { return place_of_[standing]; }

 private:
  std::uint16_t standing_of_[kPopulationCapacity];
  std::uint16_t place_of_[kPopulationCapacity];
};

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_FITNESS_ORDER_H_
