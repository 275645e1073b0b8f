#include "cli/run_command.h"

#include <memory>
#include <string>

#include "report/run_report.h"
#include "engine/evolution.h"

namespace curvesmith::cli {

const char kRunCommandHelp[] = "  --output FORMAT   summary (default), best, history or json\n";

int RunRunCommand(Arguments& arguments, std::ostream& out) {
  RunOptions options;
  std::string_view output = "summary";
  while (!arguments.Done()) {
    const std::string_view option = arguments.NextOption();
    if (TakeRunOption(option, arguments, options)) continue;
    if (option == "--output") {
      output = arguments.ValueOf(option);
      if (output != "summary" && output != "best" && output != "history" && output != "json") {
        throw UsageError("--output takes summary, best, history or json, not \"" +
                         std::string(output) + "\"");
      }
      continue;
    }
    throw UsageError("unknown option \"" + std::string(option) + "\" for run (see --help)");
  }
  CheckRunOptions(options);

  // The run state is large (about 16 MB): it lives on the heap, zeroed as at
  // program start.
  const auto state = std::make_unique<RunState>();
  const std::uint32_t seed = SeedOf(options);
  RunEvolution(*state, options.parameters, seed);

  if (output == "best") {
    report::WriteBestCsv(out, *state);
  } else if (output == "history") {
    report::WriteHistoryCsv(out, *state);
  } else if (output == "json") {
    report::WriteJson(out, *state, seed);
  } else {
    report::WriteSummary(out, *state, seed);
  }
  out.flush();
  return out ? 0 : 1;
}

}  // namespace curvesmith::cli
