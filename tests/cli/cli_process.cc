#include "tests/cli/cli_process.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace curvesmith::testing {
std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

CliResult RunCli(const std::string& arguments, const std::string& stdout_redirection) {
  const auto folder = std::filesystem::temp_directory_path();
  const auto stem = "curvesmith-cli-test-" + std::to_string(::getpid());
  const auto out_path = folder / (stem + ".out");
  const auto err_path = folder / (stem + ".err");
  std::string out_to = stdout_redirection;
  if (out_to.empty()) out_to = ">" + out_path.native();
  const std::string command = std::string(CURVESMITH_CLI_PATH) + " " + arguments + " " + out_to +
                              " 2>" + err_path.string() + " </dev/null";
  const int raw = std::system(command.c_str());
  CliResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = Slurp(out_path);
  result.err = Slurp(err_path);
  std::filesystem::remove(out_path);
  std::filesystem::remove(err_path);
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  for (std::size_t begin = 0;;) {
    const std::size_t end = std::min(line.find(',', begin), line.size());
    fields.push_back(line.substr(begin, end - begin));
    if (end == line.size()) return fields;
    begin = end + 1;
  }
}

}  // namespace curvesmith::testing
