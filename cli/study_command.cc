#include "cli/study_command.h"

#include <unistd.h>

#include <map>
#include <string>
#include <thread>

#include "cli/shown_text.h"
#include "cli/study_progress.h"
#include "cli/study_report.h"
#include "cli/study_runner.h"
#include "cli/study_shard_file.h"

namespace curvesmith::cli {
namespace {

StudyOutput OutputOrDefault(const std::optional<StudyOutput>& output) {
  if (output) return *output;
  return ::isatty(STDOUT_FILENO) ? StudyOutput::kTable : StudyOutput::kCsv;
}

int Finish(std::ostream& out) {
  out.flush();
  return out ? 0 : 1;
}

int RunStudy(const StudyOptions& options, std::ostream& out, std::ostream& err) {
  const StudyDefinition& study = options.study;
  const Shard shard = options.shard.value_or(Shard{});
  const std::uint64_t first = shard.FirstRun(study.TotalRuns());
  const std::uint64_t end = shard.EndRun(study.TotalRuns());
  const unsigned jobs =
      options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());

  std::vector<RunOutcome> outcomes;
  {
    ProgressLine progress(err, end - first, !options.quiet && ::isatty(STDERR_FILENO));
    outcomes =
        RunStudyRuns(study, first, end, jobs, [&](std::uint64_t done) { progress.Update(done); });
  }
  if (options.shard) {
    WriteShardFile(out, study, shard, outcomes);
  } else {
    WriteStudyReport(out, OutputOrDefault(options.output), study, outcomes);
  }
  return Finish(out);
}

int MergeStudy(Arguments& arguments, std::ostream& out) {
  std::optional<StudyOutput> output;
  std::vector<std::string> paths;
  while (!arguments.Done()) {
    const std::string_view word = arguments.NextOption();
    if (TakeOutputOption(word, arguments, output)) continue;
    if (word.starts_with("--")) {
      throw UsageError("unknown option " + Shown(word) + " for study merge (see --help)");
    }
    paths.emplace_back(word);
  }
  if (paths.empty()) throw UsageError("study merge needs the CSV files of a study's shards");

  // Shard index -> its file; every file must describe the first one's study.
  std::map<std::uint64_t, ShardFile> shards;
  std::map<std::uint64_t, std::string> path_of;
  for (const std::string& path : paths) {
    ShardFile file = ReadShardFile(path);
    if (!shards.empty()) {
      const ShardFile& first = shards.begin()->second;
      if (file.study.Arguments() != first.study.Arguments() ||
          file.shard.count != first.shard.count) {
        throw UsageError("study merge: " + ShownPath(path) + " belongs to another study than " +
                         ShownPath(path_of.begin()->second));
      }
    }
    const std::uint64_t index = file.shard.index;
    if (path_of.contains(index)) {
      throw UsageError("study merge: " + ShownPath(path_of[index]) + " and " + ShownPath(path) +
                       " are both shard " + file.shard.Text());
    }
    path_of[index] = path;
    shards.emplace(index, std::move(file));
  }
  const std::uint64_t count = shards.begin()->second.shard.count;
  for (std::uint64_t index = 1; index <= count; ++index) {
    if (!shards.contains(index)) {
      throw UsageError("study merge: shard " + Shard{index, count}.Text() + " is missing");
    }
  }

  // Each file holds its shard's runs, in order, so the shards in order hold
  // the whole study in order.
  std::vector<RunOutcome> outcomes;
  for (auto& [index, file] : shards) {
    outcomes.insert(outcomes.end(), file.outcomes.begin(), file.outcomes.end());
    file.outcomes = {};
  }
  WriteStudyReport(out, OutputOrDefault(output), shards.begin()->second.study, outcomes);
  return Finish(out);
}

}  // namespace

int RunStudyCommand(Arguments& arguments, std::ostream& out, std::ostream& err) {
  StudyOptions options;
  for (bool first = true; !arguments.Done(); first = false) {
    const std::string_view option = arguments.NextOption();
    if (first && option == "merge") return MergeStudy(arguments, out);
    if (TakeStudyOption(option, arguments, options)) continue;
    throw UsageError("unknown option " + Shown(option) + " for study (see --help)");
  }
  CheckStudyOptions(options);
  return RunStudy(options, out, err);
}

}  // namespace curvesmith::cli
