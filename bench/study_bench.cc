// A study of the largest setting (population 1000, 999 generations) on one
// and on two threads. Runs per second of wall-clock time, to compare with the
// single largest run of engine_bench: two jobs should take at most 0.55 times
// as long per run as one run alone.

#include <benchmark/benchmark.h>

#include "cli/study_options.h"
#include "cli/study_runner.h"

namespace curvesmith::cli {
namespace {

constexpr std::uint32_t kRuns = 16;

void BM_StudyOfLargestSetting(benchmark::State& bench) {
  StudyDefinition study;
  study.grid.SetValues(1, {1000.0f});
  study.grid.SetValues(2, {999.0f});
  study.runs = kRuns;
  const unsigned jobs = static_cast<unsigned>(bench.range(0));
  for (auto _ : bench) {
    const auto outcomes = RunStudyRuns(study, 0, kRuns, jobs, [](std::uint64_t) {});
    benchmark::DoNotOptimize(outcomes.data());
  }
  bench.SetItemsProcessed(static_cast<std::int64_t>(bench.iterations()) * kRuns);
}
BENCHMARK(BM_StudyOfLargestSetting)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace curvesmith::cli
