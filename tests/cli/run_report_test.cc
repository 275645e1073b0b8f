#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "engine/evolution.h"
#include "tests/cli/cli_process.h"

namespace curvesmith {
namespace {

using testing::Lines;
using testing::RunCli;

struct ReportCase {
  std::string options;
  ParameterSet parameters;
  std::uint32_t seed;
};

// A mid-sized run; a population of three over many generations, where each
// place is often the only one holding the generation's best; a negative
// number of generations, which runs generation 0 only; and a report larger
// than what is built in memory before it is written.
const ReportCase kCases[] = {
    {"--curve 2 --population 30 --generations 12 --crossover 0.6 --mutation 0.05 --seed 77",
     {.Generations = 12.0f,
      .CrossoverRate = 0.6f,
      .PopulationSize = 30.0f,
      .MutationRate = 0.05f,
      .TargetCurve = 2.0f},
     77},
    {"--curve 1 --population 3 --generations 40 --crossover 0.9 --mutation 0.3 --seed 4",
     {.Generations = 40.0f,
      .CrossoverRate = 0.9f,
      .PopulationSize = 3.0f,
      .MutationRate = 0.3f,
      .TargetCurve = 1.0f},
     4},
    {"--curve 0 --population 4 --generations -2 --crossover 0.7 --mutation 0.1 --seed 3",
     {.Generations = -2.0f,
      .CrossoverRate = 0.7f,
      .PopulationSize = 4.0f,
      .MutationRate = 0.1f,
      .TargetCurve = 0.0f},
     3},
    {"--curve 0 --population 400 --generations 10 --crossover 0.7 --mutation 0.1 --seed 8",
     {.Generations = 10.0f,
      .CrossoverRate = 0.7f,
      .PopulationSize = 400.0f,
      .MutationRate = 0.1f,
      .TargetCurve = 0.0f},
     8},
};

std::unique_ptr<RunState> EngineRun(const ReportCase& c) {
  auto state = std::make_unique<RunState>();
  RunEvolution(*state, c.parameters, c.seed);
  return state;
}

QStringList Keys(const QJsonObject& object) {
  QStringList keys = object.keys();
  keys.sort();
  return keys;
}

std::vector<double> Numbers(const QJsonValue& array) {
  std::vector<double> numbers;
  for (const QJsonValue& value : array.toArray()) {
    EXPECT_TRUE(value.isDouble());
    numbers.push_back(value.toDouble());
  }
  return numbers;
}

TEST(RunReportTest, JsonHoldsEveryTableOfTheRun) {
  for (const ReportCase& c : kCases) {
    SCOPED_TRACE(c.options);
    const auto result = RunCli("run --output json " + c.options);
    ASSERT_EQ(result.status, 0) << result.err;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject report = document.object();
    const auto state = EngineRun(c);
    const int places = state->PopulationSize;
    const int generations = state->Generation + 1;

    EXPECT_EQ(Keys(report), QStringList({"best", "history", "parameters", "seed"}));
    EXPECT_EQ(report["seed"].toDouble(), c.seed);
    const QJsonObject parameters = report["parameters"].toObject();
    EXPECT_EQ(Keys(parameters), QStringList({"crossover_rate", "generations", "mutation_rate",
                                             "population_size", "target_curve"}));
    EXPECT_EQ(parameters["population_size"].toDouble(), c.parameters.PopulationSize);
    EXPECT_EQ(parameters["generations"].toDouble(), c.parameters.Generations);
    EXPECT_EQ(parameters["crossover_rate"].toDouble(), c.parameters.CrossoverRate);
    EXPECT_EQ(parameters["mutation_rate"].toDouble(), c.parameters.MutationRate);
    EXPECT_EQ(parameters["target_curve"].toDouble(), c.parameters.TargetCurve);

    const QJsonArray best = report["best"].toArray();
    ASSERT_EQ(best.size(), generations);
    for (int g = 0; g < generations; ++g) {
      SCOPED_TRACE(g);
      const QJsonObject entry = best[g].toObject();
      EXPECT_EQ(Keys(entry), QStringList({"fitness", "generation", "position"}));
      EXPECT_EQ(entry["generation"].toDouble(), g);
      EXPECT_EQ(entry["position"].toDouble(), state->BestPositionByGeneration[g]);
      EXPECT_EQ(entry["fitness"].toDouble(), state->BestFitnessByGeneration[g]);
    }

    const QJsonArray history = report["history"].toArray();
    ASSERT_EQ(history.size(), generations);
    for (int g = 0; g < generations; ++g) {
      SCOPED_TRACE(g);
      const QJsonObject entry = history[g].toObject();
      EXPECT_EQ(Keys(entry), QStringList({"fitnesses", "generation", "positions"}));
      EXPECT_EQ(entry["generation"].toDouble(), g);
      EXPECT_EQ(Numbers(entry["positions"]),
                std::vector<double>(state->PositionHistory[g], state->PositionHistory[g] + places));
      EXPECT_EQ(Numbers(entry["fitnesses"]),
                std::vector<double>(state->FitnessHistory[g], state->FitnessHistory[g] + places));
    }
  }
}

std::vector<double> NumbersOf(const std::string& line) {
  std::vector<double> numbers;
  std::istringstream in(line);
  for (double number; in >> number;) numbers.push_back(number);
  return numbers;
}

// The summary rounds to six decimals.
void ExpectNear(const std::vector<double>& shown, const std::vector<double>& expected) {
  ASSERT_EQ(shown.size(), expected.size());
  for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_NEAR(shown[i], expected[i], 5e-7) << i;
}

TEST(RunReportTest, SummaryShowsEachGenerationsBestMeanAndMaximum) {
  for (const ReportCase& c : kCases) {
    SCOPED_TRACE(c.options);
    const auto result = RunCli("run " + c.options);
    ASSERT_EQ(result.status, 0) << result.err;
    const auto state = EngineRun(c);
    const int places = state->PopulationSize;
    const int generations = state->Generation + 1;

    const auto lines = Lines(result.out);
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
      return line.find("best fitness") != std::string::npos;
    });
    ASSERT_GE(lines.end() - heading, generations + 3);
    for (int g = 0; g < generations; ++g) {
      SCOPED_TRACE(g);
      const double* fitness = state->FitnessHistory[g];
      ExpectNear(NumbersOf(heading[1 + g]),
                 {static_cast<double>(g), state->BestPositionByGeneration[g],
                  state->BestFitnessByGeneration[g],
                  std::accumulate(fitness, fitness + places, 0.0) / places,
                  *std::max_element(fitness, fitness + places)});
    }
    char best[160];
    std::snprintf(best, sizeof best, "Best point: x = %f, fitness = %f",
                  state->BestPositionByGeneration[state->Generation],
                  state->BestFitnessByGeneration[state->Generation]);
    EXPECT_EQ(lines.back(), best);
  }
}

}  // namespace
}  // namespace curvesmith
