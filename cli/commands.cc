#include "cli/commands.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "cli/algorithm_options.h"
#include "cli/render_command.h"
#include "cli/run_command.h"
#include "cli/study_command.h"
#include "cli/study_options.h"

namespace curvesmith::cli {
namespace {

constexpr std::string_view kProgram = "curvesmith-cli";
// The column where the list of commands starts a command's summary.
constexpr std::size_t kSummaryColumn = 12;

OptionHelps SharedRunOptionHelps() {
  OptionHelps options = RunOptionHelps();
  const OptionHelps algorithm = AlgorithmOptionHelps();
  options.insert(options.end(), algorithm.begin(), algorithm.end());
  return options;
}

OptionHelps HelpOptionHelps() {
  return {{std::string(kHelpOption), "show this help"}};
}

OptionHelps ProgramOptionHelps() {
  OptionHelps options = HelpOptionHelps();
  options.push_back({std::string(kVersionOption), "show the version"});
  return options;
}

int RunRun(Arguments& arguments, std::ostream& out, std::ostream&) {
  RunRunCommand(arguments, out);
  return 0;
}

int RunStudyMerge(Arguments& arguments, std::ostream& out, std::ostream&) {
  return RunStudyMergeCommand(arguments, out);
}

constexpr OptionGroup kSharedRunOptions = {"Run options", SharedRunOptionHelps};
constexpr OptionGroup kRunGroups[] = {kSharedRunOptions, {"Options of run", RunCommandOptionHelps}};
constexpr OptionGroup kRenderGroups[] = {kSharedRunOptions,
                                         {"Options of render", RenderCommandOptionHelps}};
constexpr OptionGroup kStudyGroups[] = {{"Options of study", StudyOptionHelps}};
constexpr OptionGroup kStudyMergeGroups[] = {{"Options of study merge", StudyMergeOptionHelps}};

constexpr Command kCommands[] = {
    {"run", "[options]", "compute one run of the genetic algorithm and report it", kRunGroups,
     false, RunRun},
    {"render", "[options]", "compute one run and draw its chart into a PNG image", kRenderGroups,
     false, RunRenderCommand},
    {"study", "[options]", "compute every combination of settings many times and report statistics",
     kStudyGroups, false, RunStudyCommand},
    {"study merge", "[--output FORMAT] FILE.csv...",
     "the study's output from the CSV files of all its shards", kStudyMergeGroups, true,
     RunStudyMerge},
};

std::string Group(const OptionGroup& group) {
  return std::string(group.title) + ":\n" + HelpLines(group.options()) + "\n";
}

}  // namespace

std::span<const Command> Commands() {
  return kCommands;
}

std::size_t WordCount(const Command& command) {
  return static_cast<std::size_t>(std::count(command.name.begin(), command.name.end(), ' ')) + 1;
}

const Command* FindCommand(const std::vector<std::string_view>& words) {
  const Command* found = nullptr;
  for (const Command& command : kCommands) {
    const std::size_t count = WordCount(command);
    if (count > words.size() || (found != nullptr && count <= WordCount(*found))) continue;
    std::string name;
    for (std::size_t i = 0; i < count; ++i) name += std::string(i > 0 ? " " : "") += words[i];
    if (name == command.name) found = &command;
  }
  return found;
}

std::vector<std::string> DeclaredOptions(const Command& command) {
  std::vector<std::string> names;
  for (const OptionGroup& group : command.groups) {
    for (const OptionHelp& option : group.options()) {
      std::istringstream words(option.name);
      for (std::string word; words >> word;) {
        if (word.ends_with(',')) word.pop_back();
        if (word.starts_with("--")) names.push_back(word);
      }
    }
  }
  return names;
}

Arguments ArgumentsOf(const Command& command, const std::vector<std::string_view>& words) {
  return Arguments(
      std::vector<std::string_view>(words.begin() + static_cast<std::ptrdiff_t>(WordCount(command)),
                                    words.end()),
      command.name, DeclaredOptions(command), command.operands);
}

std::string Help() {
  std::string help = "Usage: " + std::string(kProgram) + " COMMAND [options]\n\nCommands:\n";
  for (const Command& command : kCommands) {
    std::string line = "  " + std::string(command.name);
    line += line.size() < kSummaryColumn ? std::string(kSummaryColumn - line.size(), ' ') : "  ";
    help += line + std::string(command.summary) + "\n";
  }
  help += "\n";
  std::set<std::string_view> shown;
  for (const Command& command : kCommands) {
    for (const OptionGroup& group : command.groups) {
      if (shown.insert(group.title).second) help += Group(group);
    }
  }
  return help + HelpLines(ProgramOptionHelps());
}

std::string CommandHelp(const Command& command) {
  std::string help = "Usage: " + std::string(kProgram) + " " + std::string(command.name) + " " +
                     std::string(command.usage) + "\n\n" + std::string(command.summary) + "\n\n";
  for (const OptionGroup& group : command.groups) help += Group(group);
  return help + HelpLines(HelpOptionHelps());
}

}  // namespace curvesmith::cli
