#ifndef CURVESMITH_CLI_OUTCOME_SPOOL_H_
#define CURVESMITH_CLI_OUTCOME_SPOOL_H_

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "cli/study_runner.h"

namespace curvesmith::cli {

// The outcomes of a study's runs in an unnamed temporary file, put in any
// order and read back in run order: merging shards given in any order takes
// the same little memory whatever the study's size. Every failure of the
// file throws ToolFailure.
class OutcomeSpool {
 public:
  OutcomeSpool();
  ~OutcomeSpool();

  OutcomeSpool(const OutcomeSpool&) = delete;
  OutcomeSpool& operator=(const OutcomeSpool&) = delete;

  // Starts putting outcomes at run `run`, one after another.
  void Seek(std::uint64_t run);
  void Put(const RunOutcome& outcome);

  // Hands runs 0 to `runs` - 1 to `on_outcome` in order.
  // REQUIRES: each of them was put.
  void ReadAll(std::uint64_t runs, const std::function<void(const RunOutcome&)>& on_outcome);

 private:
  void Flush();

  std::FILE* file_;
  std::vector<RunOutcome> pending_;
};

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_OUTCOME_SPOOL_H_
