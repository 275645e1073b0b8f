#include "cli/study_statistics.h"

#include <algorithm>
#include <cmath>

namespace curvesmith::cli {

SettingStatistics::SettingStatistics(std::uint32_t runs) {
  bests_.reserve(runs);
}

void SettingStatistics::Add(const RunOutcome& outcome) {
  const double best = outcome.best;
  min_best_ = bests_.empty() ? best : std::min(min_best_, best);
  max_best_ = bests_.empty() ? best : std::max(max_best_, best);
  bests_.push_back(best);
  // Neumaier's summation: the error of each addition is kept apart and added
  // back at the end.
  const double sum = best_sum_ + best;
  best_error_ +=
      std::fabs(best_sum_) >= std::fabs(best) ? (best_sum_ - sum) + best : (best - sum) + best_sum_;
  best_sum_ = sum;
  distinct_sum_ += outcome.distinct_final;
  if (outcome.generation_to_optimum >= 0) {
    ++successes_;
    generation_sum_ += outcome.generation_to_optimum;
  }
}

void SettingStatistics::Clear() {
  bests_.clear();
  best_sum_ = best_error_ = generation_sum_ = distinct_sum_ = 0.0;
  successes_ = 0;
}

double SettingStatistics::MeanBest() const {
  // The sum as a double and what it lacks; the quotient then corrected by
  // its own remainder, which fma computes exactly.
  const double runs = Runs();
  const double sum = best_sum_ + best_error_;
  const double lacking = best_error_ - (sum - best_sum_);
  double mean = sum / runs;
  mean += (std::fma(-mean, runs, sum) + lacking) / runs;
  // Should the last rounding still pass an end, the exact mean lies within.
  return std::clamp(mean, min_best_, max_best_);
}

double SettingStatistics::MedianBest() {
  std::sort(bests_.begin(), bests_.end());
  const std::size_t middle = bests_.size() / 2;
  return bests_.size() % 2 == 1 ? bests_[middle] : (bests_[middle - 1] + bests_[middle]) / 2.0;
}

double SettingStatistics::SuccessRate() const {
  return static_cast<double>(successes_) / Runs();
}

double SettingStatistics::MeanGenerationToOptimum() const {
  return generation_sum_ / successes_;
}

double SettingStatistics::MeanDistinctFinal() const {
  return distinct_sum_ / Runs();
}

}  // namespace curvesmith::cli
