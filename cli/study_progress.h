#ifndef CURVESMITH_CLI_STUDY_PROGRESS_H_
#define CURVESMITH_CLI_STUDY_PROGRESS_H_

#include <chrono>
#include <cstdint>
#include <ostream>

namespace curvesmith::cli {

// The progress line of a long study on a terminal: runs done of the total,
// runs per second and the time left, rewritten in place. It appears only once
// the study has run for a second, so short studies print nothing, and it is
// cleared when the study ends.
class ProgressLine {
 public:
  // Prints nothing at all unless `shown` (stderr is a terminal, no --quiet).
  ProgressLine(std::ostream& err, std::uint64_t total, bool shown);
  ~ProgressLine();

  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Update(std::uint64_t done);

 private:
  using Clock = std::chrono::steady_clock;

  std::ostream& err_;
  std::uint64_t total_;
  bool shown_;
  bool drawn_ = false;
  Clock::time_point start_ = Clock::now();
};

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_PROGRESS_H_
