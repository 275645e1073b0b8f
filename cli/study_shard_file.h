#ifndef CURVESMITH_CLI_STUDY_SHARD_FILE_H_
#define CURVESMITH_CLI_STUDY_SHARD_FILE_H_

#include <ostream>
#include <string>
#include <vector>

#include "cli/study_options.h"
#include "cli/study_runner.h"

namespace curvesmith::cli {

// The per-run results of one shard of a study, as CSV:
//   # curvesmith-cli study --shard K/N --curve ... --runs R --seed S
//   curve,population,generations,crossover,mutation,seed,best,generation_to_optimum,distinct_final
// then one line per run of the shard, in run order. The first line names the
// study (StudyDefinition::Arguments), so that study merge can tell which
// study a file belongs to; a run that never reached the maximum has an empty
// generation_to_optimum.
void WriteShardFile(std::ostream& out, const StudyDefinition& study, const Shard& shard,
                    const std::vector<RunOutcome>& outcomes);

struct ShardFile {
  StudyDefinition study;
  Shard shard;
  std::vector<RunOutcome> outcomes;
};

// Reads what WriteShardFile wrote into the file at `path`. Throws UsageError
// "PATH:LINE: what is wrong" for a file that cannot be read, is truncated or
// damaged, or holds a line that is not the run of the shard it should be.
ShardFile ReadShardFile(const std::string& path);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_SHARD_FILE_H_
