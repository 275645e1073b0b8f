#ifndef CURVESMITH_CLI_STUDY_SHARD_FILE_H_
#define CURVESMITH_CLI_STUDY_SHARD_FILE_H_

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "cli/study_options.h"
#include "cli/study_runner.h"

namespace curvesmith::cli {

// The per-run results of one shard of a study, as CSV:
//   # curvesmith-cli study --shard K/N --curve ... --runs R --seed S
//   curve,population,generations,crossover,mutation,seed,best,generation_to_optimum,distinct_final
// then one line per run of the shard, in run order. The first line names the
// study (StudyDefinition::Arguments), so that study merge can tell which
// study a file belongs to; a run that never reached the maximum has an empty
// generation_to_optimum. The lines are written as the outcomes arrive.
class ShardFileWriter {
 public:
  ShardFileWriter(std::ostream& out, const StudyDefinition& study, const Shard& shard);

  // The outcome of the shard's next run.
  void Add(const RunOutcome& outcome);

 private:
  std::ostream& out_;
  const StudyDefinition& study_;
  std::uint64_t run_;
};

// Reads what ShardFileWriter wrote, run by run, in memory that does not grow
// with the file: no line is read beyond the longest a shard file can hold.
// Every fault throws UsageError "NAME:LINE: what is wrong".
//
// Every value is checked against the study: a run line must name its run's
// setting and seed; its best must be finite and from 0 to the curve's
// maximum, and it reached the optimum (has a generation_to_optimum) exactly
// when the best is that maximum; the generation must lie from 0 to the
// setting's generations, and distinct_final from 1 to its population (0 for
// a population of 0). A curve that selects no curve is refused.
class ShardFileReader {
 public:
  // `in` holds the file called `name` in messages.
  ShardFileReader(std::istream& in, std::string name);
  ~ShardFileReader();

  // Reads the two header lines. Without `reference` the study is kept
  // (Study()); with it, the study is compared with the reference as it is
  // read, nothing of it kept, and Study() is the reference when they are the
  // same (SameStudy()).
  void ReadHeader(const StudyDefinition* reference);
  bool SameStudy() const { return same_; }
  const StudyDefinition& Study() const { return *study_; }
  const Shard& GetShard() const { return shard_; }

  // Reads the next run's line into `outcome`; false after the shard's last
  // run, when the file must end.
  // REQUIRES: ReadHeader() was called and SameStudy().
  bool Next(RunOutcome& outcome);

  [[noreturn]] void Fail(const std::string& what) const;

 private:
  class HeaderReader;

  bool NextLine(std::string& line);

  std::istream& in_;
  std::string name_;
  std::uint64_t line_ = 0;
  std::unique_ptr<StudyDefinition> own_study_;
  const StudyDefinition* study_ = nullptr;
  bool same_ = true;
  Shard shard_;
  std::uint64_t run_ = 0;
  std::uint64_t end_ = 0;
};

// Opens the shard file at `path` for reading. Throws UsageError "PATH: ..."
// for one that cannot be opened or is neither a regular file nor a pipe (a
// device such as /dev/zero never ends).
std::unique_ptr<std::istream> OpenShardFile(const std::string& path);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_SHARD_FILE_H_
