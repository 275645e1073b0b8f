#ifndef CURVESMITH_CLI_STUDY_OPTIONS_H_
#define CURVESMITH_CLI_STUDY_OPTIONS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/study_grid.h"

namespace curvesmith::cli {

// The most runs a study may hold in all.
inline constexpr std::uint64_t kMostStudyRuns = 10'000'000;

// What a study computes: the settings, and R runs of each with the seeds
// S, S + 1, ..., S + R - 1 (modulo 2^32). Run i of the study (the "pair"
// index) is setting i / R with seed S + i % R.
struct StudyDefinition {
  StudyGrid grid;
  std::uint32_t runs = 100;
  std::uint32_t seed = 1;

  std::uint64_t TotalRuns() const { return grid.SettingCount() * runs; }
  std::uint32_t SeedOfRun(std::uint64_t run) const {
    return static_cast<std::uint32_t>(seed + run % runs);
  }
  // The options that define the study, every value spelled out:
  // "--curve 1 --population 100 ... --mutation 0.05,0.1 --runs 200 --seed 1".
  // Two studies are the same exactly when these texts are.
  std::string Arguments() const;
};

// Shard `index` of `count` takes the runs from total * (index - 1) / count up
// to (not including) total * index / count: equal shares, each run in one.
// REQUIRES: count <= 10,000,000 and total <= 10,000,000, so nothing overflows.
struct Shard {
  std::uint64_t index = 1;
  std::uint64_t count = 1;

  std::uint64_t FirstRun(std::uint64_t total) const { return Boundary(total, index - 1); }
  std::uint64_t EndRun(std::uint64_t total) const { return Boundary(total, index); }
  std::string Text() const { return std::to_string(index) + "/" + std::to_string(count); }

 private:
  std::uint64_t Boundary(std::uint64_t total, std::uint64_t k) const { return total * k / count; }
};

enum class StudyOutput { kTable, kCsv, kJson };

struct StudyOptions {
  StudyDefinition study;
  unsigned jobs = 0;  // 0: one per processor
  std::optional<Shard> shard;
  std::optional<StudyOutput> output;  // none: table on a terminal, else CSV
  bool quiet = false;
};

// Takes `option` (and its value) when it is an option of `study`. Returns
// false for any other. Throws UsageError for a bad value.
bool TakeStudyOption(std::string_view option, Arguments& arguments, StudyOptions& options);

// Takes --output, which `study merge` shares with `study`.
bool TakeOutputOption(std::string_view option, Arguments& arguments,
                      std::optional<StudyOutput>& output);

// Throws UsageError when the study as a whole is too large (more than
// 10,000,000 runs) or the shard does not fit.
void CheckStudyOptions(const StudyOptions& options);

// The options of study and of study merge, as --help describes them.
OptionHelps StudyOptionHelps();
OptionHelps StudyMergeOptionHelps();

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_OPTIONS_H_
