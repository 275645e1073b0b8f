#include "engine/evolution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <optional>

#include "engine/run_parameters.h"
#include "tests/engine/engine_test_support.h"
#include "tests/engine/reference_engine.h"

namespace curvesmith {
namespace {

using testing::FreshState;
using testing::Parameters;
using testing::SameBytes;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(RunEvolutionTest, AgreesWithTheLiteralAlgorithmForWholeRuns) {
  const ParameterSet runs[] = {
      Parameters(100, 50),
      Parameters(1000, 30, 0.8f, 0.3f, 2),
      Parameters(7, 40, 1, 1, 1),
      Parameters(2, 10, 0.5f, 0.05f),
      Parameters(30, 20, 0.7f, 0.1f, 3),  // no curve
      Parameters(1, 5, 1, 1, 0),
  };
  for (const ParameterSet& p : runs) {
    for (std::uint32_t seed : {0u, 12345u}) {
      auto fast = FreshState();
      auto literal = FreshState();
      RunEvolution(*fast, p, seed);
      reference::RunEvolution(*literal, p, seed);
      ASSERT_TRUE(SameBytes(*fast, *literal))
          << p.PopulationSize << " " << p.Generations << " " << p.TargetCurve;
    }
  }
}

TEST(RunEvolutionTest, SameSeedGivesTheSameRun) {
  auto first = FreshState();
  auto second = FreshState();
  RunEvolution(*first, Parameters(80, 25), 42);
  RunEvolution(*second, Parameters(80, 25), 42);
  EXPECT_TRUE(SameBytes(*first, *second));
  RunEvolution(*second, Parameters(80, 25), 43);
  EXPECT_FALSE(SameBytes(*first, *second));
}

TEST(RunEvolutionTest, CountsAreTruncatedAndNegativeGenerationsEvaluateOnlyTheFirst) {
  struct Case {
    float population, generations;
    int size, max_generations, last;
  };
  const Case cases[] = {{20, 2.9f, 20, 2, 2},
                        {20, -5, 20, -5, 0},
                        {0.5f, 3, 0, 3, 3},
                        {0, 0, 0, 0, 0},
                        {-3, 4, -3, 4, 4}};
  for (const Case& c : cases) {
    auto state = FreshState();
    RunEvolution(*state, Parameters(c.population, c.generations), 9);
    EXPECT_EQ(state->PopulationSize, c.size);
    EXPECT_EQ(state->MaxGenerations, c.max_generations);
    EXPECT_EQ(state->Generation, c.last);
    if (c.size > 0) {
      EXPECT_EQ(state->PositionHistory[c.last + 1][0], 0.0) << "no extra row";
    }
  }
}

TEST(RunEvolutionTest, RatesAreWidenedExactlyFromSinglePrecision) {
  auto state = FreshState();
  RunEvolution(*state, Parameters(10, 1, 0.7f, 0.1f, 2.0f), 1);
  EXPECT_EQ(state->CrossoverRate, 0.699999988079071044921875);
  EXPECT_EQ(state->MutationRate, static_cast<double>(0.1f));
  EXPECT_EQ(state->TargetCurve, 2.0);
}

TEST(RunEvolutionTest, SmallerRunLeavesTheLargerRunsExtraPlacesAlone) {
  auto state = FreshState();
  RunEvolution(*state, Parameters(80, 10), 3);
  auto after_large = FreshState();
  *after_large = *state;
  RunEvolution(*state, Parameters(50, 5), 4);
  for (int g = 0; g <= 10; ++g) {
    for (int i = 50; i < 80; ++i) {
      ASSERT_EQ(state->FitnessHistory[g][i], after_large->FitnessHistory[g][i]);
      ASSERT_EQ(state->PositionHistory[g][i], after_large->PositionHistory[g][i]);
    }
  }
  for (int g = 6; g <= 10; ++g) {
    EXPECT_EQ(state->BestFitnessByGeneration[g], after_large->BestFitnessByGeneration[g]);
  }
  for (int i = 50; i < 80; ++i) {
    EXPECT_EQ(GenomeValue(state->Population[i]), GenomeValue(after_large->Population[i]));
  }
}

// A study's runs leave the 16 MB of history untouched and must still be the
// very runs the replay shows: everything else byte for byte the same.
TEST(RunEvolutionTest, RunWithoutHistoryIsTheRecordedRunWithoutItsTables) {
  for (const ParameterSet& p : {Parameters(60, 25), Parameters(7, 40, 1, 1, 1)}) {
    auto recorded = FreshState();
    auto skipped = FreshState();
    RunEvolution(*recorded, p, 77);
    RunEvolution(*skipped, p, 77, Algorithm{}, nullptr, HistoryRecording::kSkipped);
    // The two history tables come first in the run state.
    EXPECT_TRUE(SameBytes(*skipped, *FreshState(), offsetof(RunState, Population)));
    std::memcpy(skipped.get(), recorded.get(), offsetof(RunState, Population));
    EXPECT_TRUE(SameBytes(*skipped, *recorded));
  }
}

TEST(RunEvolutionTest, LargestRunFillsExactlyItsRows) {
  auto state = FreshState();
  for (double& f : state->FitnessHistory[1000]) f = -1.0;
  RunEvolution(*state, Parameters(999, 999), 8);
  EXPECT_EQ(state->Generation, 999);
  EXPECT_GT(state->FitnessHistory[999][998], 0.0);
  EXPECT_EQ(state->FitnessHistory[999][999], 0.0);
  EXPECT_EQ(state->FitnessHistory[1000][0], -1.0);
  EXPECT_GT(state->BestFitnessByGeneration[999], 0.0);
  for (int g = 1; g <= 999; ++g) {
    ASSERT_GE(state->BestFitnessByGeneration[g], state->BestFitnessByGeneration[g - 1]);
  }
}

TEST(RunEvolutionTest, ValuesOutsideTheModelAreHeldWithinTheCapacities) {
  struct Case {
    ParameterSet parameters;
    int size, max_generations;
    double crossover, mutation;
  };
  const Case cases[] = {
      {Parameters(1e9f, 1e9f, 5, 7), 1000, 999, 1.0, 1.0},
      {Parameters(-1e30f, -kInf, -2, -3), std::numeric_limits<std::int32_t>::min(),
       std::numeric_limits<std::int32_t>::min(), 0.0, 0.0},
      {Parameters(kNaN, kNaN, kNaN, kNaN, kNaN), 0, 0, 0.0, 0.0},
      {Parameters(kInf, 3, kInf, kInf), 1000, 3, 1.0, 1.0},
  };
  for (const Case& c : cases) {
    auto state = FreshState();
    state->ReplayPending = 7;  // the last field: a write past the tables would show here
    RunEvolution(*state, c.parameters, 1);
    EXPECT_EQ(state->PopulationSize, c.size);
    EXPECT_EQ(state->MaxGenerations, c.max_generations);
    EXPECT_EQ(state->CrossoverRate, c.crossover);
    EXPECT_EQ(state->MutationRate, c.mutation);
    EXPECT_EQ(state->ReplayPending, 7);
  }
}

TEST(FindValueOutsideModelTest, NamesTheFirstOffendingValue) {
  struct Case {
    ParameterSet parameters;
    std::optional<RunField> expected;
  };
  const Case cases[] = {
      {Parameters(1000.9f, 999.9f, 1, 0, 2), std::nullopt},
      {Parameters(0, 0, 0, 0, 0), std::nullopt},
      {Parameters(-5, -5, 0.5f, 0.5f, 1), std::nullopt},  // within the model: they run as they are
      {Parameters(10, 5, 0.5f, 0.5f, -0.0f), std::nullopt},
      {Parameters(10, 5, 0.5f, 0.5f, 3), RunField::kTargetCurve},
      {Parameters(10, 5, 0.5f, 0.5f, 0.5f), RunField::kTargetCurve},
      {Parameters(10, 5, 0.5f, 0.5f, -1), RunField::kTargetCurve},
      {Parameters(10, 5, 0.5f, 0.5f, kNaN), RunField::kTargetCurve},
      {Parameters(1001, 1000, 2, 2, kNaN), RunField::kPopulationSize},
      {Parameters(kNaN, 5), RunField::kPopulationSize},
      {Parameters(10, 1000), RunField::kGenerations},
      {Parameters(10, -kInf), RunField::kGenerations},
      {Parameters(10, 5, 1.0001f), RunField::kCrossoverRate},
      {Parameters(10, 5, 0.5f, -0.0001f), RunField::kMutationRate},
      {Parameters(10, 5, 0.5f, kNaN), RunField::kMutationRate},
      {Parameters(10, 5, 0.5f, 0.5f, kInf), RunField::kTargetCurve},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindValueOutsideModel(c.parameters), c.expected)
        << c.parameters.PopulationSize << " " << c.parameters.Generations;
  }
}

}  // namespace
}  // namespace curvesmith
