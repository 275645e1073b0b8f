#ifndef CURVESMITH_CLI_STUDY_RUNNER_H_
#define CURVESMITH_CLI_STUDY_RUNNER_H_

#include <cstdint>
#include <functional>

#include "cli/study_options.h"
#include "engine/parameter_set.h"

namespace curvesmith::cli {

// What a study keeps of one run: just what its statistics need.
struct RunOutcome {
  // The best fitness so far at the last generation.
  double best = 0.0;
  // The first generation whose best so far equals the curve's maximum; -1
  // when the run never reached it.
  std::int32_t generation_to_optimum = -1;
  // Distinct genomes in the last generation's population.
  std::int32_t distinct_final = 0;
};

// The fitness a run must reach to succeed: the curve's maximum over the 1024
// genomes, or 0 for a curve without a trace, where every fitness stays 0.
double SuccessFitness(const ParameterSet& setting);

// The number of threads a study of `runs` runs uses when `jobs` are asked
// for (0: as many as there are processors): never more than the processors,
// nor than the runs, and at least one.
unsigned StudyThreads(unsigned jobs, std::uint64_t runs);

// Runs study runs first to end - 1 on `threads` threads (a study takes
// StudyThreads of its jobs; a benchmark may take more) and hands their outcomes to `on_outcome` in
// run order, on the calling thread, as they become known. Each run is exactly the run
// `curvesmith-cli run` computes with the same values and seed; the result
// does not depend on `jobs` or on how the runs were scheduled.
// `on_progress` is called on the calling thread a few times per second with
// the number of runs done.
//
// Memory stays bounded: outcomes that arrive ahead of an earlier run wait in
// a window of fixed size (OutcomeWindow), and each thread holds one run state
// of which only what the settings it runs use is ever touched, the history
// tables never (a study needs no replay).
// Throws ToolFailure when a thread cannot be started; the threads already
// running finish their runs first.
void RunStudyRuns(const StudyDefinition& study, std::uint64_t first, std::uint64_t end,
                  unsigned threads, const std::function<void(const RunOutcome&)>& on_outcome,
                  const std::function<void(std::uint64_t)>& on_progress);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_RUNNER_H_
