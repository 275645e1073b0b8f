// The largest run for each curve against the floor: a million plain
// evaluations of the objective function, as many as the run scores. Then the
// largest run with each operator choice on its own (goal: at most twice the
// classic run) and on a formula (goal: at most 1.2 times a curve run).

#include <benchmark/benchmark.h>

#include <memory>

#include "bench/largest_run.h"
#include "engine/evolution.h"
#include "engine/individual.h"
#include "engine/objective.h"
#include "engine/run_statistics.h"
#include "formula/formula_curve.h"

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

void BM_LargestRunWith(benchmark::State& bench, Algorithm algorithm) {
  const auto state = std::make_unique<RunState>();
  const ParameterSet parameters = LargestRunParameters();
  std::uint32_t seed = 1;
  for (auto _ : bench) {
    RunEvolution(*state, parameters, seed++, algorithm);
    benchmark::DoNotOptimize(state->BestSoFar);
  }
}
BENCHMARK_CAPTURE(BM_LargestRunWith, classic, Algorithm{})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, tournament_2,
                  Algorithm{.selection = SelectionKind::kTournament, .tournament_size = 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, tournament_10,
                  Algorithm{.selection = SelectionKind::kTournament, .tournament_size = 10})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, rank, Algorithm{.selection = SelectionKind::kRank})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, sus, Algorithm{.selection = SelectionKind::kUniversal})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, two_point, Algorithm{.crossover = CrossoverKind::kTwoPoint})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, uniform, Algorithm{.crossover = CrossoverKind::kUniform})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, bits, Algorithm{.mutation = MutationKind::kBits})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, elitism_1, Algorithm{.elitism = 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, elitism_999, Algorithm{.elitism = 999})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestRunWith, gray, Algorithm{.encoding = EncodingKind::kGray})
    ->Unit(benchmark::kMillisecond);

// Reading the formula (1024 evaluations) and the run on its values.
void BM_LargestFormulaRun(benchmark::State& bench) {
  const auto state = std::make_unique<RunState>();
  const ParameterSet parameters = LargestRunParameters();
  std::uint32_t seed = 1;
  for (auto _ : bench) {
    const auto curve =
        std::get<FormulaCurve>(FormulaCurve::Read("x * sin(x) + 20", SelectionKind::kRoulette));
    RunEvolution(*state, parameters, seed++, Algorithm{}, &curve.table());
    benchmark::DoNotOptimize(state->BestSoFar);
  }
}
BENCHMARK(BM_LargestFormulaRun)->Unit(benchmark::kMillisecond);

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
