// Peak memory of curvesmith-cli for the largest studies and merges within its
// limits: ten million settings, the largest setting on as many jobs as asked
// for, and the merge of the ten million settings' shards. Each runs the
// built tool once, its output thrown away; peak_mb is the most memory it held
// at any time (the system's maximum resident set size). It should stay below
// 64 MB in every case, whatever --jobs says and however many settings there
// are.
//
// The tool runs no more jobs than the machine has processors, so the largest
// setting is also run on 1 to 64 threads by the study's own runner in a child
// of this program, whatever the machine: peak_mb is that child's, this
// program's own few megabytes included.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/study_options.h"
#include "cli/study_runner.h"

namespace {

namespace fs = std::filesystem;

const std::string kManySettings =
    "study --mutation 0:0.9999998:1e-7 --runs 1 --population 0 --generations 0 --quiet";

// Runs the tool with `arguments` (split at blanks), its output to `out`, and
// returns its peak resident memory in MB; aborts when it fails.
double PeakMegabytes(const std::string& arguments, const std::string& out = "/dev/null") {
  std::vector<std::string> words;
  for (std::size_t begin = 0; begin < arguments.size();) {
    const std::size_t end = std::min(arguments.find(' ', begin), arguments.size());
    words.push_back(arguments.substr(begin, end - begin));
    begin = end + 1;
  }
  std::vector<char*> argv{const_cast<char*>(CURVESMITH_CLI_PATH)};
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(fd, STDOUT_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
  return usage.ru_maxrss / 1024.0;
}

void BM_PeakMemory(benchmark::State& bench, const std::string& arguments) {
  double peak = 0.0;
  for (auto _ : bench) peak = PeakMegabytes(arguments);
  bench.counters["peak_mb"] = peak;
}
BENCHMARK_CAPTURE(BM_PeakMemory, ten_million_settings, kManySettings + " --jobs 1024")
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_PeakMemory, largest_setting,
                  std::string("study --population 1000 --generations 999 --runs 16 --quiet "
                              "--jobs 1024"))
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The largest setting's runs, four per thread, on `threads` threads in a
// child process; its peak resident memory in MB.
double PeakMegabytesOfThreads(unsigned threads) {
  const pid_t child = ::fork();
  if (child == 0) {
    curvesmith::cli::StudyDefinition study;
    const auto axis_of = [](curvesmith::RunField field) {
      return curvesmith::cli::StudyAxisOf(curvesmith::RunSettingOf(field).option);
    };
    study.grid.SetValues(axis_of(curvesmith::RunField::kPopulationSize), {1000.0f});
    study.grid.SetValues(axis_of(curvesmith::RunField::kGenerations), {999.0f});
    study.runs = 4 * threads;
    curvesmith::cli::RunStudyRuns(
        study, 0, study.runs, threads, [](const curvesmith::cli::RunOutcome&) {},
        [](std::uint64_t) {});
    ::_exit(0);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
  return usage.ru_maxrss / 1024.0;
}

void BM_PeakMemoryOfThreads(benchmark::State& bench) {
  double peak = 0.0;
  for (auto _ : bench) peak = PeakMegabytesOfThreads(static_cast<unsigned>(bench.range(0)));
  bench.counters["peak_mb"] = peak;
}
BENCHMARK(BM_PeakMemoryOfThreads)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Arg(16)
    ->Arg(64)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

void BM_PeakMemoryOfMerge(benchmark::State& bench) {
  const fs::path folder =
      fs::temp_directory_path() / ("study_memory_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string one = (folder / "1.csv").string();
  const std::string two = (folder / "2.csv").string();
  PeakMegabytes(kManySettings + " --shard 2/2", two);
  PeakMegabytes(kManySettings + " --shard 1/2", one);
  double peak = 0.0;
  for (auto _ : bench) peak = PeakMegabytes("study merge " + two + " " + one);
  bench.counters["peak_mb"] = peak;
  fs::remove_all(folder);
}
BENCHMARK(BM_PeakMemoryOfMerge)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
