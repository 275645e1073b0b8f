#ifndef CURVESMITH_CLI_STUDY_STATISTICS_H_
#define CURVESMITH_CLI_STUDY_STATISTICS_H_

#include <cstdint>
#include <vector>

#include "cli/study_runner.h"

namespace curvesmith::cli {

// The statistics of one setting's runs, gathered one run at a time.
//
// The means are exact as far as a double can say: each is the sum of the
// values divided by their count, the sum kept with its rounding error
// (compensated summation), so the mean of equal values is that value and a
// mean never lies outside the values' minimum and maximum. Generations and
// distinct counts are whole numbers below 2^53 in all, whose sums are exact.
class SettingStatistics {
 public:
  // Room for `runs` runs, taken once.
  explicit SettingStatistics(std::uint32_t runs);

  void Add(const RunOutcome& outcome);
  // Forgets every run, keeping the room.
  void Clear();

  std::uint32_t Runs() const { return static_cast<std::uint32_t>(bests_.size()); }
  std::uint32_t Successes() const { return successes_; }
  // REQUIRES: Runs() > 0.
  double MeanBest() const;
  // Sorts the bests it holds.
  double MedianBest();
  double MinBest() const { return min_best_; }
  double MaxBest() const { return max_best_; }
  double SuccessRate() const;
  // REQUIRES: Successes() > 0.
  double MeanGenerationToOptimum() const;
  double MeanDistinctFinal() const;

 private:
  std::vector<double> bests_;
  double best_sum_ = 0.0;
  double best_error_ = 0.0;
  double min_best_ = 0.0;
  double max_best_ = 0.0;
  double generation_sum_ = 0.0;
  double distinct_sum_ = 0.0;
  std::uint32_t successes_ = 0;
};

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_STATISTICS_H_
