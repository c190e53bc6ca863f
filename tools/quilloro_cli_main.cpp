// quilloro-cli: the game engine from the command line.
#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "tools/cli_arguments.hpp"
#include "tools/cli_catalogue_commands.hpp"
#include "tools/cli_play_commands.hpp"
#include "tools/cli_poker_command.hpp"
#include "tools/cli_preview_command.hpp"
#include "tools/cli_render_command.hpp"
#include "tools/cli_odds_command.hpp"
#include "tools/cli_record_demo_command.hpp"
#include "tools/cli_solve_command.hpp"
#include "tools/cli_usage.hpp"

namespace {

using namespace quilloro::cli;

bool asksForHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// A mistake on the command line: one line on the error output, and status 2.
int usageError(const std::string& text) {
  std::cerr << "quilloro-cli: " << text << '\n';
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usageError("no command given (quilloro-cli --help lists the commands)");
  const std::string command = argv[1];
  std::vector<std::string> rest(argv + 2, argv + argc);
  if (asksForHelp(command) || command == "help") {
    const CommandHelp* about = rest.empty() ? nullptr : findCliCommand(rest.front());
    if (!rest.empty() && about == nullptr) return usageError("unknown command \"" + rest.front() + "\"");
    std::cout << (about ? commandUsage(*about) : programUsage());
    return 0;
  }
  if (command == "--version") {
    std::cout << "quilloro-cli " << QUILLORO_VERSION << '\n';
    return 0;
  }
  const CommandHelp* help = findCliCommand(command);
  if (help == nullptr) {
    const std::string what = command.starts_with("-") ? "unknown option " + command : "unknown command \"" + command + "\"";
    return usageError(what + " (quilloro-cli --help lists the commands)");
  }
  if (std::any_of(rest.begin(), rest.end(), asksForHelp)) {
    std::cout << commandUsage(*help);
    return 0;
  }
  // "poker-hand -" names standard input, the one place its hands come from.
  if (command == "poker-hand" && !rest.empty() && rest.front() == "-") rest.erase(rest.begin());
  // "-o FILE" is the render command's short form of "--output FILE".
  if (command == "render") std::replace(rest.begin(), rest.end(), std::string("-o"), std::string("--output"));
  if (command == "solve") rest = withSolveFlagValues(rest);
  const std::string hint = " (quilloro-cli " + command + " --help shows its options)";
  if (const std::string unknown = unknownOption(*help, rest); !unknown.empty())
    return usageError(command + ": unknown option " + unknown + hint);
  const std::map<std::string, std::function<int(const Arguments&, std::ostream&)>> commands{
      {"games", listGames},
      {"params", printParameters},
      {"shuffle", printShuffle},
      {"deal", printDeal},
      {"play", [](const Arguments& args, std::ostream& out) { return playGame(args, std::cin, out); }},
      {"poker-hand", [](const Arguments& args, std::ostream& out) { return printPokerHands(args, std::cin, out); }},
      {"render", renderTable},
      {"previews", writePreviews},
      {"solve", solveDeal},
      {"record-demo", recordDemos},
      {"odds", measureOdds},
      {"hint", [](const Arguments& args, std::ostream& out) { return hintMove(args, std::cin, out); }},
  };
  try {
    return commands.at(command)(Arguments(rest), std::cout);
  } catch (const UsageError& error) {
    return usageError(command + ": " + error.what() + hint);
  } catch (const std::exception& error) {
    std::cerr << "quilloro-cli: " << error.what() << "\n";
    return 1;
  }
}
