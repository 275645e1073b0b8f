// The largest run for each curve against the floor: a million plain
// evaluations of the objective function, as many as the run scores.

#include <benchmark/benchmark.h>

#include <memory>

#include "bench/largest_run.h"
#include "engine/evolution.h"
#include "engine/individual.h"
#include "engine/objective.h"
#include "engine/run_statistics.h"

namespace curvesmith {
namespace {

constexpr int kEvaluations = 1000000;

void BM_ObjectiveFloor(benchmark::State& bench) {
  const double curve = static_cast<double>(bench.range(0));
  for (auto _ : bench) {
    double sum = 0.0;
    for (int i = 0; i < kEvaluations; ++i) {
      sum += *ObjectiveFunction(curve, (i & (kGenomeValues - 1)) * GeneScale);
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ObjectiveFloor)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_LargestRun(benchmark::State& bench) {
  const auto state = std::make_unique<RunState>();
  const ParameterSet parameters = LargestRunParameters(static_cast<float>(bench.range(0)));
  std::uint32_t seed = 1;
  for (auto _ : bench) {
    RunEvolution(*state, parameters, seed++);
    benchmark::DoNotOptimize(state->BestSoFar);
  }
}
BENCHMARK(BM_LargestRun)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The convergence statistics of the largest run, computed once per run
// (goal: under 5 ms).
void BM_StatisticsOfTheLargestRun(benchmark::State& bench) {
  const auto state = std::make_unique<RunState>();
  RunEvolution(*state, LargestRunParameters(), 1);
  for (auto _ : bench) benchmark::DoNotOptimize(ComputeRunStatistics(*state));
}
BENCHMARK(BM_StatisticsOfTheLargestRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace curvesmith
