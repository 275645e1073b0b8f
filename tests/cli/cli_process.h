#ifndef CURVESMITH_TESTS_CLI_CLI_PROCESS_H_
#define CURVESMITH_TESTS_CLI_CLI_PROCESS_H_

#include <string>
#include <vector>

namespace curvesmith::testing {

// What one run of curvesmith-cli printed and how it ended.
struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the built curvesmith-cli with `arguments` (passed to the shell as they
// stand) and collects its output. A non-empty `stdout_redirection` (such as
// ">/dev/full" or ">&-") sends standard output there instead; `out` is then
// empty.
CliResult RunCli(const std::string& arguments, const std::string& stdout_redirection = "");

// The bytes of the file at `path` (empty when it cannot be read).
std::string Slurp(const std::string& path);

// `text` cut into lines, without their line ends.
std::vector<std::string> Lines(const std::string& text);

// The comma-separated fields of one CSV line, empty ones included.
std::vector<std::string> Fields(const std::string& line);

}  // namespace curvesmith::testing

#endif  // CURVESMITH_TESTS_CLI_CLI_PROCESS_H_
