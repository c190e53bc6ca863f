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

namespace {

using namespace quilloro::cli;

constexpr const char* kUsage =
    "usage: quilloro-cli games [--dat PATH]\n"
    "       quilloro-cli params --game G [--dat PATH]\n"
    "       quilloro-cli shuffle --cards N --number G\n"
    "       quilloro-cli deal --game I --number G [--dat PATH]\n"
    "       quilloro-cli play --game I --number G [--dat PATH]   (commands on standard input)\n"
    "       quilloro-cli poker-hand -   (lines of five card numbers on standard input)\n"
    "       quilloro-cli render --game I --number G [--size WxH] [--scale-to WxH] [--card-size B|M|P] -o FILE.png|FILE.bmp\n"
    "       quilloro-cli previews --number G [--size WxH] [--scale-to WxH] --output DIR   (writes DIR/GAME<index>.bmp)\n"
    "       quilloro-cli solve --game I --number G [--nodes K] [--budget-ms N] [--moves] [--stats] [--board]\n"
    "       quilloro-cli hint --game I --number G [--nodes K] [--budget-ms N]   (play commands on standard input)\n"
    "       quilloro-cli record-demo [--game I] [--deals N] [--budget-ms N] [--budget-nodes N]   (writes Demos/G<index>.GAM)\n"
    "       quilloro-cli odds --game I [--first F] [--deals N] [--nodes K] [--budget-ms N] [--write FILE.game]\n"
    "every command also takes --home DIR, the program folder under which DATA/ is kept\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string command = argv[1];
  std::vector<std::string> rest(argv + 2, argv + argc);
  // "poker-hand -" names standard input, the one place its hands come from.
  if (command == "poker-hand" && !rest.empty() && rest.front() == "-") rest.erase(rest.begin());
  // "-o FILE" is the render command's short form of "--output FILE".
  if (command == "render") std::replace(rest.begin(), rest.end(), std::string("-o"), std::string("--output"));
  if (command == "solve") rest = withSolveFlagValues(rest);
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
  const auto found = commands.find(command);
  if (found == commands.end()) {
    std::cerr << "quilloro-cli: unknown command \"" << command << "\"\n" << kUsage;
    return 2;
  }
  try {
    return found->second(Arguments(rest), std::cout);
  } catch (const UsageError& error) {
    std::cerr << "quilloro-cli: " << error.what() << "\n" << kUsage;
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "quilloro-cli: " << error.what() << "\n";
    return 1;
  }
}
