#ifndef CURVESMITH_CLI_TOOL_FAILURE_H_
#define CURVESMITH_CLI_TOOL_FAILURE_H_

#include <stdexcept>

namespace curvesmith::cli {

// A failure that is not a mistake of the command line: a thread that cannot
// start, a temporary file that cannot be written. The message is one line
// that says what failed and the system's reason; the tool prints it and exits
// with status 1.
class ToolFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_TOOL_FAILURE_H_
