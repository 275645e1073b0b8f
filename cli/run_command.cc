#include "cli/run_command.h"

#include <memory>
#include <string>

#include "cli/algorithm_options.h"
#include "cli/shown_text.h"
#include "engine/evolution.h"
#include "report/run_report.h"

namespace curvesmith::cli {

OptionHelps RunCommandOptionHelps() {
  return {{"--output FORMAT", "summary (default), best, history or json"}};
}

void RunRunCommand(Arguments& arguments, std::ostream& out) {
  RunOptions options;
  AlgorithmOptions algorithm_options;
  std::string_view output = "summary";
  while (!arguments.Done()) {
    const std::string_view option = arguments.NextOption();
    if (TakeRunOption(option, arguments, options)) continue;
    if (TakeAlgorithmOption(option, arguments, algorithm_options)) continue;
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
  const RunAlgorithm algorithm = CheckAlgorithmOptions(algorithm_options, options.parameters);
  const report::RunDescription description{
      algorithm.algorithm, algorithm.formula ? algorithm.formula->text() : std::string_view()};

  // The run state is large (about 16 MB): it lives on the heap, zeroed as at
  // program start.
  const auto state = std::make_unique<RunState>();
  const std::uint32_t seed = SeedOf(options);
  RunEvolution(*state, options.parameters, seed, algorithm.algorithm, algorithm.curve());

  if (output == "best") {
    report::WriteBestCsv(out, *state);
  } else if (output == "history") {
    report::WriteHistoryCsv(out, *state);
  } else if (output == "json") {
    report::WriteJson(out, *state, seed, description);
  } else {
    report::WriteSummary(out, *state, seed, description);
  }
}

}  // namespace curvesmith::cli
