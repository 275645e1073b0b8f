#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <set>
#include <string>
#include <vector>

#include "engine/individual.h"
#include "engine/objective.h"
#include "tests/cli/cli_process.h"

namespace curvesmith {
namespace {

using testing::Fields;
using testing::Lines;
using testing::RunCli;

std::string Shortest(double value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

double Number(const std::string& text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The highest fitness any of the 1024 genomes has on `curve`.
double CurveMaximum(float curve) {
  double maximum = 0.0;
  for (int v = 0; v < 1024; ++v)
    maximum = std::max(maximum, *ObjectiveFunction(curve, v * GeneScale));
  return maximum;
}

// What one `curvesmith-cli run --seed` ended with, read from its best CSV.
struct SingleRun {
  double best = 0.0;
  int generation_to_optimum = -1;  // -1: never reached
};

SingleRun RunOnce(const std::string& options, std::uint32_t seed, double maximum) {
  const auto result =
      RunCli("run " + options + " --seed " + std::to_string(seed) + " --output best");
  EXPECT_EQ(result.status, 0) << result.err;
  const auto lines = Lines(result.out);
  SingleRun run;
  for (std::size_t line = 1; line < lines.size(); ++line) {
    const auto fields = Fields(lines[line]);
    run.best = Number(fields[2]);
    if (run.best == maximum && run.generation_to_optimum < 0) {
      run.generation_to_optimum = std::stoi(fields[0]);
    }
  }
  return run;
}

// Success rate, mean generation to the optimum (over the successful runs
// only) and median best, checked against the single runs the study names.
// Between them the cases hold runs that fail, runs that reach the optimum
// at generation 0 and one that reaches it at its last generation.
TEST(StudyStatisticsTest, SuccessStatisticsComeFromTheSingleRuns) {
  const struct {
    std::string options;
    float curve;
    int runs;
    std::uint32_t seed;
  } cases[] = {
      {"--curve 1 --population 30 --generations 10", 1, 10, 1},
      {"--curve 1 --population 1000 --generations 0", 1, 2, 1},
  };
  std::set<std::string> reached;  // "generation/generations"
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    const auto study = RunCli("study " + c.options + " --runs " + std::to_string(c.runs) +
                              " --seed " + std::to_string(c.seed) + " --output csv");
    ASSERT_EQ(study.status, 0) << study.err;
    const auto lines = Lines(study.out);
    ASSERT_EQ(lines.size(), 2u);
    const auto row = Fields(lines[1]);
    const int generations = std::stoi(row[2]);

    const double maximum = CurveMaximum(c.curve);
    std::vector<double> bests;
    int successes = 0;
    int generation_sum = 0;
    for (int r = 0; r < c.runs; ++r) {
      const SingleRun run = RunOnce(c.options, c.seed + r, maximum);
      bests.push_back(run.best);
      if (run.generation_to_optimum < 0) continue;
      ++successes;
      generation_sum += run.generation_to_optimum;
      reached.insert(std::to_string(run.generation_to_optimum) + "/" + std::to_string(generations));
    }
    ASSERT_GT(successes, 0);
    ASSERT_LT(successes, c.runs);
    std::sort(bests.begin(), bests.end());
    const std::size_t middle = bests.size() / 2;
    EXPECT_EQ(row[7],
              Shortest(bests.size() % 2 ? bests[middle] : (bests[middle - 1] + bests[middle]) / 2));
    EXPECT_EQ(row[10], Shortest(static_cast<double>(successes) / c.runs));
    EXPECT_EQ(row[11], Shortest(static_cast<double>(generation_sum) / successes));
  }
  EXPECT_TRUE(reached.contains("0/0"));
  EXPECT_TRUE(reached.contains("10/10"));
}

// Runs that follow one another in a thread's run state are each the run a
// fresh state computes, an empty population after a full one included.
TEST(StudyStatisticsTest, EmptyPopulationAfterAFullOneIsItsOwnRun) {
  const auto study = RunCli(
      "study --curve 1 --population 5,0 --generations 3 --runs 2 --seed 1 --jobs 1 --output csv");
  ASSERT_EQ(study.status, 0) << study.err;
  const auto lines = Lines(study.out);
  ASSERT_EQ(lines.size(), 3u);
  const auto row = Fields(lines[2]);
  const double maximum = CurveMaximum(1.0f);
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(row[8 + r],
              Shortest(RunOnce("--curve 1 --population 0 --generations 3", 1 + r, maximum).best));
  }
}

}  // namespace
}  // namespace curvesmith
