// The operator choices: whole runs against a literal implementation, draw for
// draw, and the properties that make each operator what it is.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <set>

#include "engine/bit_mutation.h"
#include "engine/draw_remainder.h"
#include "engine/evolution.h"
#include "engine/genome_fitness.h"
#include "engine/gray_code.h"
#include "engine/rank_shares.h"
#include "engine/tournament.h"
#include "engine/universal_sampling.h"
#include "tests/engine/algorithm_reference.h"
#include "tests/engine/engine_test_support.h"

namespace curvesmith {
namespace {

using testing::FreshState;
using testing::Parameters;
using testing::SameBytes;

Algorithm Tournament(int size) {
  return {.selection = SelectionKind::kTournament, .tournament_size = size};
}
Algorithm WithSelection(SelectionKind kind) {
  return {.selection = kind};
}
Algorithm WithCrossover(CrossoverKind kind) {
  return {.crossover = kind};
}
Algorithm WithElitism(int elitism) {
  return {.elitism = elitism};
}
constexpr Algorithm kBits{.mutation = MutationKind::kBits};
constexpr Algorithm kGray{.encoding = EncodingKind::kGray};

// A curve of its own: a slope with a dip below zero, for the selections that
// take any sign.
CurveTable SignedCurve() {
  CurveTable curve;
  for (int n = 0; n < kGenomeValues; ++n) curve[n] = (n % 97) - 30.0 + n / 100.0;
  return curve;
}

TEST(AlgorithmTest, RunsAgreeWithTheLiteralAlgorithmDrawForDraw) {
  struct Case {
    const char* name;
    Algorithm algorithm;
    ParameterSet parameters;
  };
  const Algorithm everything{.selection = SelectionKind::kTournament,
                             .tournament_size = 3,
                             .crossover = CrossoverKind::kUniform,
                             .mutation = MutationKind::kBits,
                             .elitism = 2,
                             .encoding = EncodingKind::kGray};
  const Algorithm sampled{
      .selection = SelectionKind::kUniversal, .crossover = CrossoverKind::kTwoPoint, .elitism = 99};
  Algorithm no_elite = everything;
  no_elite.elitism = 0;
  const Case cases[] = {
      {"tournament 2", Tournament(2), Parameters(100, 30)},
      {"tournament 10", Tournament(10), Parameters(60, 20, 0.9f, 0.3f, 2)},
      {"rank", WithSelection(SelectionKind::kRank), Parameters(100, 30, 0.7f, 0.1f, 1)},
      // No curve: every fitness 0, one run of equals.
      {"rank, no curve", WithSelection(SelectionKind::kRank), Parameters(9, 6, 1, 0.5f, 3)},
      {"tournament, no curve", Tournament(3), Parameters(9, 6, 1, 0.5f, 3)},
      {"universal", WithSelection(SelectionKind::kUniversal), Parameters(100, 30)},
      {"universal, odd count", WithSelection(SelectionKind::kUniversal),
       Parameters(7, 20, 1, 1, 2)},
      {"two-point", WithCrossover(CrossoverKind::kTwoPoint), Parameters(100, 30, 0.8f)},
      {"uniform", WithCrossover(CrossoverKind::kUniform), Parameters(33, 25, 1, 0.2f, 1)},
      {"bits", kBits, Parameters(100, 30, 0.7f, 0.3f)},
      {"bits, rate 1", kBits, Parameters(20, 10, 0.5f, 1)},
      {"bits, tiny rate", kBits, Parameters(500, 10, 0.7f, 0.00001f)},
      {"elitism 1", WithElitism(1), Parameters(100, 30)},
      {"elitism N - 1", WithElitism(9), Parameters(10, 15, 1, 1)},
      {"gray", kGray, Parameters(100, 30, 0.7f, 0.1f, 2)},
      {"everything", everything, Parameters(50, 25, 0.7f, 0.2f, 1)},
      {"universal, two-point, elitism", sampled, Parameters(100, 20, 0.75f, 0.1f)},
      {"large", everything, Parameters(1000, 4, 0.8f, 0.1f)},
      {"one individual", no_elite, Parameters(1, 5, 1, 1)},
  };
  for (const Case& c : cases) {
    for (std::uint32_t seed : {1u, 2026u, 4000000000u}) {
      auto fast = FreshState();
      auto literal = FreshState();
      RunEvolution(*fast, c.parameters, seed, c.algorithm);
      reference::RunEvolution(*literal, c.parameters, seed, c.algorithm, nullptr);
      ASSERT_TRUE(SameBytes(*fast, *literal)) << c.name << ", seed " << seed;
    }
  }
}

// A few values shared by many genomes: ties everywhere.
CurveTable TiedCurve() {
  CurveTable curve;
  for (int n = 0; n < kGenomeValues; ++n) curve[n] = n % 7;
  return curve;
}

TEST(AlgorithmTest, RunsOnACurveOfTheirOwnAgreeWithTheLiteralAlgorithm) {
  const CurveTable curves[] = {SignedCurve(), TiedCurve()};
  const Algorithm cases[] = {
      Tournament(4),
      WithSelection(SelectionKind::kRank),
      {.selection = SelectionKind::kRank, .elitism = 3, .encoding = EncodingKind::kGray},
      {.selection = SelectionKind::kTournament, .tournament_size = 2, .elitism = 5}};
  for (const CurveTable& curve : curves) {
    for (const Algorithm& a : cases) {
      auto fast = FreshState();
      auto literal = FreshState();
      RunEvolution(*fast, Parameters(80, 30, 0.7f, 0.1f, 1), 7, a, &curve);
      reference::RunEvolution(*literal, Parameters(80, 30, 0.7f, 0.1f, 1), 7, a, &curve);
      EXPECT_TRUE(SameBytes(*fast, *literal)) << static_cast<int>(a.selection);
    }
  }
}

// Values outside the choices' ranges are held within them, never trusted.
TEST(AlgorithmTest, ChoicesOutOfRangeAreHeldWithinIt) {
  struct Case {
    Algorithm given;
    Algorithm held;
  };
  const Case cases[] = {
      {WithElitism(50), WithElitism(9)},
      {WithElitism(-3), WithElitism(0)},
      {Tournament(0), Tournament(2)},
      {Tournament(99), Tournament(10)},
  };
  for (const Case& c : cases) {
    auto given = FreshState();
    auto held = FreshState();
    RunEvolution(*given, Parameters(10, 20), 13, c.given);
    RunEvolution(*held, Parameters(10, 20), 13, c.held);
    EXPECT_TRUE(SameBytes(*given, *held)) << c.given.elitism << " " << c.given.tournament_size;
  }
}

TEST(AlgorithmTest, TheClassicChoicesAndTheCurvesOwnTableMakeTheClassicRun) {
  CurveTable curve1;
  std::copy_n(GenomeFitnessTable(1.0), kGenomeValues, curve1.begin());
  const ParameterSet p = Parameters(100, 40, 0.7f, 0.1f, 1);
  auto classic = FreshState();
  RunEvolution(*classic, p, 99);
  const CurveTable* const curves[] = {nullptr, &curve1};
  for (const CurveTable* curve : curves) {
    auto chosen = FreshState();
    // A tournament size is read by tournaments only.
    RunEvolution(*chosen, p, 99, Algorithm{.tournament_size = 7}, curve);
    EXPECT_TRUE(SameBytes(*classic, *chosen));
  }
}

TEST(AlgorithmTest, TournamentWithoutCrossoverOrMutationOnlyCopiesGenomes) {
  for (int size : {2, 10}) {
    auto state = FreshState();
    RunEvolution(*state, Parameters(200, 40, 0, 0), 5, Tournament(size));
    for (int g = 1; g <= 40; ++g) {
      const std::set<double> before(state->PositionHistory[g - 1],
                                    state->PositionHistory[g - 1] + 200);
      for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(before.contains(state->PositionHistory[g][i]))
            << "tournament " << size << ", generation " << g << ", place " << i;
      }
    }
  }
}

// Without elitism the generation best falls now and then on these runs;
// with it, never.
TEST(AlgorithmTest, ElitismNeverLetsTheGenerationBestFall) {
  const Algorithm cases[] = {
      WithElitism(1),
      {.selection = SelectionKind::kUniversal, .elitism = 2},
      {.selection = SelectionKind::kRank, .mutation = MutationKind::kBits, .elitism = 1},
      {.selection = SelectionKind::kTournament,
       .crossover = CrossoverKind::kUniform,
       .elitism = 3,
       .encoding = EncodingKind::kGray},
  };
  const auto generation_best = [](const RunState& state, int g) {
    return *std::max_element(state.FitnessHistory[g], state.FitnessHistory[g] + 30);
  };
  const auto falls = [&](const RunState& state) {
    for (int g = 1; g <= 200; ++g) {
      if (generation_best(state, g) < generation_best(state, g - 1)) return true;
    }
    return false;
  };
  const ParameterSet p = Parameters(30, 200, 0.9f, 0.5f, 2);
  for (const Algorithm& a : cases) {
    auto with = FreshState();
    auto without = FreshState();
    RunEvolution(*with, p, 11, a);
    Algorithm none = a;
    none.elitism = 0;
    RunEvolution(*without, p, 11, none);
    EXPECT_FALSE(falls(*with)) << static_cast<int>(a.selection);
    EXPECT_TRUE(falls(*without)) << static_cast<int>(a.selection);
  }
}

// Over G generations of N individuals the flips are binomial with 10 N G
// trials of chance r / 10: mean r N G, standard deviation under sqrt(r N G).
// 200 generations of 500 at r = 0.1 expect 10000 flips, deviation under
// 100; the test allows 4 deviations, and at the fixed seed the count either
// always passes or always fails.
TEST(BitMutationTest, FlipsRateTimesPopulationGenesPerGenerationOnAverage) {
  for (const double rate : {0.1, 0.02, 1.0}) {
    PopulationColumns columns{};
    CrtRandom random(314159);
    long flips = 0;
    for (int g = 0; g < 200; ++g) {
      PopulationColumns before = columns;
      MutateBits(500, rate, columns, random);
      for (int i = 0; i < 500; ++i)
        flips += std::popcount(unsigned(before.genome[i] ^ columns.genome[i]));
    }
    const double expected = rate * 500 * 200;
    EXPECT_NEAR(flips, expected, 4 * std::sqrt(expected)) << rate;
  }
}

TEST(BitMutationTest, ChanceIsTheRateOverTenIn30BitSteps) {
  EXPECT_EQ(BitFlipChance(0.0), 0);
  EXPECT_EQ(BitFlipChance(-1.0), 0);
  EXPECT_EQ(BitFlipChance(1.0), 107374182);  // 0.1 * 2^30 = 107374182.4
  EXPECT_EQ(BitFlipChance(0.1f), 10737418);
  EXPECT_EQ(BitFlipChance(1e-8), 1);
}

TEST(DrawRemainderTest, IsTheRemainderOfEveryDrawByEveryPopulationSize) {
  for (int n = 1; n <= kPopulationCapacity + 1; ++n) {
    const DrawRemainder remainder(n == kPopulationCapacity + 1 ? CrtRandom::kRandMax + 1 : n);
    const int divisor = n == kPopulationCapacity + 1 ? CrtRandom::kRandMax + 1 : n;
    for (int r = 0; r <= CrtRandom::kRandMax; ++r) {
      if (remainder.Of(r) != r % divisor) FAIL() << r << " % " << divisor;
    }
  }
}

TEST(GrayCodeTest, DecodingInvertsEncodingAndNeighboursDifferInOneGene) {
  std::set<int> codes;
  for (int n = 0; n < kGenomeValues; ++n) {
    const int code = GrayEncode(n);
    ASSERT_EQ(GrayDecode(code), n);
    ASSERT_LT(code, kGenomeValues);
    codes.insert(code);
    if (n > 0) {
      ASSERT_EQ(std::popcount(unsigned(code ^ GrayEncode(n - 1))), 1) << n;
    }
  }
  EXPECT_EQ(codes.size(), static_cast<std::size_t>(kGenomeValues));
  EXPECT_EQ(GrayDecode(0b1000000000), 1023);  // only gene 9: the last position
}

TEST(GrayCodeTest, RunRecordsTheDecodedPositions) {
  auto state = FreshState();
  RunEvolution(*state, Parameters(50, 3), 21, kGray);
  for (int i = 0; i < 50; ++i) {
    const int code = GenomeValue(state->Population[i]);
    EXPECT_EQ(state->PositionHistory[3][i], GrayDecode(code) * GeneScale) << i;
  }
}

TEST(FitnessOrderTest, RanksShareTheirMeanAndTournamentsFavourTheLowerPlace) {
  // Ranks: 1 at place 1, 2 at place 3, 3 and 4 shared by places 0 and 2.
  // Counted by genome (every place has its genome's fitness) or sorted by
  // place (no ranking, or a genome with two values): the same order.
  const double fitness[] = {5.0, -1.0, 5.0, 3.0};
  // Places 0 and 2 hold different genomes of equal fitness.
  const std::uint16_t by_genome[] = {7, 1, 3, 2};
  const std::uint16_t one_genome[] = {7, 7, 7, 7};
  CurveTable curve{};
  curve[7] = 5.0;
  curve[3] = 5.0;
  curve[1] = -1.0;
  curve[2] = 3.0;
  const GenomeRanking ranking(curve.data());
  struct Case {
    const std::uint16_t* genome;
    const GenomeRanking* ranking;
  };
  for (const Case& c :
       {Case{by_genome, &ranking}, Case{by_genome, nullptr}, Case{one_genome, &ranking}}) {
    const FitnessOrder order(c.genome, fitness, 4, c.ranking);
    double sums[4];
    CumulativeRankShares(order, sums);
    EXPECT_DOUBLE_EQ(sums[0], 0.35);
    EXPECT_DOUBLE_EQ(sums[1], 0.45);
    EXPECT_DOUBLE_EQ(sums[2], 0.80);
    EXPECT_DOUBLE_EQ(sums[3], 1.0);
    const Standings standings(order);
    const int places_by_standing[] = {0, 2, 3, 1};
    for (int standing = 0; standing < 4; ++standing) {
      EXPECT_EQ(standings.PlaceOf(standing), places_by_standing[standing]);
      EXPECT_EQ(standings.StandingOf(places_by_standing[standing]), standing);
    }
  }
}

// Each place gets its share of the choices, rounded down or up: the one
// thing universal sampling promises that independent spins do not.
TEST(UniversalSamplingTest, ChoosesEachPlaceItsShareRoundedDownOrUp) {
  const double fitness[] = {1, 7, 0.5, 3, 12, 2, 2, 9, 0.25, 4.25};
  double total = 0;
  for (double f : fitness) total += f;
  double sums[10];
  double running = 0;
  for (int i = 0; i < 10; ++i) sums[i] = running += fitness[i] / total;
  for (std::uint32_t seed = 0; seed < 50; ++seed) {
    for (int count : {10, 11, 37}) {
      std::uint16_t chosen[40];
      CrtRandom random(seed);
      SampleUniversally(sums, 10, count, random, chosen);
      for (int place = 0; place < 10; ++place) {
        const double expected = fitness[place] / total * count;
        const auto times = std::count(chosen, chosen + count, place);
        ASSERT_GE(times, std::floor(expected - 1e-9)) << "seed " << seed << ", place " << place;
        ASSERT_LE(times, std::ceil(expected + 1e-9)) << "seed " << seed << ", place " << place;
      }
    }
  }
}

}  // namespace
}  // namespace curvesmith
