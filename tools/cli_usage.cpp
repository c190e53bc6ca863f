// The commands of quilloro-cli with their options and the usage texts printed by --help.
#include "tools/cli_usage.hpp"

#include <algorithm>

namespace quilloro::cli {
namespace {

constexpr OptionHelp kDat{"dat", "FILE", "the game definitions to read (default: the installed GAMES.DAT)"};
constexpr OptionHelp kHome{"home", "DIR",
                           "the program folder that holds DATA/ (default: beside the program, or "
                           "~/.local/share/quilloro when installed)"};
constexpr OptionHelp kGame{"game", "I", "the game kind, by its index in GAMES.DAT (see \"games\")"};
constexpr OptionHelp kNumber{"number", "G", "the game number of the deal, up to 13 digits"};
constexpr OptionHelp kBudget{"budget-ms", "N", "the time the solver may take, in milliseconds"};
constexpr OptionHelp kNodes{"nodes", "K", "the positions the solver may search"};
constexpr OptionHelp kSize{"size", "WxH", "the size of the table in pixels"};
constexpr OptionHelp kScaleTo{"scale-to", "WxH", "shrink the picture to fit this box"};
constexpr OptionHelp kCardSize{"card-size", "B|M|P", "large, medium or small cards"};
constexpr OptionHelp kZoom{"zoom", "Z", "draw the table Z times larger (1 to 6): --size is then in screen pixels"};

constexpr std::string_view kPlayCommands =
    "Commands, one a line on standard input, each answered with one line:\n"
    "  drop CARD PILE   move CARD TARGET   select CARD   turn PILE   stock   sweep\n"
    "  undo   redo   restart   end   save FILE   open FILE   score   won   show\n"
    "Lines starting with # are skipped.";

}  // namespace

const std::vector<CommandHelp>& cliCommands() {
  static const std::vector<CommandHelp> commands{
      {"games", "[--dat FILE]", "list the game kinds with their indexes", {kDat, kHome}, {}},
      {"params", "--game I [--dat FILE]", "print the parameters of one game kind", {kGame, kDat, kHome}, {}},
      {"shuffle", "--cards N --number G", "print the card order of a deal",
       {{"cards", "N", "the number of cards, 52 or 104"}, kNumber, kDat, kHome}, {}},
      {"deal", "--game I --number G [--dat FILE]", "print the table of a new deal", {kGame, kNumber, kDat, kHome}, {}},
      {"play", "--game I --number G [--dat FILE] [--home DIR]", "play a deal with commands read from standard input",
       {kGame, kNumber, kDat, kHome}, kPlayCommands},
      {"poker-hand", "-", "name the poker hand of each line of five card numbers on standard input", {kDat, kHome}, {}},
      {"render", "--game I --number G [--size WxH] [--zoom Z] [--scale-to WxH] [--card-size B|M|P] -o FILE.png|FILE.bmp",
       "draw the table of a deal into a picture",
       {kGame, kNumber, kSize, kZoom, kScaleTo, kCardSize, {"output", "FILE", "the picture to write (also -o)"}, kDat, kHome},
       {}},
      {"previews", "--number G [--size WxH] [--scale-to WxH] --output DIR",
       "draw the catalogue's preview of every game kind into DIR/GAME<index>.bmp",
       {kNumber, kSize, kScaleTo, kCardSize, {"output", "DIR", "the folder to write into"}, kDat, kHome}, {}},
      {"solve", "--game I --number G [--nodes K] [--budget-ms N] [--moves] [--stats] [--board]",
       "tell whether a deal can be won",
       {kGame, kNumber, kNodes, kBudget, {"moves", "", "also print the winning moves"},
        {"stats", "", "also print the positions searched"},
        {"board", "", "only print the dealt tableau, one pile a line"}, kDat, kHome},
       {}},
      {"hint", "--game I --number G [--nodes K] [--budget-ms N]",
       "name a good next move after the play commands on standard input",
       {kGame, kNumber, kNodes, kBudget, kDat, kHome}, {}},
      {"record-demo", "[--game I] [--deals N] [--budget-ms N] [--budget-nodes N]",
       "record the demo games, as Demos/G<index>.GAM under the program folder",
       {kGame, {"deals", "N", "the deals tried per game kind"}, kBudget,
        {"budget-nodes", "N", "the positions the solver may search"}, kDat, kHome},
       {}},
      {"odds", "--game I [--first F] [--deals N] [--nodes K] [--budget-ms N] [--write FILE.game]",
       "measure how many deals of a game kind win",
       {kGame, {"first", "F", "the first deal to try (default 1)"}, {"deals", "N", "the deals to try"}, kNodes,
        kBudget, {"write", "FILE", "store the odds in this game source"}, kDat, kHome},
       {}},
  };
  return commands;
}

const CommandHelp* findCliCommand(std::string_view name) {
  const auto& commands = cliCommands();
  const auto found = std::find_if(commands.begin(), commands.end(), [name](const CommandHelp& c) { return c.name == name; });
  return found == commands.end() ? nullptr : &*found;
}

std::string programUsage() {
  std::string text = "usage: quilloro-cli COMMAND [OPTIONS]\n"
                     "       quilloro-cli COMMAND --help\n"
                     "       quilloro-cli --version\n"
                     "Plays the patience games of Quilloro without a window.\n\nCommands:\n";
  std::size_t width = 0;
  for (const CommandHelp& command : cliCommands()) width = std::max(width, command.name.size());
  for (const CommandHelp& command : cliCommands())
    text += "  " + std::string(command.name) + std::string(width - command.name.size() + 2, ' ') +
            std::string(command.summary) + "\n";
  text += "\nEvery command takes --home DIR, the program folder under which DATA/ is kept.\n";
  return text;
}

std::string commandUsage(const CommandHelp& command) {
  std::string text = "usage: quilloro-cli " + std::string(command.name) + " " + std::string(command.synopsis) + "\n" +
                     std::string(1, static_cast<char>(command.summary.front() - 'a' + 'A')) +
                     std::string(command.summary.substr(1)) + ".\n";
  if (!command.options.empty()) {
    text += "\nOptions:\n";
    std::vector<std::string> heads;
    std::size_t width = 0;
    for (const OptionHelp& option : command.options) {
      heads.push_back("--" + std::string(option.name) + (option.value.empty() ? "" : " " + std::string(option.value)));
      width = std::max(width, heads.back().size());
    }
    for (std::size_t i = 0; i < heads.size(); ++i)
      text += "  " + heads[i] + std::string(width - heads[i].size() + 2, ' ') + std::string(command.options[i].text) + "\n";
  }
  if (!command.details.empty()) text += "\n" + std::string(command.details) + "\n";
  return text;
}

std::string unknownOption(const CommandHelp& command, const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (!arg.starts_with("--")) continue;
    const std::string_view name = std::string_view(arg).substr(2);
    const bool known = std::any_of(command.options.begin(), command.options.end(),
                                   [name](const OptionHelp& option) { return option.name == name; });
    if (!known) return arg;
  }
  return {};
}

}  // namespace quilloro::cli
