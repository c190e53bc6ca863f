// quilloro-cli's command table: the usage texts and the options each command takes.
#include <gtest/gtest.h>

#include "tools/cli_usage.hpp"

namespace quilloro::cli {
namespace {

TEST(CliUsage, TheProgramUsageListsEveryCommandAndEachCommandItsOptions) {
  const std::string usage = programUsage();
  EXPECT_EQ(usage.rfind("usage: quilloro-cli COMMAND", 0), 0u);
  for (const CommandHelp& command : cliCommands()) {
    EXPECT_NE(usage.find("\n  " + std::string(command.name) + " "), std::string::npos) << command.name;
    EXPECT_EQ(findCliCommand(command.name), &command);
    const std::string text = commandUsage(command);
    EXPECT_EQ(text.rfind("usage: quilloro-cli " + std::string(command.name) + " ", 0), 0u) << text;
    for (const OptionHelp& option : command.options)
      EXPECT_NE(text.find("  --" + std::string(option.name)), std::string::npos) << command.name << " " << option.name;
    // Every command reads its definitions and keeps its data where the player says.
    EXPECT_TRUE(unknownOption(command, {"--home", "/x", "--dat", "G.DAT"}).empty()) << command.name;
  }
  EXPECT_EQ(findCliCommand("nonsense"), nullptr);
  EXPECT_NE(commandUsage(*findCliCommand("play")).find("undo"), std::string::npos);
}

TEST(CliUsage, AnOptionTheCommandDoesNotTakeIsNamed) {
  const CommandHelp& games = *findCliCommand("games");
  EXPECT_EQ(unknownOption(games, {"--game", "3"}), "--game");
  EXPECT_EQ(unknownOption(games, {"--dat", "x", "--colour", "red"}), "--colour");
  // Values are not options, even when they look odd.
  EXPECT_TRUE(unknownOption(*findCliCommand("play"), {"--game", "0", "--number", "-5"}).empty());
  EXPECT_TRUE(unknownOption(*findCliCommand("solve"), {"--game", "1", "--number", "1", "--moves", "yes"}).empty());
}

}  // namespace
}  // namespace quilloro::cli
