// curvesmith-cli: the genetic algorithm of Curvesmith without a window.

#include <unistd.h>

#include <cstring>
#include <iostream>
#include <new>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/descriptor_output.h"
#include "cli/shown_text.h"
#include "cli/tool_failure.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/version_info.h"

namespace {

using curvesmith::cli::Arguments;
using curvesmith::cli::Command;
using curvesmith::cli::UsageError;

int Dispatch(const std::vector<std::string_view>& words, std::ostream& out) {
  const Command* command = curvesmith::cli::FindCommand(words);
  for (std::string_view word : words) {
    if (word == curvesmith::cli::kHelpOption || word == "-h") {
      out << (command != nullptr ? curvesmith::cli::CommandHelp(*command)
                                 : curvesmith::cli::Help());
      return 0;
    }
    if (word == curvesmith::cli::kVersionOption) {
      out << curvesmith::res::LoadString(curvesmith::res::kIdsAppTitle) << ' '
          << curvesmith::res::VersionText() << "\n";
      return 0;
    }
  }
  if (words.empty()) throw UsageError("no command given (see --help)");
  if (command == nullptr) {
    throw UsageError("unknown command " + curvesmith::cli::Shown(words.front()) + " (see --help)");
  }
  Arguments arguments = curvesmith::cli::ArgumentsOf(*command, words);
  return command->run(arguments, out, std::cerr);
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
