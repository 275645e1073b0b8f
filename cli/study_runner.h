#ifndef CURVESMITH_CLI_STUDY_RUNNER_H_
#define CURVESMITH_CLI_STUDY_RUNNER_H_

#include <cstdint>
#include <functional>
#include <vector>

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

// Runs study runs first to end - 1 on `jobs` threads and returns their
// outcomes in run order. Each run is exactly the run `curvesmith-cli run`
// computes with the same values and seed; the result does not depend on
// `jobs` or on how the runs were scheduled. `on_progress` is called on the
// calling thread a few times per second with the number of runs done.
std::vector<RunOutcome> RunStudyRuns(const StudyDefinition& study, std::uint64_t first,
                                     std::uint64_t end, unsigned jobs,
                                     const std::function<void(std::uint64_t)>& on_progress);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_RUNNER_H_
