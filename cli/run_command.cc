#include "cli/run_command.h"

#include <memory>
#include <string>

#include "report/run_report.h"
#include "cli/shown_text.h"
#include "engine/evolution.h"

namespace curvesmith::cli {

const char kRunCommandHelp[] = "  --output FORMAT   summary (default), best, history or json\n";

void RunRunCommand(Arguments& arguments, std::ostream& out) {
  RunOptions options;
  std::string_view output = "summary";
  while (!arguments.Done()) {
    const std::string_view option = arguments.NextOption();
    if (TakeRunOption(option, arguments, options)) continue;
    if (option == "--output") {
      output = arguments.ValueOf(option);
      if (output != "summary" && output != "best" && output != "history" && output != "json") {
        Refuse(option, "summary, best, history or json", output);
      }
      continue;
    }
    throw UsageError("unknown option " + Shown(option) + " for run (see --help)");
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
}

}  // namespace curvesmith::cli
