#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli_process.h"

namespace curvesmith::cli {
namespace {

using testing::RunCli;

// Walks the declarations: --help lists every command, COMMAND --help shows
// every option declared for it, and the command takes each of them (a value
// it refuses, or the word after a flag, is refused; the option itself is
// never unknown).
TEST(CommandHelpTest, EveryDeclaredCommandAndOptionIsListedAndTaken) {
  const auto help = RunCli("--help");
  ASSERT_EQ(help.status, 0);
  for (const Command& command : Commands()) {
    const std::string name(command.name);
    SCOPED_TRACE(name);
    EXPECT_NE(help.out.find("\n  " + name + " "), std::string::npos) << help.out;
    const auto command_help = RunCli(name + " --help");
    ASSERT_EQ(command_help.status, 0);
    EXPECT_EQ(command_help.out.rfind("Usage: curvesmith-cli " + name + " ", 0), 0u);
    for (const OptionGroup& group : command.groups) {
      for (const OptionHelp& option : group.options()) {
        EXPECT_NE(command_help.out.find(HelpLines({option})), std::string::npos) << option.name;
      }
    }
    for (const std::string& word : DeclaredOptions(command)) {
      const auto taken = RunCli(name + " " + word + " x --unknown-after");
      EXPECT_EQ(taken.status, 2) << word;
      EXPECT_EQ(taken.err.find("unknown option \"" + word + "\""), std::string::npos) << taken.err;
    }
  }
}

// The layout of --help: a short name padded to the text's column, a long one
// followed by two blanks, a list of options on a line of its own, and
// continued lines under the text.
TEST(CommandHelpTest, HelpKeepsItsColumns) {
  const std::string help = RunCli("--help").out;
  const std::string kLines[] = {
      "\n  run       compute one run of the genetic algorithm and report it\n",
      "\n  --curve C         target curve: 0, 1 or 2 (default 0)\n",
      "\n  --crossover-type T  one-point, two-point or uniform (default one-point)\n",
      "\n  --seed S          seed of the random generator, 0 to 4294967295\n"
      "                    (default: the current time, as the desktop program does)\n",
      "\n  --curve, --population, --generations, --crossover, --mutation\n"
      "                    each one value, a comma list (0.1,0.2) or a range\n",
      "\n  --runs R          runs per setting, 1 to 1000000 (default 100)\n"
      "  --seed S          seeds S to S + R - 1 for each setting (default 1)\n",
  };
  for (const std::string& line : kLines) EXPECT_NE(help.find(line), std::string::npos) << line;
}

// The README's synopsis names options as users learn them; each is one its
// command declares (and so takes).
TEST(CommandHelpTest, TheReadmeSynopsisNamesDeclaredOptionsOnly) {
  std::istringstream readme(testing::Slurp(CURVESMITH_SOURCE_DIR "/README.md"));
  std::string line;
  while (std::getline(readme, line) && line != "## The command-line tool") {
  }
  while (std::getline(readme, line) && line != "```sh") {
  }
  int checked = 0;
  std::vector<std::string> words;
  while (std::getline(readme, line) && line != "```") {
    std::istringstream in(line);
    std::vector<std::string> line_words;
    for (std::string word; in >> word;) line_words.push_back(word);
    if (!line_words.empty() && line_words.front() == "curvesmith-cli") {
      words.assign(line_words.begin() + 1, line_words.end());
    } else {
      words.insert(words.end(), line_words.begin(), line_words.end());
    }
    const Command* command = FindCommand(std::vector<std::string_view>(words.begin(), words.end()));
    if (command == nullptr) continue;
    const std::vector<std::string> declared = DeclaredOptions(*command);
    for (std::string word : line_words) {
      word = word.substr(word.find_first_not_of('['));
      word = word.substr(0, word.find_first_of("] "));
      if (!word.starts_with("--") || word == kHelpOption) continue;
      ++checked;
      EXPECT_NE(std::find(declared.begin(), declared.end(), word), declared.end())
          << word << " of " << command->name;
    }
  }
  EXPECT_GT(checked, 10);
}

}  // namespace
}  // namespace curvesmith::cli
