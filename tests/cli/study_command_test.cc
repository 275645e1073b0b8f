#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/evolution.h"
#include "engine/objective.h"
#include "tests/cli/cli_process.h"
#include "tests/cli/folder_test.h"

namespace curvesmith {
namespace {

namespace fs = std::filesystem;
using testing::Lines;
using testing::RunCli;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line + ",");
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

std::string Shortest(double value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// A refusal: exit status 2, nothing on stdout, one line on stderr that says
// what is wrong.
void ExpectRefused(const std::string& arguments, const std::string& message) {
  SCOPED_TRACE(arguments);
  const auto result = RunCli(arguments);
  EXPECT_EQ(result.status, 2);
  EXPECT_TRUE(result.out.empty());
  EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
  EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
}

// The statistics row of one setting, worked out here from single runs of the
// engine in fresh run states, as `curvesmith-cli run --seed` computes them.
std::vector<std::string> ExpectedRow(const ParameterSet& setting, const std::string& values,
                                     int runs, std::uint32_t seed) {
  double maximum = 0.0;
  for (int v = 0; v < 1024; ++v) {
    maximum = std::max(maximum, *ObjectiveFunction(setting.TargetCurve, v * 0.01953125));
  }
  std::vector<double> bests;
  double best_sum = 0.0;
  double distinct_sum = 0.0;
  double generation_sum = 0.0;
  int successes = 0;
  for (int r = 0; r < runs; ++r) {
    const auto state = std::make_unique<RunState>();
    RunEvolution(*state, setting, seed + static_cast<std::uint32_t>(r));
    const double best = state->BestSoFar.fitness;
    bests.push_back(best);
    best_sum += best;
    std::set<std::vector<int>> genomes;
    for (int i = 0; i < state->PopulationSize; ++i) {
      genomes.insert(std::vector<int>(state->Population[i].gene, state->Population[i].gene + 10));
    }
    distinct_sum += static_cast<double>(genomes.size());
    if (best == maximum) {
      ++successes;
      int g = 0;
      while (state->BestFitnessByGeneration[g] != maximum) ++g;
      generation_sum += g;
    }
  }
  std::sort(bests.begin(), bests.end());
  const double median = runs % 2 ? bests[runs / 2] : (bests[runs / 2 - 1] + bests[runs / 2]) / 2;
  std::vector<std::string> row = Fields(values);
  row.insert(
      row.end(),
      {std::to_string(runs), Shortest(best_sum / runs), Shortest(median), Shortest(bests.front()),
       Shortest(bests.back()), Shortest(static_cast<double>(successes) / runs),
       successes ? Shortest(generation_sum / successes) : "", Shortest(distinct_sum / runs)});
  return row;
}

TEST(StudyCommandTest, RowsHoldTheStatisticsOfSingleRuns) {
  // Two varied options, curve slowest; the seeds wrap past 2^32 - 1.
  const auto result = RunCli(
      "study --curve 1,2 --population 12 --generations 15 --mutation 0.05:0.3:0.25 --runs 4 "
      "--seed 4294967294 --jobs 2");
  ASSERT_EQ(result.status, 0) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0],
            "curve,population,generations,crossover,mutation,runs,mean_best,median_best,min_best,"
            "max_best,success_rate,mean_generation_to_optimum,mean_distinct_final");
  const struct {
    float curve, mutation;
    std::string values;
  } settings[] = {{1, 0.05f, "1,12,15,0.7,0.05"},
                  {1, 0.3f, "1,12,15,0.7,0.3"},
                  {2, 0.05f, "2,12,15,0.7,0.05"},
                  {2, 0.3f, "2,12,15,0.7,0.3"}};
  for (int s = 0; s < 4; ++s) {
    SCOPED_TRACE(settings[s].values);
    const ParameterSet setting{.Generations = 15.0f,
                               .CrossoverRate = 0.7f,
                               .PopulationSize = 12.0f,
                               .MutationRate = settings[s].mutation,
                               .TargetCurve = settings[s].curve};
    EXPECT_EQ(Fields(lines[1 + s]), ExpectedRow(setting, settings[s].values, 4, 4294967294u));
  }
}

// A fresh, empty folder for the shard files of one test.
class StudyFilesTest : public testing::FolderTest {
 protected:
  std::string Write(const std::string& name, const std::string& content) const {
    const std::string file = (folder_ / name).string();
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

  // Writes shard k of n of `study` and returns its file name.
  std::string Shard(const std::string& study, int k, int n) const {
    const auto result = RunCli("study " + study + " --shard " + std::to_string(k) + "/" +
                               std::to_string(n) + " --jobs 2");
    EXPECT_EQ(result.status, 0) << result.err;
    return Write("shard" + std::to_string(k) + ".csv", result.out);
  }
};

// Settings of very different cost, so that two jobs finish runs out of order.
const std::string kStudy =
    "--population 3,60 --generations 0:40:20 --crossover 0.5,1 --runs 5 --seed 9";

TEST_F(StudyFilesTest, JobsAndShardsGiveTheWholeStudysOutputByteForByte) {
  // Shards named in any order; 60 runs in 7 unequal shares.
  std::string files;
  for (int k = 7; k >= 1; --k) files.append(" ").append(Shard(kStudy, k, 7));
  for (const std::string format : {"csv", "json", "table"}) {
    SCOPED_TRACE(format);
    const auto whole = RunCli("study " + kStudy + " --jobs 1 --output " + format);
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(RunCli("study " + kStudy + " --jobs 2 --output " + format).out, whole.out);
    const auto merged = RunCli("study merge --output " + format + files);
    ASSERT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(merged.out, whole.out);
  }
}

TEST_F(StudyFilesTest, DamagedOrForeignShardsAreRefusedWithFileAndLine) {
  const std::string one = Shard(kStudy, 1, 2);
  const std::string two = Shard(kStudy, 2, 2);
  const std::string text = [&] {
    std::ifstream in(two);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }();
  const std::string cut = Write("cut.csv", text.substr(0, text.size() - 5));
  const std::string short_file =
      Write("short.csv", text.substr(0, text.rfind('\n', text.size() - 2) + 1));
  std::string edited_text = text;
  edited_text.replace(edited_text.find(",9,"), 3, ",8,");
  const std::string edited = Write("edited.csv", edited_text);
  const std::string other =
      Write("other.csv", RunCli("study " + kStudy + " --seed 10 --shard 2/2").out);

  const struct {
    std::string files;
    std::string message;
  } cases[] = {
      {one + " " + cut, cut + ":32: the file ends in the middle of a line"},
      {one + " " + short_file, short_file + ":31: the file ends after 29 of the shard's 30 runs"},
      {one + " " + edited, edited + ":3: expected the run with setting and seed 0,60,0,0.5,0.1,9"},
      {one + " " + other, "other.csv belongs to another study than " + one},
      {one + " " + one, "both shard 1/2"},
      {one, "shard 2/2 is missing"},
      {one + " " + (folder_ / "none.csv").string(), "none.csv: cannot be read"},
  };
  for (const auto& c : cases) ExpectRefused("study merge " + c.files, c.message);
}

TEST(StudyCommandTest, BadOptionsExitWithTwoAndNameTheOption) {
  const struct {
    std::string arguments;
    std::string named;
  } cases[] = {
      {"--mutation 0.1:0.3:0", "--mutation takes a range whose STEP is above 0"},
      {"--mutation 0.3:0.1:0.1", "--mutation takes a range whose START is not above its STOP"},
      {"--crossover 0.1,,0.2", "--crossover takes a list without empty items"},
      {"--population 10,", "--population takes a list without empty items"},
      {"--mutation 0:1.5:0.5", "--mutation takes a number from 0 to 1"},
      {"--curve 0:3:1", "--curve takes 0, 1 or 2 (the three curves), not \"3\""},
      {"--curve 1,-0,2.5", "--curve takes 0, 1 or 2 (the three curves), not \"2.5\""},
      {"--generations 1:2", "--generations takes a range START:STOP:STEP"},
      {"--shard 0/3", "--shard"},
      {"--shard 4/3", "--shard"},
      {"--runs 0", "--runs"},
      {"--runs 1000001", "--runs"},
      {"--mutation 0:1:0.0001 --runs 1000", "more than 10000000 runs"},
      {"--jobs 0", "--jobs"},
      {"--output xml", "--output"},
      {"--shard 1/2 --output csv", "--output"},
      {"merge", "study merge needs"},
  };
  for (const auto& c : cases) ExpectRefused("study " + c.arguments, c.named);
}

}  // namespace
}  // namespace curvesmith
