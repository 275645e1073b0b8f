// curvesmith-cli: the genetic algorithm of Curvesmith without a window.

#include <iostream>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/render_command.h"
#include "cli/run_command.h"
#include "cli/study_command.h"
#include "cli/study_options.h"

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
      << curvesmith::cli::kRunOptionsHelp << "\n"
      << "Options of run:\n"
      << curvesmith::cli::kRunCommandHelp << "\n"
      << "Options of render:\n"
      << curvesmith::cli::kRenderCommandHelp << "\n"
      << "Options of study:\n"
      << curvesmith::cli::kStudyCommandHelp << "\n"
      << "  --help            show this help\n"
         "  --version         show the version\n";
}

int Dispatch(std::string_view command, Arguments& arguments) {
  if (command == "run") return curvesmith::cli::RunRunCommand(arguments, std::cout);
  if (command == "render") {
    return curvesmith::cli::RunRenderCommand(arguments, std::cout, std::cerr);
  }
  if (command == "study") {
    return curvesmith::cli::RunStudyCommand(arguments, std::cout, std::cerr);
  }
  throw UsageError("unknown command \"" + std::string(command) + "\" (see --help)");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> words(argv + 1, argv + argc);
  for (std::string_view word : words) {
    if (word == "--help" || word == "-h") {
      PrintHelp(std::cout);
      return 0;
    }
    if (word == "--version") {
      std::cout << kVersion << "\n";
      return 0;
    }
  }
  try {
    if (words.empty()) throw UsageError("no command given (see --help)");
    Arguments arguments(std::vector<std::string_view>(words.begin() + 1, words.end()));
    return Dispatch(words.front(), arguments);
  } catch (const UsageError& error) {
    std::cerr << "curvesmith-cli: " << error.what() << "\n";
    return 2;
  }
}
