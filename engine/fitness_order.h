#ifndef CURVESMITH_ENGINE_FITNESS_ORDER_H_
#define CURVESMITH_ENGINE_FITNESS_ORDER_H_

#include <cstdint>

#include "engine/run_state.h"

namespace curvesmith {

// The places 0 to size - 1 of a generation ordered by fitness, the least fit
// first and, among equal fitness, the lower place first; the places of equal
// fitness form runs. Rank selection weighs the runs, and tournaments compare
// positions in this order instead of fitness values.
// `genome` holds each place's genome value (0 to 1023): when equal genomes
// have equal fitness, as after every evaluation on a curve, the order is
// counted out by genome (a generation holds at most 1024 genomes, usually
// far fewer) instead of sorted place by place.
class FitnessOrder {
 public:
  // REQUIRES: 1 <= size <= kPopulationCapacity; no fitness is NaN.
  FitnessOrder(const std::uint16_t* genome, const double* fitness, int size);
  FitnessOrder(const FitnessOrder&) = delete;
  FitnessOrder& operator=(const FitnessOrder&) = delete;

  int size() const { return size_; }
  // The place at position k, 0 <= k < size.
  int PlaceAt(int k) const { return place_[k]; }
  // One past the last position of the run of equal fitness holding position k.
  int RunEndAt(int k) const { return run_end_[k]; }

 private:
  bool CountByGenome(const std::uint16_t* genome, const double* fitness);
  void SortByPlace(const double* fitness);

  int size_;
  std::uint16_t place_[kPopulationCapacity];
  std::uint16_t run_end_[kPopulationCapacity];
};

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_FITNESS_ORDER_H_
