#include "cli/study_runner.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "cli/outcome_window.h"
#include "cli/tool_failure.h"
#include "engine/curve_maximum.h"
#include "engine/distinct_genomes.h"
#include "engine/evolution.h"
#include "engine/run_extent.h"
#include "engine/run_state.h"

namespace curvesmith::cli {
namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(250);

// The outcome of a run without history: DecodedPositions still holds the last
// generation's positions.
RunOutcome OutcomeOf(const RunState& state, double success_fitness) {
  const auto [last, places] = RunExtentOf(state);
  RunOutcome outcome;
  outcome.best = state.BestFitnessByGeneration[last];
  outcome.distinct_final = DistinctGenomes(state.DecodedPositions, places);
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

// The runs of a study shared among threads, their outcomes handed on in run
// order.
class RunQueue {
 public:
  RunQueue(const StudyDefinition& study, std::uint64_t first, std::uint64_t end)
      : study_(study), next_(first), end_(end), window_(first) {}

  // One thread's share: the next run not yet taken, until none is left, in
  // one run state of its own that every run reuses.
  void Work() {
    // About 16 MB, left uninitialised, so that memory is taken only for the
    // places the runs fill: a run writes every entry it later reads, the
    // population is cleared below, and the history tables are never touched.
    const auto state = std::make_unique_for_overwrite<RunState>();
    for (std::uint64_t run; Take(run);) {
      const ParameterSet setting = study_.grid.Setting(run / study_.runs);
      // A fresh run state is all zeros; a run reads only the fitness its
      // population records carry (a curve without a trace keeps them) and
      // place 0 of an empty population, so clearing those is enough to make
      // this run the one a fresh state computes.
      std::fill(std::begin(state->Population), std::end(state->Population), Individual{});
      RunEvolution(*state, setting, study_.SeedOfRun(run), Algorithm{}, nullptr,
                   HistoryRecording::kSkipped);
      Put(run, OutcomeOf(*state, SuccessFitness(setting)));
    }
  }

  // Ends the work early for `reason`: no run is taken any more, and no
  // outcome is handed on.
  void Fail(const std::string& reason) {
    const std::lock_guard lock(mutex_);
    if (failure_.empty()) failure_ = reason;
    end_ = std::min(end_, next_);
    changed_.notify_all();
  }

  std::string Failure() {
    const std::lock_guard lock(mutex_);
    return failure_;
  }

  void WorkerStarts() {
    const std::lock_guard lock(mutex_);
    ++workers_;
  }

  void WorkerEnded() {
    const std::lock_guard lock(mutex_);
    --workers_;
    changed_.notify_all();
  }

  // Hands on the outcomes in order until the last run's, or until `workers`
  // have all ended; calls `on_progress` meanwhile.
  void Deliver(const std::function<void(const RunOutcome&)>& on_outcome,
               const std::function<void(std::uint64_t)>& on_progress) {
    std::unique_lock lock(mutex_);
    while (window_.NextRun() < end_) {
      const std::optional<RunOutcome> outcome = window_.TakeNext();
      if (!outcome) {
        if (workers_ == 0) break;
        if (!changed_.wait_for(lock, kProgressInterval,
                               [&] { return window_.NextArrived() || workers_ == 0; })) {
          const std::uint64_t done = done_;
          lock.unlock();
          on_progress(done);
          lock.lock();
        }
        continue;
      }
      changed_.notify_all();
      if (!failure_.empty()) continue;
      lock.unlock();
      on_outcome(*outcome);
      lock.lock();
    }
    const std::uint64_t done = done_;
    lock.unlock();
    on_progress(done);
  }

 private:
  bool Take(std::uint64_t& run) {
    std::unique_lock lock(mutex_);
    // A run more than a window ahead of the outcomes handed on waits.
    changed_.wait(lock, [&] { return next_ >= end_ || window_.HasRoomFor(next_); });
    if (next_ >= end_) return false;
    run = next_++;
    return true;
  }

  void Put(std::uint64_t run, const RunOutcome& outcome) {
    const std::lock_guard lock(mutex_);
    window_.Put(run, outcome);
    ++done_;
    if (run == window_.NextRun()) changed_.notify_all();
  }

  const StudyDefinition& study_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::uint64_t next_;
  std::uint64_t end_;
  std::uint64_t done_ = 0;
  unsigned workers_ = 0;
  std::string failure_;
  OutcomeWindow window_;
};

}  // namespace

double SuccessFitness(const ParameterSet& setting) {
  return CurveMaximum(setting.TargetCurve).value_or(0.0);
}

unsigned StudyThreads(unsigned jobs, std::uint64_t runs) {
  const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
  const unsigned asked = jobs > 0 ? std::min(jobs, processors) : processors;
  return static_cast<unsigned>(std::max<std::uint64_t>(1, std::min<std::uint64_t>(asked, runs)));
}

void RunStudyRuns(const StudyDefinition& study, std::uint64_t first, std::uint64_t end,
                  unsigned threads, const std::function<void(const RunOutcome&)>& on_outcome,
                  const std::function<void(std::uint64_t)>& on_progress) {
  RunQueue queue(study, first, end);
  const unsigned wanted = std::max(threads, 1u);
  std::vector<std::thread> started;
  started.reserve(wanted);
  while (started.size() < wanted) {
    queue.WorkerStarts();
    try {
      started.emplace_back([&queue] {
        try {
          queue.Work();
        } catch (const std::bad_alloc&) {
          queue.Fail("not enough memory for the run state of a thread");
        }
        queue.WorkerEnded();
      });
    } catch (const std::system_error& error) {
      queue.WorkerEnded();
      queue.Fail("cannot start thread " + std::to_string(started.size() + 1) + " of " +
                 std::to_string(wanted) + ": " + error.code().message());
      break;
    }
  }
  queue.Deliver(on_outcome, on_progress);
  for (std::thread& thread : started) thread.join();
  if (const std::string failure = queue.Failure(); !failure.empty()) throw ToolFailure(failure);
}

}  // namespace curvesmith::cli
