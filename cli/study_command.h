#ifndef CURVESMITH_CLI_STUDY_COMMAND_H_
#define CURVESMITH_CLI_STUDY_COMMAND_H_

#include <ostream>

#include "cli/arguments.h"

namespace curvesmith::cli {

// `curvesmith-cli study [options]`: runs every setting of a study R times and
// writes one row of statistics per setting on `out` (or, with --shard, the
// shard's per-run CSV); the progress line goes to `err`.
// Returns the exit status; throws UsageError for a bad command line, before
// anything is written.
int RunStudyCommand(Arguments& arguments, std::ostream& out, std::ostream& err);

// `curvesmith-cli study merge [--output F] FILE.csv...`: the study's rows
// from the per-run CSV of all its shards. Returns the exit status; throws
// UsageError for a bad command line or merge input, before anything is
// written.
int RunStudyMergeCommand(Arguments& arguments, std::ostream& out);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_COMMAND_H_
