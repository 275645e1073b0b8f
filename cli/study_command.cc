#include "cli/study_command.h"

#include <unistd.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "cli/outcome_spool.h"
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

  // The progress line is gone before a table is written out.
  const auto run = [&](const std::function<void(const RunOutcome&)>& on_outcome) {
    ProgressLine progress(err, end - first, !options.quiet && ::isatty(STDERR_FILENO));
    RunStudyRuns(study, first, end, StudyThreads(options.jobs, end - first), on_outcome,
                 [&](std::uint64_t done) { progress.Update(done); });
  };
  if (options.shard) {
    ShardFileWriter writer(out, study, shard);
    run([&](const RunOutcome& outcome) { writer.Add(outcome); });
  } else {
    StudyReportWriter writer(out, OutputOrDefault(options.output), study);
    run([&](const RunOutcome& outcome) { writer.Add(outcome); });
    writer.Finish();
  }
  return Finish(out);
}

}  // namespace

int RunStudyMergeCommand(Arguments& arguments, std::ostream& out) {
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

  // The first file's study; every other file must describe the same. Each
  // file is read once, its runs put where they belong in the study, so the
  // files may come in any order and nothing is written before all are read.
  std::unique_ptr<ShardFileReader> first;
  std::unique_ptr<std::istream> first_in;
  std::map<std::uint64_t, std::string> path_of;
  OutcomeSpool spool;
  for (const std::string& path : paths) {
    auto in = OpenShardFile(path);
    auto file = std::make_unique<ShardFileReader>(*in, path);
    file->ReadHeader(first ? &first->Study() : nullptr);
    if (first && (!file->SameStudy() || file->GetShard().count != first->GetShard().count)) {
      throw UsageError("study merge: " + ShownPath(path) + " belongs to another study than " +
                       ShownPath(paths.front()));
    }
    const Shard shard = file->GetShard();
    if (path_of.contains(shard.index)) {
      throw UsageError("study merge: " + ShownPath(path_of[shard.index]) + " and " +
                       ShownPath(path) + " are both shard " + shard.Text());
    }
    path_of[shard.index] = path;
    spool.Seek(shard.FirstRun(file->Study().TotalRuns()));
    for (RunOutcome outcome; file->Next(outcome);) spool.Put(outcome);
    if (!first) {
      first = std::move(file);
      first_in = std::move(in);
    }
  }
  const StudyDefinition& study = first->Study();
  const std::uint64_t count = first->GetShard().count;
  for (std::uint64_t index = 1; index <= count; ++index) {
    if (!path_of.contains(index)) {
      throw UsageError("study merge: shard " + Shard{index, count}.Text() + " is missing");
    }
  }

  StudyReportWriter writer(out, OutputOrDefault(output), study);
  spool.ReadAll(study.TotalRuns(), [&](const RunOutcome& outcome) { writer.Add(outcome); });
  writer.Finish();
  return Finish(out);
}

int RunStudyCommand(Arguments& arguments, std::ostream& out, std::ostream& err) {
  StudyOptions options;
  while (!arguments.Done()) {
    const std::string_view option = arguments.NextOption();
    if (TakeStudyOption(option, arguments, options)) continue;
    throw UsageError("unknown option " + Shown(option) + " for study (see --help)");
  }
  CheckStudyOptions(options);
  return RunStudy(options, out, err);
}

}  // namespace curvesmith::cli
