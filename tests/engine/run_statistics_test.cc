#include "engine/run_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

#include "engine/curve_maximum.h"
#include "engine/evolution.h"
#include "engine/generation_census.h"
#include "tests/engine/engine_test_support.h"

namespace curvesmith {
namespace {

using testing::FreshState;
using testing::Parameters;

struct RunCase {
  const char* name;
  ParameterSet parameters;
};

const RunCase kRuns[] = {
    {"population 1", Parameters(1.0f, 12.0f, 0.7f, 0.1f, 1.0f)},
    {"no bred generation", Parameters(30.0f, 0.0f, 0.7f, 0.1f, 0.0f)},
    {"ordinary run", Parameters(80.0f, 40.0f, 0.7f, 0.05f, 2.0f)},
    {"converging run", Parameters(50.0f, 60.0f, 0.9f, 0.0f, 1.0f)},
    {"no population", Parameters(0.0f, 5.0f, 0.7f, 0.1f, 0.0f)},
};

// The generation's figures worked out the plain way, from genome values.
GenerationStatistics Expected(const RunState& state, int g) {
  GenerationStatistics expected;
  expected.best_so_far = state.BestFitnessByGeneration[g];
  const int n = state.PopulationSize;
  if (n <= 0) {
    expected.generation_best = expected.mean = expected.worst = NAN;
    return expected;
  }
  std::map<long, int> genomes;
  double best = -INFINITY, worst = INFINITY, sum = 0.0;
  long best_genome = -1;
  for (int i = 0; i < n; ++i) {
    const double f = state.FitnessHistory[g][i];
    const long genome = std::lround(state.PositionHistory[g][i] * 1024.0 / 20.0);
    ++genomes[genome];
    if (f > best) best = f, best_genome = genome;
    worst = std::min(worst, f);
    sum += f;
  }
  expected.generation_best = best;
  expected.mean = sum / n;
  expected.worst = worst;
  expected.distinct_genomes = static_cast<int>(genomes.size());
  expected.best_genome_share = static_cast<double>(genomes[best_genome]) / n;
  return expected;
}

void ExpectSame(double actual, double expected, const char* what) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(actual)) << what;
  } else {
    EXPECT_DOUBLE_EQ(actual, expected) << what;
  }
}

TEST(RunStatisticsTest, EveryGenerationMatchesTheHistory) {
  for (const RunCase& run : kRuns) {
    SCOPED_TRACE(run.name);
    auto state = FreshState();
    RunEvolution(*state, run.parameters, 2024u);
    const RunStatistics statistics = ComputeRunStatistics(*state);
    ASSERT_EQ(statistics.generations.size(), static_cast<std::size_t>(state->Generation) + 1);
    for (int g = 0; g <= state->Generation; ++g) {
      SCOPED_TRACE(g);
      const GenerationStatistics& actual = statistics.generations[static_cast<std::size_t>(g)];
      const GenerationStatistics expected = Expected(*state, g);
      EXPECT_EQ(actual.best_so_far, expected.best_so_far);
      ExpectSame(actual.generation_best, expected.generation_best, "generation best");
      ExpectSame(actual.mean, expected.mean, "mean");
      ExpectSame(actual.worst, expected.worst, "worst");
      EXPECT_EQ(actual.distinct_genomes, expected.distinct_genomes);
      EXPECT_DOUBLE_EQ(actual.best_genome_share, expected.best_genome_share);
    }
  }
}

TEST(RunStatisticsTest, MaximumOfEachCurveOnTheGenomeGrid) {
  struct Case {
    float curve;
    int genome;
    double fitness;
  };
  const Case cases[] = {{0.0f, 211, 102.9342}, {1.0f, 195, 153.4710}, {2.0f, 796, 137.6161}};
  for (const Case& c : cases) {
    auto state = FreshState();
    RunEvolution(*state, Parameters(10.0f, 1.0f, 0.7f, 0.1f, c.curve), 1u);
    const auto maximum = ComputeRunStatistics(*state).maximum;
    ASSERT_TRUE(maximum.has_value()) << c.curve;
    EXPECT_EQ(maximum->x, c.genome * GeneScale) << c.curve;
    EXPECT_NEAR(maximum->fitness, c.fitness, 5e-5) << c.curve;
    EXPECT_EQ(CurveMaximumGenome(c.curve), c.genome);
  }
  auto state = FreshState();
  RunEvolution(*state, Parameters(10.0f, 1.0f, 0.7f, 0.1f, 3.0f), 1u);
  EXPECT_FALSE(ComputeRunStatistics(*state).maximum.has_value());
}

TEST(GenerationCensusTest, CountsAndRanksTheGenomesOfAGeneration) {
  auto state = FreshState();
  state->PopulationSize = 5;
  state->Generation = 0;
  // Genomes 100, 40, 100, 7, 40 with fitness 9, 12, 9, 12, 12: genomes 40
  // and 7 share the best fitness.
  const int genomes[] = {100, 40, 100, 7, 40};
  const double fitness[] = {9.0, 12.0, 9.0, 12.0, 12.0};
  for (int i = 0; i < 5; ++i) {
    state->PositionHistory[0][i] = genomes[i] * GeneScale;
    state->FitnessHistory[0][i] = fitness[i];
  }
  const GenerationCensus census(*state, 0);
  EXPECT_EQ(census.DistinctGenomes(), 3);
  EXPECT_EQ(census.CountOf(100), 2);
  EXPECT_EQ(census.CountOf(40), 2);
  EXPECT_EQ(census.CountOf(7), 1);
  EXPECT_EQ(census.RankOf(40), 1);
  EXPECT_EQ(census.RankOf(7), 1);
  EXPECT_EQ(census.RankOf(100), 3);
  EXPECT_EQ(census.RankOf(5), 0);
}

}  // namespace
}  // namespace curvesmith
