// curvesmith-cli: the genetic algorithm of Curvesmith without a window.

#include <unistd.h>

#include <cstring>
#include <iostream>
#include <new>
#include <string_view>
#include <vector>

#include "cli/algorithm_options.h"
#include "cli/arguments.h"
#include "cli/descriptor_output.h"
#include "cli/render_command.h"
#include "cli/run_command.h"
#include "cli/shown_text.h"
#include "cli/study_command.h"
#include "cli/study_options.h"
#include "cli/tool_failure.h"

namespace {

using curvesmith::cli::Arguments;
using curvesmith::cli::UsageError;

constexpr char kVersion[] = "Curvesmith 1.0.0.1";

void PrintHelp(std::ostream& out) {
  out << "Usage: curvesmith-cli COMMAND [options]\n"
         "\n"
         "Commands:\n"
         "  run       compute one run of the genetic algorithm and report it\n"
         "  render    compute one run and draw its chart into a PNG image\n"
         "\n"
         "Run options:\n"
      << curvesmith::cli::RunOptionsHelp() << curvesmith::cli::AlgorithmOptionsHelp() << "\n"
      << "Options of run:\n"
      << curvesmith::cli::kRunCommandHelp << "\n"
      << "Options of render:\n"
      << curvesmith::cli::kRenderCommandHelp << "\n"
      << "Options of study:\n"
      << curvesmith::cli::StudyCommandHelp() << "\n"
      << "  --help            show this help\n"
         "  --version         show the version\n";
}

int Dispatch(const std::vector<std::string_view>& words, std::ostream& out) {
  for (std::string_view word : words) {
    if (word == "--help" || word == "-h") {
      PrintHelp(out);
      return 0;
    }
    if (word == "--version") {
      out << kVersion << "\n";
      return 0;
    }
  }
  if (words.empty()) throw UsageError("no command given (see --help)");
  const std::string_view command = words.front();
  Arguments arguments(std::vector<std::string_view>(words.begin() + 1, words.end()));
  if (command == "run") {
    curvesmith::cli::RunRunCommand(arguments, out);
    return 0;
  }
  if (command == "render") return curvesmith::cli::RunRenderCommand(arguments, out, std::cerr);
  if (command == "study") return curvesmith::cli::RunStudyCommand(arguments, out, std::cerr);
  throw UsageError("unknown command " + curvesmith::cli::Shown(command) + " (see --help)");
}

}  // namespace

int main(int argc, char** argv) {
  curvesmith::cli::HoldClosedOutputDescriptors();
  // Standard output goes through a buffer that remembers why a write failed:
  // a full disk or a closed output is reported, never taken for success.
  curvesmith::cli::DescriptorBuffer out_buffer(STDOUT_FILENO);
  std::ostream out(&out_buffer);
  int status = 0;
  try {
    status = Dispatch(std::vector<std::string_view>(argv + 1, argv + argc), out);
  } catch (const UsageError& error) {
    std::cerr << "curvesmith-cli: " << error.what() << "\n";
    return 2;
  } catch (const curvesmith::cli::ToolFailure& error) {
    std::cerr << "curvesmith-cli: " << error.what() << "\n";
    return 1;
  } catch (const std::bad_alloc&) {
    std::cerr << "curvesmith-cli: not enough memory\n";
    return 1;
  }
  out.flush();
  if (out_buffer.Error() != 0) {
    std::cerr << "curvesmith-cli: cannot write the output: " << std::strerror(out_buffer.Error())
              << "\n";
    return 1;
  }
  return status;
}
