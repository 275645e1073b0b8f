#include <gtest/gtest.h>

#include <charconv>
#include <memory>
#include <string>
#include <vector>

#include "engine/evolution.h"
#include "report/run_report.h"
#include "tests/cli/cli_process.h"

namespace curvesmith {
namespace {

using testing::Fields;
using testing::Lines;
using testing::RunCli;

double Parse(const std::string& text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(error, std::errc()) << text;
  EXPECT_EQ(end, text.data() + text.size()) << text;
  return value;
}

TEST(RunCommandTest, BadInputExitsWithTwoAndNamesTheOption) {
  struct Case {
    std::string arguments;
    std::string mentions;
  };
  const Case cases[] = {
      {"run --population 1001", "--population"},
      {"run --population abc", "--population"},
      {"run --generations 1000", "at most 999"},
      {"run --crossover 1.5", "from 0 to 1"},
      {"run --mutation -0.1", "--mutation"},
      {"run --curve nan", "--curve takes 0, 1 or 2"},
      {"run --curve 3", "--curve takes 0, 1 or 2 (the three curves), not \"3\""},
      {"run --curve 0.5", "--curve takes 0, 1 or 2 (the three curves), not \"0.5\""},
      {"render --curve -1 --out x.png", "--curve takes 0, 1 or 2 (the three curves), not \"-1\""},
      {"render --curve 7 --gif x.gif", "--curve"},
      {"run --generations", "needs a value"},
      {"run --seed -1", "--seed"},
      {"run --output xml", "--output"},
      {"run --colour red", "--colour"},
      {"fly", "fly"},
      {"", "no command"},
  };
  for (const Case& c : cases) {
    const auto result = RunCli(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_TRUE(result.out.empty()) << c.arguments;
    EXPECT_NE(result.err.find(c.mentions), std::string::npos) << c.arguments << ": " << result.err;
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
  }
}

TEST(RunCommandTest, RefusalsShowTheArgumentEscapedAndCut) {
  struct Case {
    std::string argument;  // as the shell reads it
    std::string shown;
  };
  const Case cases[] = {
      {R"sh("$(printf '5\nX')")sh", R"("5\nX")"},
      {R"sh("$(printf '\033[31mred')")sh", R"("\x1b[31mred")"},
      {R"sh("$(printf 'bad\377"\\')")sh", R"("bad\xff\"\\")"},
      {R"sh("$(printf 'a\342\200\256b\342\201\251')")sh", R"("a\u202eb\u2069")"},
      {R"sh("$(head -c 100000 /dev/zero | tr '\0' x)")sh", '"' + std::string(40, 'x') + "...\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    const auto result = RunCli("run --population " + c.argument);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err,
              "curvesmith-cli: --population takes a number below 1001 (at most 1000 "
              "individuals), not " +
                  c.shown + "\n");
  }
}

TEST(RunCommandTest, EveryFailureToWriteTheOutputIsReported) {
  const std::string commands[] = {
      "run --seed 1",
      "run --seed 1 --output best",
      "run --seed 1 --output history",
      "run --seed 1 --output json",
      "render --seed 1 --generations 2 --ops",
      "--help",
      "--version",
  };
  for (const std::string redirection : {">/dev/full", ">&-"}) {
    for (const std::string& command : commands) {
      SCOPED_TRACE(command + " " + redirection);
      const auto result = RunCli(command, redirection);
      EXPECT_EQ(result.status, 1);
      EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
      EXPECT_EQ(result.err.rfind("curvesmith-cli: cannot write the output: ", 0), 0u) << result.err;
    }
  }
}

TEST(RunCommandTest, VersionAndHelp) {
  EXPECT_EQ(RunCli("--version").out, "Curvesmith 1.0.0.1\n");
  const auto help = RunCli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--population"), std::string::npos);
  EXPECT_NE(help.out.find("default 100"), std::string::npos);
}

TEST(RunCommandTest, CsvReportsHoldTheRunExactly) {
  const std::string options = "run --seed 77 --population 30 --generations 12 --curve 2";
  const auto best = RunCli(options + " --output best");
  const auto history = RunCli(options + " --output history");
  ASSERT_EQ(best.status, 0) << best.err;
  ASSERT_EQ(history.status, 0) << history.err;

  const auto state = std::make_unique<RunState>();
  RunEvolution(*state,
               {.Generations = 12.0f,
                .CrossoverRate = 0.7f,
                .PopulationSize = 30.0f,
                .MutationRate = 0.1f,
                .TargetCurve = 2.0f},
               77);

  const auto best_lines = Lines(best.out);
  ASSERT_EQ(best_lines.size(), 1u + 13u);
  EXPECT_EQ(best_lines[0], "generation,best_position,best_fitness");
  for (int g = 0; g <= 12; ++g) {
    const auto fields = Fields(best_lines[1 + g]);
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0], std::to_string(g));
    EXPECT_EQ(Parse(fields[1]), state->BestPositionByGeneration[g]);
    EXPECT_EQ(Parse(fields[2]), state->BestFitnessByGeneration[g]);
  }

  const auto history_lines = Lines(history.out);
  ASSERT_EQ(history_lines.size(), 1u + 13u * 30u);
  EXPECT_EQ(history_lines[0], "generation,place,position,fitness");
  for (int g = 0; g <= 12; ++g) {
    for (int i = 0; i < 30; ++i) {
      const auto fields = Fields(history_lines[1 + g * 30 + i]);
      ASSERT_EQ(fields.size(), 4u);
      ASSERT_EQ(fields[1], std::to_string(i));
      ASSERT_EQ(Parse(fields[2]), state->PositionHistory[g][i]);
      ASSERT_EQ(Parse(fields[3]), state->FitnessHistory[g][i]);
    }
  }
}

TEST(RunCommandTest, JsonAndSummaryDescribeTheSameRun) {
  const std::string options = "run --seed 5 --population 4 --generations 2 --crossover 0.5";
  const auto json = RunCli(options + " --output json");
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out.rfind("{\"seed\":5,\"parameters\":{\"population_size\":4,", 0), 0u);
  EXPECT_NE(json.out.find("\"crossover_rate\":0.5,"), std::string::npos);
  EXPECT_NE(json.out.find("{\"generation\":2,\"positions\":["), std::string::npos);
  EXPECT_EQ(json.out.substr(json.out.size() - 3), "]}\n");

  const auto summary = RunCli(options);
  ASSERT_EQ(summary.status, 0);
  EXPECT_NE(summary.out.find("seed            5"), std::string::npos);
  EXPECT_NE(summary.out.find("Best point: x = "), std::string::npos);
}

TEST(RunCommandTest, EmptyPopulationReportsWithoutDividingByZero) {
  const auto result = RunCli("run --seed 1 --population 0 --generations 3");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.find("nan"), std::string::npos) << result.out;
  const auto history = RunCli("run --seed 1 --population 0 --generations 3 --output history");
  EXPECT_EQ(history.out, "generation,place,position,fitness\n");
}

}  // namespace
}  // namespace curvesmith
