// Selection with crossover, and mutation: counts, draws and resulting order,
// checked against a literal implementation for many seeds and sizes.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "engine/mutation.h"
#include "engine/selection.h"
#include "tests/engine/engine_test_support.h"
#include "tests/engine/reference_engine.h"

namespace curvesmith {
namespace {

using testing::FreshState;
using testing::GenomeOf;

bool SamePopulation(const RunState& a, const RunState& b) {
  return std::memcmp(a.Population, b.Population, sizeof a.Population) == 0;
}

// Draws `count` values from a generator seeded with `seed` and returns the next.
int DrawAfter(std::uint32_t seed, int count) {
  CrtRandom random(seed);
  for (int i = 0; i < count; ++i) random.Rand();
  return random.Rand();
}

// Places 0 to size - 1 hold positive, distinct fitness values.
void Populate(RunState& state, int size, double crossover, double mutation) {
  state.PopulationSize = size;
  state.CrossoverRate = crossover;
  state.MutationRate = mutation;
  for (int i = 0; i < size; ++i) state.Population[i] = GenomeOf(i % kGenomeValues, 1.0 + i);
}

TEST(CrossoverCountTest, TruncatesTheWidenedRateAndStaysWithinThePopulation) {
  struct Case {
    int size;
    double rate;
    int expected;
  };
  const Case cases[] = {
      {100, 0.7f, 69},
      {100, 0.8f, 80},
      {5, 1.0, 5},
      {1, 1.0, 1},
      {100, 0.0, 0},
      {3, 0.3, 0},
      {0, 0.7, 0},
      {-10, 0.5, 0},
      {10, -0.5, 0},
      {10, 2.0, 10},
      {10, std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CrossoverCount(c.size, c.rate), c.expected) << c.size << " x " << c.rate;
  }
}

TEST(MutationCountTest, RoundsTheProductToSinglePrecision) {
  EXPECT_EQ(MutationCount(100, 0.1f), 10.0f);
  EXPECT_GT(MutationCount(100, 0.3f), 30.0f);
  EXPECT_EQ(MutationCount(10, 0.05), 0.5f);
}

TEST(SelectAndCrossTest, TakesThreeDrawsPerPairAndOnePerFilledPlace) {
  struct Case {
    int size;
    float rate;
    int draws;
  };
  // 0.7 of 100: 35 pairs and 31 spins; 1 of 5: 3 pairs, the sixth child
  // dropped, no spin; 0 of 4: 4 spins.
  const Case cases[] = {
      {100, 0.7f, 35 * 3 + 31}, {100, 0.8f, 40 * 3 + 20}, {5, 1.0f, 9}, {4, 0.0f, 4}, {0, 0.7f, 0}};
  for (const Case& c : cases) {
    auto state = FreshState();
    Populate(*state, c.size, c.rate, 0.0);
    CrtRandom random(99);
    SelectAndCross(*state, random);
    EXPECT_EQ(random.Rand(), DrawAfter(99, c.draws)) << c.size << " x " << c.rate;
  }
}

TEST(SelectAndCrossTest, SinglePlaceIsItsOwnParent) {
  auto state = FreshState();
  Populate(*state, 1, 1.0, 0.0);
  state->Population[0] = GenomeOf(0x2A5, 3.0);
  CrtRandom random(5);
  SelectAndCross(*state, random);
  EXPECT_EQ(GenomeValue(state->Population[0]), 0x2A5);
}

TEST(SelectAndCrossTest, WithoutCrossoverEveryoneIsACopyOfAnOldIndividual) {
  auto state = FreshState();
  Populate(*state, 50, 0.0, 0.0);
  auto before = FreshState();
  *before = *state;
  CrtRandom random(17);
  SelectAndCross(*state, random);
  for (int i = 0; i < 50; ++i) {
    const Individual* match =
        std::find_if(before->Population, before->Population + 50, [&](const Individual& old) {
          return GenomeValue(old) == GenomeValue(state->Population[i]) &&
                 old.fitness == state->Population[i].fitness;
        });
    EXPECT_NE(match, before->Population + 50) << "place " << i;
  }
}

TEST(MutateTest, FlipsOneGeneEachOfDistinctIndividualsMovedToTheBack) {
  struct Case {
    int size;
    double rate;
    int mutations;
  };
  const Case cases[] = {{100, 0.1f, 10}, {100, 0.3f, 31}, {10, 0.05, 1},
                        {4, 1.0, 4},     {1, 0.5, 1},     {7, 0.0, 0}};
  for (const Case& c : cases) {
    auto state = FreshState();
    Populate(*state, c.size, 0.0, c.rate);
    auto before = FreshState();
    *before = *state;
    CrtRandom random(2024);
    Mutate(*state, random);
    EXPECT_EQ(random.Rand(), DrawAfter(2024, 2 * c.mutations)) << c.size << " x " << c.rate;
    // Fitness values are distinct: they tell who went where.
    const int kept = c.size - c.mutations;
    int previous = -1;
    for (int i = 0; i < c.size; ++i) {
      const int genome = GenomeValue(state->Population[i]);
      const int origin = static_cast<int>(state->Population[i].fitness) - 1;
      ASSERT_LT(origin, c.size);
      const int flipped =
          std::popcount(static_cast<unsigned>(GenomeValue(before->Population[origin]) ^ genome));
      EXPECT_EQ(flipped, i < kept ? 0 : 1) << "place " << i;
      if (i < kept) {
        EXPECT_GT(origin, previous) << "unmutated individuals keep their order";
        previous = origin;
      }
    }
  }
}

TEST(BreedingTest, AgreesWithTheLiteralAlgorithmDrawForDraw) {
  const int sizes[] = {1, 2, 3, 5, 10, 99, 100, 1000};
  const float rates[] = {0.0f, 0.05f, 0.1f, 0.3f, 0.7f, 1.0f};
  auto fast = FreshState();
  auto literal = FreshState();
  for (int size : sizes) {
    for (float rate : rates) {
      for (std::uint32_t seed : {1u, 77u, 4000000000u}) {
        Populate(*fast, size, rate, rate);
        Populate(*literal, size, rate, rate);
        CrtRandom random(seed);
        reference::Generator generator{seed};

        SelectAndCross(*fast, random);
        reference::SelectAndCross(*literal, generator);
        ASSERT_TRUE(SamePopulation(*fast, *literal)) << "selection, " << size << " x " << rate;
        Mutate(*fast, random);
        reference::Mutate(*literal, generator);
        ASSERT_TRUE(SamePopulation(*fast, *literal)) << "mutation, " << size << " x " << rate;
        ASSERT_EQ(random.Rand(), generator.rand());
      }
    }
  }
}

}  // namespace
}  // namespace curvesmith
