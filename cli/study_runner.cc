#include "cli/study_runner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/curve_maximum.h"
#include "engine/distinct_genomes.h"
#include "engine/evolution.h"
#include "engine/run_state.h"

namespace curvesmith::cli {
namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(250);

RunOutcome OutcomeOf(const RunState& state, double success_fitness) {
  const int last = state.Generation;
  RunOutcome outcome;
  outcome.best = state.BestFitnessByGeneration[last];
  outcome.distinct_final =
      DistinctGenomes(state.PositionHistory[last], std::max(state.PopulationSize, 0));
  // The best so far never falls, so the first generation that reaches the
  // maximum is where the run succeeded.
  for (int g = 0; g <= last; ++g) {
    if (state.BestFitnessByGeneration[g] == success_fitness) {
      outcome.generation_to_optimum = g;
      break;
    }
  }
  return outcome;
}

// One worker's share: it takes the next run not yet taken until none is left,
// in one run state of its own that every run reuses.
class Worker {
 public:
  explicit Worker(const StudyDefinition& study) : study_(study) {}

  void Run(std::atomic<std::uint64_t>& next, std::uint64_t first, std::uint64_t end,
           RunOutcome* outcomes, std::atomic<std::uint64_t>& done) {
    for (std::uint64_t run = next++; run < end; run = next++) {
      const ParameterSet setting = study_.grid.Setting(run / study_.runs);
      // A fresh run state is all zeros; a run reads only the fitness its
      // population records carry (a curve without a trace keeps them) and
      // place 0 of an empty population, so clearing those is enough to make
      // this run the one a fresh state computes.
      std::fill(std::begin(state_->Population), std::end(state_->Population), Individual{});
      RunEvolution(*state_, setting, study_.SeedOfRun(run));
      outcomes[run - first] = OutcomeOf(*state_, SuccessFitness(setting));
      ++done;
    }
  }

 private:
  const StudyDefinition& study_;
  // About 16 MB. Left uninitialised, so that memory is taken only for the
  // history rows the runs fill: a run writes every entry it later reads, and
  // Run clears the rest that it reads.
  std::unique_ptr<RunState> state_ = std::make_unique_for_overwrite<RunState>();
};

}  // namespace

double SuccessFitness(const ParameterSet& setting) {
  return CurveMaximum(setting.TargetCurve).value_or(0.0);
}

std::vector<RunOutcome> RunStudyRuns(const StudyDefinition& study, std::uint64_t first,
                                     std::uint64_t end, unsigned jobs,
                                     const std::function<void(std::uint64_t)>& on_progress) {
  std::vector<RunOutcome> outcomes(end - first);
  std::atomic<std::uint64_t> next = first;
  std::atomic<std::uint64_t> done = 0;
  std::mutex mutex;
  std::condition_variable finished;
  unsigned running = static_cast<unsigned>(std::min<std::uint64_t>(jobs, end - first));

  std::vector<std::thread> threads;
  for (unsigned i = 0, count = running; i < count; ++i) {
    threads.emplace_back([&] {
      Worker(study).Run(next, first, end, outcomes.data(), done);
      const std::lock_guard lock(mutex);
      if (--running == 0) finished.notify_one();
    });
  }
  {
    std::unique_lock lock(mutex);
    while (!finished.wait_for(lock, kProgressInterval, [&] { return running == 0; })) {
      lock.unlock();
      on_progress(done);
      lock.lock();
    }
  }
  for (std::thread& thread : threads) thread.join();
  on_progress(done);
  return outcomes;
}

}  // namespace curvesmith::cli
