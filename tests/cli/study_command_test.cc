#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/curve_maximum.h"
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
  // The mean is the exact one, rounded once: a few bests of a curve add up
  // exactly in long double.
  long double best_sum = 0.0L;
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
  row.insert(row.end(), {std::to_string(runs), Shortest(static_cast<double>(best_sum / runs)),
                         Shortest(median), Shortest(bests.front()), Shortest(bests.back()),
                         Shortest(static_cast<double>(successes) / runs),
                         successes ? Shortest(generation_sum / successes) : "",
                         Shortest(distinct_sum / runs)});
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

// The values a range stands for are those its items would stand for in a
// list, each read and rounded once, its last value kept.
TEST(StudyCommandTest, RangesHoldTheValuesTheirListWould) {
  const struct {
    std::string option;
    std::string values;
    std::vector<std::string> expected;
  } cases[] = {
      // 0 + 3 * 0.1 lies just above 0.3.
      {"--mutation", "0:0.3:0.1", {"0", "0.1", "0.2", "0.3"}},
      {"--mutation", "0.1:0.1:0.05", {"0.1"}},
      {"--mutation", "0.05:0.3:0.05", {"0.05", "0.1", "0.15", "0.2", "0.25", "0.3"}},
      {"--mutation", "+0.1:0.3:0.1", {"0.1", "0.2", "0.3"}},
      {"--mutation", "' 0.1:0.3:0.1'", {"0.1", "0.2", "0.3"}},
      {"--crossover", "0.50000002980232239:0.6:1", {"0.50000006"}},
      {"--crossover", "0.50000002980232239,0.6", {"0.50000006", "0.6"}},
      {"--crossover", "0:0.50000002980232239:0.50000002980232239", {"0", "0.50000006"}},
      {"--population", "1000:1000:1e30", {"1000"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option + " " + c.values);
    const auto result = RunCli("study --runs 1 --population 0 --generations 0 " + c.option + " " +
                               c.values + " --output csv");
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = Lines(result.out);
    const int column = c.option == "--mutation" ? 4 : c.option == "--crossover" ? 3 : 1;
    std::vector<std::string> values;
    for (std::size_t i = 1; i < lines.size(); ++i) values.push_back(Fields(lines[i])[column]);
    EXPECT_EQ(values, c.expected);
  }
}

// The mean of equal values is that value, and no mean lies outside the
// values it is taken of.
TEST(StudyCommandTest, MeansLieWithinTheirValues) {
  const auto result = RunCli(
      "study --population 1000,7 --generations 20,3 --mutation 0.01,0.3 --runs 3 --output csv");
  ASSERT_EQ(result.status, 0) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 9u);
  // Population 1000 finds the maximum in every run of generation 0.
  EXPECT_EQ(Fields(lines[1])[6], Fields(lines[1])[8]);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    const auto fields = Fields(lines[i]);
    const double mean = std::stod(fields[6]);
    EXPECT_LE(std::stod(fields[8]), mean);
    EXPECT_LE(mean, std::stod(fields[9]));
    if (fields[8] == fields[9]) {
      EXPECT_EQ(fields[6], fields[8]);
    }
  }
}

// The table and the JSON hold the CSV's rows: the table right-aligned in
// columns two blanks apart, the JSON as one object per row after the
// study's arguments.
TEST(StudyCommandTest, TableAndJsonHoldTheCsvRows) {
  const std::string study =
      "study --population 5,40 --generations 3 --mutation 0:0.1:0.05 --runs 3 --output ";
  const auto csv = Lines(RunCli(study + "csv").out);
  ASSERT_EQ(csv.size(), 7u);
  const auto table = Lines(RunCli(study + "table").out);
  ASSERT_EQ(table.size(), csv.size());
  // Where each column ends: after the last character of its header.
  std::vector<std::size_t> ends;
  for (std::size_t at = 0; at < table[0].size(); ++at) {
    if (table[0][at] != ' ' && (at + 1 == table[0].size() || table[0][at + 1] == ' ')) {
      ends.push_back(at + 1);
    }
  }
  for (std::size_t i = 0; i < csv.size(); ++i) {
    SCOPED_TRACE(table[i]);
    ASSERT_EQ(table[i].size(), table[0].size());
    const auto cells = Fields(csv[i]);
    ASSERT_EQ(ends.size(), cells.size());
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const std::size_t start = ends[c] - cells[c].size();
      EXPECT_EQ(table[i].substr(start, cells[c].size()), cells[c]);
      EXPECT_TRUE(start == 0 || table[i].substr(start - 1, 1) == " ");
    }
  }
  std::string json =
      "{\"arguments\":{\"curve\":[0],\"population\":[5,40],\"generations\":[3],"
      "\"crossover\":[0.7],\"mutation\":[0,0.05,0.1],\"runs\":3,\"seed\":1},\"rows\":[";
  const auto names = Fields(csv[0]);
  for (std::size_t i = 1; i < csv.size(); ++i) {
    const auto cells = Fields(csv[i]);
    json += i > 1 ? ",{" : "{";
    for (std::size_t c = 0; c < cells.size(); ++c) {
      json += (c ? ",\"" : "\"") + names[c] + "\":" + (cells[c].empty() ? "null" : cells[c]);
    }
    json += "}";
  }
  EXPECT_EQ(RunCli(study + "json").out, json + "]}\n");
}

// A study that cannot start its threads says so in one line and exits with
// status 1, writing nothing. The limit of one process per user binds root
// too little: the tool then runs as the unprivileged user "nobody".
TEST(StudyCommandTest, ThreadsThatCannotStartAreReportedInOneLine) {
  if (std::system("prlimit --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no prlimit";
  std::string command = "prlimit --nproc=1 " + std::string(CURVESMITH_CLI_PATH) +
                        " study --population 10 --generations 9 --runs 4 --jobs 2 --output csv";
  if (::geteuid() == 0) {
    if (std::system("setpriv --help >/dev/null 2>&1") != 0) GTEST_SKIP() << "no setpriv";
    command = "setpriv --reuid=65534 --regid=65534 --clear-groups " + command;
  }
  // In a sanitizer build, LeakSanitizer's check at exit needs a thread of its
  // own, which the limit denies as well.
  command = "ASAN_OPTIONS=detect_leaks=0 " + command;
  const fs::path out = fs::temp_directory_path() / ("threads_" + std::to_string(::getpid()));
  const int raw =
      std::system((command + " >" + out.string() + " 2>" + out.string() + ".err").c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
  EXPECT_EQ(testing::Slurp(out.string()), "");
  const std::string err = testing::Slurp(out.string() + ".err");
  EXPECT_EQ(Lines(err).size(), 1u) << err;
  EXPECT_EQ(err.rfind("curvesmith-cli: cannot start thread 1 of ", 0), 0u) << err;
  fs::remove(out);
  fs::remove(out.string() + ".err");
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

// Counts a run holds to its limits (no generations for -1e30) are read back
// from a shard as the run took them.
TEST_F(StudyFilesTest, CountsOutsideTheCapacitiesMergeAsTheyRan) {
  // An empty population after a full one, in the same run state.
  const std::string study = "--generations -1e30,-3 --population 7,-5,-1e9 --runs 2 --jobs 1";
  const auto whole = RunCli("study " + study + " --output csv");
  ASSERT_EQ(whole.status, 0) << whole.err;
  for (const std::string& line : Lines(whole.out)) {
    const auto fields = Fields(line);
    if (fields[1] == "-5" || fields[1] == "-1e+09") {
      EXPECT_EQ(fields[6], "0") << line;
    }
  }
  const auto merged = RunCli("study merge " + Shard(study, 1, 1));
  EXPECT_EQ(merged.status, 0) << merged.err;
  EXPECT_EQ(merged.out, whole.out);
}

// Line `line` (from 0) of `text` with its field `field` (from 0) replaced.
std::string WithField(const std::string& text, int line, int field, const std::string& value) {
  auto lines = Lines(text);
  auto fields = Fields(lines[line]);
  fields[field] = value;
  std::string edited;
  for (std::size_t f = 0; f < fields.size(); ++f) edited += (f ? "," : "") + fields[f];
  lines[line] = edited;
  std::string joined;
  for (const std::string& each : lines) joined += each + "\n";
  return joined;
}

// Every value of a shard file is checked against what a run can give; an
// edited one is refused with its file and line rather than merged.
TEST_F(StudyFilesTest, ValuesNoRunCanGiveAreRefusedWithFileAndLine) {
  const std::string study =
      "--curve 1 --mutation 0.1,0.2 --runs 5 --generations 20 --population 30";
  const std::string one = Shard(study, 1, 2);
  const std::string two = Shard(study, 2, 2);
  const std::string text = testing::Slurp(two);
  // Line 4 of shard 2 (seed 2 of mutation 0.2) never reaches the maximum.
  ASSERT_EQ(Fields(Lines(text)[3])[7], "");
  const std::string maximum = Shortest(*CurveMaximum(1));
  const std::string header = Lines(text)[0];
  const struct {
    std::string name;
    std::string content;
    std::string message;
  } cases[] = {
      {"nan", WithField(text, 3, 6, "nan"),
       ":4: best is not a fitness from 0 to the curve's maximum"},
      {"inf", WithField(text, 3, 6, "inf"), ":4: best is not a fitness"},
      {"huge", WithField(text, 3, 6, "1e308"), ":4: best is not a fitness"},
      {"negative", WithField(text, 3, 6, "-1e308"), ":4: best is not a fitness"},
      {"above", WithField(text, 3, 6, "153.5"), ":4: best is not a fitness"},
      {"false_success", WithField(text, 3, 7, "0"),
       ":4: generation_to_optimum is given but the best is not the maximum"},
      {"hidden_success", WithField(text, 3, 6, maximum),
       ":4: the run's best is the maximum but it has no generation_to_optimum"},
      {"late", WithField(WithField(text, 3, 6, maximum), 3, 7, "21"),
       ":4: generation_to_optimum is not a generation of the run, 0 to 20"},
      {"crowd", WithField(text, 3, 8, "31"),
       ":4: distinct_final is not a count of genomes from 1 to 30"},
      {"nobody", WithField(text, 3, 8, "0"), ":4: distinct_final is not a count"},
      {"extra", text + Lines(text).back() + "\n", ":8: more lines than the shard has runs"},
      {"long", text.substr(0, text.find('\n') + 1) + std::string(100000, '1') + "\n",
       ":2: a line longer than 256 bytes"},
      {"range", "# curvesmith-cli study --shard 2/2 --curve 0:1:1e-12 --population 30\n",
       ":1: damaged study header: --curve takes a comma list of numbers in their shortest form"},
      {"endless",
       header.substr(0, header.find("--mutation")) + "--mutation 0.1" + std::string(100000, '0'),
       ":1: damaged study header: a word longer than 32 bytes"},
  };
  for (const auto& c : cases) {
    const std::string file = Write(c.name + ".csv", c.content);
    ExpectRefused("study merge " + one + " " + file, file + c.message);
  }
  // Shard 2 of a study with other mutation rates.
  const std::string other =
      Write("other.csv", RunCli("study --curve 1 --mutation 0.1,0.3 --runs 5 --generations 20 "
                                "--population 30 --shard 2/2")
                             .out);
  ExpectRefused("study merge " + one + " " + other,
                "other.csv belongs to another study than " + one);
  // Shards of another split of the same study.
  ExpectRefused("study merge " + one + " " + Shard(study, 2, 3),
                "shard2.csv belongs to another study than " + one);
  ExpectRefused("study merge /dev/zero", "/dev/zero: cannot be read: not a regular file or a pipe");
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
      {"--curve 0:3:1", "--curve takes 0, 1 or 2 (the three curves), not \"0:3:1\""},
      {"--curve 1,-0,2.50", "--curve takes 0, 1 or 2 (the three curves), not \"2.50\""},
      {"--generations 1:2", "--generations takes a range START:STOP:STEP"},
      {"--shard 0/3", "--shard"},
      {"--shard 4/3", "--shard"},
      {"--runs 0", "--runs"},
      {"--runs 1000001", "--runs"},
      {"--mutation 0:1:0.0001 --runs 1000", "more than 10000000 runs"},
      {"--mutation 0:1:1e-8", "--mutation takes a range of at most 10000000 values"},
      // A step lost beside its start would repeat one value without end.
      {"--curve -1e30:-1e30:2e3 --runs 1",
       "--curve takes a range whose STEP changes every value it adds to, not \"-1e30:-1e30:2e3\""},
      {"--curve 1e20:1e20:1", "STEP changes every value"},
      // 16777215 and 16777216 differ in single precision; 16777217 does not.
      {"--curve 16777215:16777300:1", "STEP changes every value"},
      {"--curve -1e300:1e300:1e300", "not \"-1e300:1e300:1e300\""},
      {"--crossover 1e-400",
       "--crossover takes a number from 0 to 1, not \"1e-400\", which underflows"},
      {"--jobs 0", "--jobs"},
      {"--output xml", "--output"},
      {"--shard 1/2 --output csv", "--output"},
      {"merge", "study merge needs"},
  };
  for (const auto& c : cases) ExpectRefused("study " + c.arguments, c.named);
}

}  // namespace
}  // namespace curvesmith
