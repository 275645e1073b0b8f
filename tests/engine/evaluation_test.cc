#include "engine/evaluation.h"

#include <gtest/gtest.h>

#include "engine/objective.h"
#include "tests/engine/engine_test_support.h"

namespace curvesmith {
namespace {

using testing::FreshState;
using testing::GenomeOf;

class EvaluateGenerationTest : public ::testing::Test {
 protected:
  // Places 0.. hold the given genomes; fitness fields are set from `carried`.
  void Populate(std::initializer_list<int> genomes, double carried = 0.0) {
    int place = 0;
    for (int v : genomes) state_->Population[place++] = GenomeOf(v, carried);
    state_->PopulationSize = place;
  }

  std::unique_ptr<RunState> state_ = FreshState();
};

TEST_F(EvaluateGenerationTest, ScoresAndRecordsEveryIndividual) {
  Populate({0, 512, 211, 1023});
  state_->TargetCurve = 0.0;
  state_->Generation = 3;
  EvaluateGeneration(*state_);
  for (int i = 0; i < 4; ++i) {
    const double x = DecodeGenome(state_->Population[i]);
    EXPECT_EQ(state_->DecodedPositions[i], x);
    EXPECT_EQ(state_->Population[i].fitness, *ObjectiveFunction(0.0, x));
    EXPECT_EQ(state_->PositionHistory[3][i], x);
    EXPECT_EQ(state_->FitnessHistory[3][i], state_->Population[i].fitness);
  }
  EXPECT_EQ(state_->PositionHistory[3][4], 0.0) << "nothing beyond the population";
  // 512 decodes to exactly 10 and takes the low formula.
  EXPECT_NEAR(state_->FitnessHistory[3][1], 28.6975, 5e-5);
}

TEST_F(EvaluateGenerationTest, TiesKeepTheFirstOfTheGenerationButTheLatestGeneration) {
  // A selector without a curve keeps the carried fitness, so every place ties.
  state_->TargetCurve = 3.0;
  Populate({10, 20, 30}, 5.0);
  state_->Generation = 0;
  EvaluateGeneration(*state_);
  EXPECT_EQ(state_->BestPositionByGeneration[0], 10 * GeneScale);
  Populate({40, 50}, 5.0);
  state_->Generation = 1;
  EvaluateGeneration(*state_);
  EXPECT_EQ(state_->BestPositionByGeneration[1], 40 * GeneScale);
  EXPECT_EQ(state_->BestFitnessByGeneration[1], 5.0);
}

TEST_F(EvaluateGenerationTest, BestSoFarNeverFallsWithinARunButResetsAtGenerationZero) {
  state_->TargetCurve = 1.0;
  Populate({195});  // curve 1's maximum
  state_->Generation = 0;
  EvaluateGeneration(*state_);
  Populate({0});
  state_->Generation = 1;
  EvaluateGeneration(*state_);
  EXPECT_EQ(state_->BestPositionByGeneration[1], 195 * GeneScale);
  EXPECT_EQ(state_->BestFitnessByGeneration[1], state_->BestFitnessByGeneration[0]);
  // A new run's generation 0 is worse, and replaces the record all the same.
  state_->Generation = 0;
  EvaluateGeneration(*state_);
  EXPECT_EQ(state_->BestFitnessByGeneration[0], 30.0);
  EXPECT_EQ(state_->BestPositionByGeneration[0], 0.0);
}

TEST_F(EvaluateGenerationTest, EmptyPopulationStillCopiesPlaceZero) {
  state_->Population[0] = GenomeOf(7, 55.5);
  state_->PopulationSize = 0;
  state_->TargetCurve = 0.0;
  state_->Generation = 2;
  EvaluateGeneration(*state_);
  EXPECT_EQ(state_->FitnessHistory[2][0], 0.0) << "nothing is recorded";
  EXPECT_EQ(state_->Population[0].fitness, 55.5) << "nothing is scored";
  EXPECT_EQ(state_->GenerationBest.fitness, 55.5);
  EXPECT_EQ(state_->BestFitnessByGeneration[2], 55.5);
  EXPECT_EQ(state_->BestPositionByGeneration[2], 7 * GeneScale);
}

TEST_F(EvaluateGenerationTest, SelectorWithoutCurveKeepsAndRecordsCarriedFitness) {
  Populate({1, 2, 3});
  state_->Population[1].fitness = 4.25;
  state_->TargetCurve = 3.0;
  state_->Generation = 0;
  EvaluateGeneration(*state_);
  EXPECT_EQ(state_->FitnessHistory[0][0], 0.0);
  EXPECT_EQ(state_->FitnessHistory[0][1], 4.25);
  EXPECT_EQ(state_->PositionHistory[0][2], 3 * GeneScale);
  EXPECT_EQ(state_->BestPositionByGeneration[0], 2 * GeneScale);
  // All equal: place 0 is the generation's best and, by >=, the new record.
  state_->Population[1].fitness = 0.0;
  state_->BestSoFar.fitness = 0.0;
  state_->Generation = 1;
  EvaluateGeneration(*state_);
  EXPECT_EQ(state_->BestPositionByGeneration[1], 1 * GeneScale);
}

}  // namespace
}  // namespace curvesmith
