#ifndef CURVESMITH_CLI_RUN_COMMAND_H_
#define CURVESMITH_CLI_RUN_COMMAND_H_

#include <ostream>

#include "cli/arguments.h"

namespace curvesmith::cli {

// `curvesmith-cli run [options]`: computes one run and reports it on `out`
// (whether the report could be written is the caller's to check). Throws
// UsageError for a bad command line, before anything is written.
void RunRunCommand(Arguments& arguments, std::ostream& out);

// The options of run besides the run options, as --help describes them.
OptionHelps RunCommandOptionHelps();

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_RUN_COMMAND_H_
