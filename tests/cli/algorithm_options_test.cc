// The operator choices and the formula on the command line.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/evolution.h"
#include "tests/cli/cli_process.h"

namespace curvesmith {
namespace {

using testing::Lines;
using testing::RunCli;

double Parse(const std::string& text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

TEST(AlgorithmOptionsTest, BadChoicesExitWithTwoAndNameTheOption) {
  struct Case {
    std::string arguments;
    std::string message;  // after "curvesmith-cli: "
  };
  const Case cases[] = {
      {"run --selection wheel",
       R"m(--selection takes roulette, rank, sus or tournament:K (K from 2 to 10), not "wheel")m"},
      {"run --selection tournament:11", "--selection takes"},
      {"run --selection tournament:1", "--selection takes"},
      {"run --selection tournament:+3", "--selection takes"},
      {"run --selection tournament", "--selection takes"},
      {"run --selection rank:3", "--selection takes"},
      {"run --selection", "--selection needs a value"},
      {"run --crossover-type three-point",
       R"m(--crossover-type takes one-point, two-point or uniform, not "three-point")m"},
      {"run --mutation-type flips", R"m(--mutation-type takes genes or bits, not "flips")m"},
      {"run --encoding grey", R"m(--encoding takes binary or gray, not "grey")m"},
      {"run --elitism -1", "--elitism takes"},
      {"run --elitism 2.5", "--elitism takes"},
      {"run --elitism 100",
       R"m(--elitism takes a whole number from 0 to 99 (below the population size), not "100")m"},
      {"run --population 5 --elitism 5", "--elitism takes a whole number from 0 to 4"},
      {"run --population -1e30 --elitism 1",
       R"m(--elitism takes a whole number from 0 to 0 (below the population size), not "1")m"},
      {"run --formula 'x +'",
       R"m(--formula takes a formula in x, not "x +": syntax error at character 4)m"},
      {"run --formula 'x * foo(x)'",
       R"m(--formula takes a formula in x, not "x * foo(x)": unknown name "foo" at character 5)m"},
      {"run --formula 'log(x)'",
       R"m(--formula takes a formula in x, not "log(x)": not a finite number at x = 0)m"},
      {"run --formula '1 / (x - 10)' --selection rank",
       R"m(--formula takes a formula in x, not "1 / (x - 10)": not a finite number at x = 10)m"},
      {"run --formula '10 - x' --selection sus",
       R"m(--formula takes a formula in x, not "10 - x": -0.01953125 at x = 10.01953125, below 0, )m"
       "which sus selection cannot weigh (tournament and rank can)"},
      {"render --formula 'x +' --ops",
       R"m(--formula takes a formula in x, not "x +": syntax error at character 4)m"},
      {"render --formula 'x * foo(x)' --out x.png",
       R"m(--formula takes a formula in x, not "x * foo(x)": unknown name "foo" at character 5)m"},
      {"render --formula 'log(x)' --gif x.gif",
       R"m(--formula takes a formula in x, not "log(x)": not a finite number at x = 0)m"},
      {"render --formula '10 - x' --ops",
       R"m(--formula takes a formula in x, not "10 - x": -0.01953125 at x = 10.01953125, below 0, )m"},
      {"render --formula x --caption --out x.png", "--caption names the built-in curves only"},
      {"render --elitism 1000 --ops", "--elitism takes"},
  };
  for (const Case& c : cases) {
    const auto result = RunCli(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_TRUE(result.out.empty()) << c.arguments;
    EXPECT_EQ(result.err.rfind("curvesmith-cli: " + c.message, 0), 0u)
        << c.arguments << ": " << result.err;
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
  }
}

TEST(AlgorithmOptionsTest, ChosenOperatorsReproduceTheEngineRun) {
  const auto best = RunCli(
      "run --seed 9 --population 40 --generations 15 --selection tournament:3 "
      "--crossover-type uniform --mutation-type bits --elitism 2 --encoding gray --output best");
  ASSERT_EQ(best.status, 0) << best.err;
  const auto state = std::make_unique<RunState>();
  RunEvolution(
      *state,
      {.Generations = 15, .CrossoverRate = 0.7f, .PopulationSize = 40, .MutationRate = 0.1f}, 9,
      {.selection = SelectionKind::kTournament,
       .tournament_size = 3,
       .crossover = CrossoverKind::kUniform,
       .mutation = MutationKind::kBits,
       .elitism = 2,
       .encoding = EncodingKind::kGray});
  const auto lines = Lines(best.out);
  ASSERT_EQ(lines.size(), 1u + 16u);
  for (int g = 0; g <= 15; ++g) {
    std::istringstream fields(lines[1 + g]);
    std::string generation, position, fitness;
    std::getline(fields, generation, ',');
    std::getline(fields, position, ',');
    std::getline(fields, fitness, ',');
    EXPECT_EQ(Parse(position), state->BestPositionByGeneration[g]) << g;
    EXPECT_EQ(Parse(fitness), state->BestFitnessByGeneration[g]) << g;
  }
}

TEST(AlgorithmOptionsTest, FormulaXGivesFitnessEqualToPosition) {
  const auto history = RunCli(
      "run --seed 3 --population 20 --generations 10 --formula x --selection tournament:4 "
      "--output history");
  ASSERT_EQ(history.status, 0) << history.err;
  const auto lines = Lines(history.out);
  ASSERT_EQ(lines.size(), 1u + 11u * 20u);
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string& line = lines[k];
    const std::size_t fitness = line.rfind(',');
    const std::size_t position = line.rfind(',', fitness - 1);
    ASSERT_EQ(line.substr(position + 1, fitness - position - 1), line.substr(fitness + 1)) << line;
  }
}

// A formula's fitness may need far more than the table's twelve characters:
// the row grows instead of being cut, and keeps its line end.
TEST(AlgorithmOptionsTest, SummaryRowsOfAHugeFormulaStayWhole) {
  const auto summary = RunCli("run --seed 5 --population 6 --generations 2 --formula '1e60 + x'");
  ASSERT_EQ(summary.status, 0) << summary.err;
  const auto lines = Lines(summary.out);
  const auto heading = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find("best fitness") != std::string::npos;
  });
  ASSERT_GE(lines.end() - heading, 4);
  for (int g = 0; g <= 2; ++g) {
    std::istringstream row(heading[1 + g]);
    std::vector<std::string> fields{std::istream_iterator<std::string>(row), {}};
    ASSERT_EQ(fields.size(), 5u) << heading[1 + g];
    EXPECT_EQ(fields[0], std::to_string(g));
    EXPECT_EQ(fields[2], "999999999999999949387135297074018866963645011013410073083904.000000");
  }
}

TEST(AlgorithmOptionsTest, ReportsNameEveryChoiceOnlyWhenOneDiffers) {
  const std::string run = "run --seed 4 --population 6 --generations 2";
  const std::string classic_by_name =
      " --selection roulette --crossover-type one-point --mutation-type genes --elitism 0 "
      "--encoding binary";
  for (const std::string output : {" --output json", ""}) {
    EXPECT_EQ(RunCli(run + classic_by_name + output).out, RunCli(run + output).out) << output;
  }

  const auto json = RunCli(run + " --elitism 1 --formula 'x * sin(x) + 20' --output json");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(
      json.out.find(
          R"m(,"algorithm":{"selection":"roulette","crossover":"one-point","mutation":"genes",)m"
          R"m("elitism":1,"encoding":"binary","formula":"x * sin(x) + 20"},"best":[)m"),
      std::string::npos)
      << json.out.substr(0, 300);

  // A formula alone is named, with the classic operators; rank selection
  // takes one that falls below 0.
  const auto alone = RunCli(run + " --formula 'x + 1' --output json");
  ASSERT_EQ(alone.status, 0) << alone.err;
  EXPECT_NE(alone.out.find(R"m({"selection":"roulette",)m"), std::string::npos);
  EXPECT_NE(alone.out.find(R"m("formula":"x + 1"},)m"), std::string::npos);
  const auto below = RunCli(run + " --formula 'x - 10' --selection rank");
  EXPECT_EQ(below.status, 0) << below.err;

  const auto summary = RunCli(run + " --selection tournament:5 --encoding gray");
  ASSERT_EQ(summary.status, 0) << summary.err;
  EXPECT_NE(summary.out.find("  selection       tournament:5\n  crossover       one-point\n"
                             "  mutation        genes\n  elitism         0\n"
                             "  encoding        gray\n  seed            4\n"),
            std::string::npos)
      << summary.out;
}

TEST(AlgorithmOptionsTest, RenderDrawsTheRunOfTheChosenOperators) {
  const std::string render = "render --ops --seed 5 --population 20 --generations 3";
  const auto classic = RunCli(render);
  ASSERT_EQ(classic.status, 0) << classic.err;
  EXPECT_EQ(RunCli(render + " --selection roulette --encoding binary").out, classic.out);
  const auto chosen = RunCli(render + " --selection tournament:3 --elitism 2");
  ASSERT_EQ(chosen.status, 0) << chosen.err;
  EXPECT_NE(chosen.out, classic.out);
}

}  // namespace
}  // namespace curvesmith
