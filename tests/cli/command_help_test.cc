#include <gtest/gtest.h>

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
  };
  for (const std::string& line : kLines) EXPECT_NE(help.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace curvesmith::cli
