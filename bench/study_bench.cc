// A study of the largest setting (population 1000, 999 generations) on one
// and on two threads. Runs per second of wall-clock time, to compare with the
// single largest run of engine_bench: two jobs should take at most 0.55 times
// as long per run as one run alone. On a machine shared with other work the
// wall-clock figures say little; cpu_ms_per_run (the processor time of all
// threads) shows whether the threads slow each other down.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "cli/study_options.h"
#include "cli/study_runner.h"

namespace curvesmith::cli {
namespace {

constexpr std::uint32_t kRuns = 64;

// Processor time of the whole process so far, every thread included.
double ProcessCpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void BM_StudyOfLargestSetting(benchmark::State& bench) {
  StudyDefinition study;
  study.grid.SetValues(1, {1000.0f});
  study.grid.SetValues(2, {999.0f});
  study.runs = kRuns;
  const unsigned jobs = static_cast<unsigned>(bench.range(0));
  const double cpu_before = ProcessCpuMilliseconds();
  for (auto _ : bench) {
    double best_sum = 0.0;
    RunStudyRuns(
        study, 0, kRuns, jobs, [&](const RunOutcome& outcome) { best_sum += outcome.best; },
        [](std::uint64_t) {});
    benchmark::DoNotOptimize(best_sum);
  }
  const double runs = static_cast<double>(bench.iterations()) * kRuns;
  bench.SetItemsProcessed(static_cast<std::int64_t>(runs));
  bench.counters["cpu_ms_per_run"] = (ProcessCpuMilliseconds() - cpu_before) / runs;
}
BENCHMARK(BM_StudyOfLargestSetting)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace curvesmith::cli
