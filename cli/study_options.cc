#include "cli/study_options.h"

#include <limits>

#include "cli/exact_numbers.h"
#include "engine/number_text.h"

namespace curvesmith::cli {

namespace {

constexpr std::uint32_t kMostRunsPerSetting = 1'000'000;
constexpr unsigned kMostJobs = 1024;
// More shards than runs would leave shards empty; this many is already absurd.
constexpr std::uint64_t kMostShards = 10'000'000;

Shard ReadShard(std::string_view text) {
  const std::size_t slash = text.find('/');
  Shard shard;
  if (slash == std::string_view::npos || !ReadNumber(text.substr(0, slash), shard.index) ||
      !ReadNumber(text.substr(slash + 1), shard.count) || shard.index < 1 ||
      shard.index > shard.count || shard.count > kMostShards) {
    Refuse("--shard", "K/N with whole numbers 1 <= K <= N <= " + std::to_string(kMostShards), text);
  }
  return shard;
}

OptionHelp StudyOutputHelp() {
  return {"--output FORMAT", "table (default on a terminal), csv or json"};
}

}  // namespace

OptionHelps StudyOptionHelps() {
  const StudyDefinition defaults;
  std::string axes;
  for (const StudyAxis& axis : kStudyAxes) {
    axes += (axes.empty() ? "" : ", ") + std::string(axis.option);
  }
  return {
      {axes,
       "\neach one value, a comma list (0.1,0.2) or a range\n"
       "START:STOP:STEP; every combination is a setting"},
      {"--runs R", "runs per setting, 1 to " + std::to_string(kMostRunsPerSetting) + " (default " +
                       std::to_string(defaults.runs) + ")"},
      {"--seed S",
       "seeds S to S + R - 1 for each setting (default " + std::to_string(defaults.seed) + ")"},
      {"--jobs N",
       "runs at the same time, at most one per processor and one\n"
       "per run (default: one per processor)"},
      {"--shard K/N", "only the K-th of N shares, as per-run CSV for merge"},
      StudyOutputHelp(),
      {"--quiet", "no progress line"},
  };
}

OptionHelps StudyMergeOptionHelps() {
  return {StudyOutputHelp()};
}

std::string StudyDefinition::Arguments() const {
  std::string text;
  for (int axis = 0; axis < kStudyAxisCount; ++axis) {
    text += std::string(kStudyAxes[axis].option) + " ";
    const char* separator = "";
    for (const float value : grid.Values(axis)) {
      text += separator;
      text += ShortestText(value);
      separator = ",";
    }
    text += " ";
  }
  return text + "--runs " + std::to_string(runs) + " --seed " + std::to_string(seed);
}

bool TakeOutputOption(std::string_view option, Arguments& arguments,
                      std::optional<StudyOutput>& output) {
  if (option != "--output") return false;
  const std::string_view text = arguments.ValueOf(option);
  if (text == "table") {
    output = StudyOutput::kTable;
  } else if (text == "csv") {
    output = StudyOutput::kCsv;
  } else if (text == "json") {
    output = StudyOutput::kJson;
  } else {
    Refuse(option, "table, csv or json", text);
  }
  return true;
}

bool TakeStudyOption(std::string_view option, Arguments& arguments, StudyOptions& options) {
  if (const int axis = StudyAxisOf(option); axis >= 0) {
    options.study.grid.SetValues(axis, ReadStudyValues(option, arguments.ValueOf(option)));
    return true;
  }
  if (option == "--runs") {
    const std::string_view text = arguments.ValueOf(option);
    if (!ReadNumber(text, options.study.runs) || options.study.runs < 1 ||
        options.study.runs > kMostRunsPerSetting) {
      Refuse(option, "a whole number from 1 to " + std::to_string(kMostRunsPerSetting), text);
    }
  } else if (option == "--seed") {
    const std::string_view text = arguments.ValueOf(option);
    if (!ReadNumber(text, options.study.seed)) {
      Refuse(option,
             "a whole number from 0 to " +
                 std::to_string(std::numeric_limits<decltype(options.study.seed)>::max()),
             text);
    }
  } else if (option == "--jobs") {
    const std::string_view text = arguments.ValueOf(option);
    if (!ReadNumber(text, options.jobs) || options.jobs < 1 || options.jobs > kMostJobs) {
      Refuse(option, "a whole number from 1 to " + std::to_string(kMostJobs), text);
    }
  } else if (option == "--shard") {
    options.shard = ReadShard(arguments.ValueOf(option));
  } else if (option == "--quiet") {
    options.quiet = true;
  } else {
    return TakeOutputOption(option, arguments, options.output);
  }
  return true;
}

void CheckStudyOptions(const StudyOptions& options) {
  // Counted in floating point: the product of five long lists would not fit
  // any integer.
  double total = options.study.runs;
  for (int axis = 0; axis < kStudyAxisCount; ++axis) {
    total *= static_cast<double>(options.study.grid.Values(axis).size());
  }
  if (total > static_cast<double>(kMostStudyRuns)) {
    throw UsageError("--runs " + std::to_string(options.study.runs) +
                     " for every combination of the values given makes more than " +
                     std::to_string(kMostStudyRuns) +
                     " "
                     "runs in all");
  }
  if (options.shard && options.output) {
    throw UsageError("--shard writes per-run CSV for study merge: leave out --output");
  }
}

}  // namespace curvesmith::cli
