#include <gtest/gtest.h>

#include "engine/crt_random.h"
#include "engine/genome_fitness.h"
#include "engine/individual.h"
#include "engine/objective.h"
#include "tests/engine/engine_test_support.h"

namespace curvesmith {
namespace {

using testing::GenomeOf;

TEST(DecodeGenomeTest, ReadsGeneZeroAsTheLowestBit) {
  struct Case {
    int value;
    double x;
  };
  constexpr Case kCases[] = {
      {0, 0.0}, {1, 0.01953125}, {1 << 9, 10.0}, {1 + 4 + 512, 10.09765625}, {1023, 19.98046875}};
  for (const Case& c : kCases) EXPECT_EQ(DecodeGenome(GenomeOf(c.value)), c.x) << c.value;
}

TEST(GenomeFitnessTableTest, HoldsTheCurveValuesBitForBit) {
  for (double curve : {0.0, 1.0, 2.0, -0.0}) {
    const double* table = GenomeFitnessTable(curve);
    ASSERT_NE(table, nullptr);
    for (int v = 0; v < kGenomeValues; ++v) {
      ASSERT_EQ(table[v], *ObjectiveFunction(curve, v * GeneScale)) << curve << " " << v;
    }
  }
  EXPECT_EQ(GenomeFitnessTable(0.5), nullptr);
  EXPECT_EQ(GenomeFitnessTable(3.0), nullptr);
}

TEST(CrtRandomTest, RepeatsTheCRuntimeSequence) {
  // srand(1) then rand() on the Windows C runtime.
  CrtRandom random(1);
  for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358}) {
    EXPECT_EQ(random.Rand(), expected);
  }
  random = CrtRandom(1);
  EXPECT_EQ(random.Rand(), 41);
  CrtRandom other(0xFFFFFFFFu);
  for (int i = 0; i < 100000; ++i) {
    const int r = other.Rand();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, CrtRandom::kRandMax);
  }
}

}  // namespace
}  // namespace curvesmith
