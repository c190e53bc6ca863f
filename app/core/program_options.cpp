// The command line of the game window: --help, --version, --home and --dat, and the toolkit's own options.
#include "app/core/program_options.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace quilloro {
namespace {

// The program's options that take a value.
constexpr std::array<std::string_view, 2> kOwnValueOptions{"home", "dat"};

// The generic options of the window toolkit, which it reads and removes itself.
constexpr std::array<std::string_view, 16> kToolkitValueOptions{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session", "display", "geometry", "style", "stylesheet", "name", "title", "qmljsdebugger", "fn"};
constexpr std::array<std::string_view, 6> kToolkitFlags{"reverse", "widgetcount", "nograb", "dograb", "sync",
                                                        "qwindowalwaysontop"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

ProgramCommandLine failure(std::string text) { return {ProgramCommandLine::Action::Error, std::move(text)}; }

}  // namespace

ProgramCommandLine readProgramCommandLine(const std::vector<std::string>& arguments) {
  ProgramCommandLine result;
  // The first mistake is reported, unless help is asked for anywhere.
  std::optional<ProgramCommandLine> mistake;
  auto fail = [&mistake](std::string text) {
    if (!mistake) mistake = failure(std::move(text));
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (arg == "--help" || arg == "-h") return {ProgramCommandLine::Action::Help, {}};
    if (arg == "--version") {
      result.action = ProgramCommandLine::Action::Version;
      continue;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      fail("unexpected argument \"" + arg + "\"");
      continue;
    }
    const bool twoDashes = arg.starts_with("--");
    std::string_view name = std::string_view(arg).substr(twoDashes ? 2 : 1);
    const std::size_t equals = name.find('=');
    const bool valueAttached = equals != std::string_view::npos;
    if (valueAttached) name = name.substr(0, equals);
    const bool own = twoDashes && among(kOwnValueOptions, name);
    if (own || among(kToolkitValueOptions, name)) {
      const std::string shown = arg.substr(0, arg.find('='));
      const bool noValue = valueAttached ? arg.size() == shown.size() + 1 : i + 1 >= arguments.size();
      // An empty folder or file name would quietly mean the current folder.
      if (noValue || (own && !valueAttached && arguments[i + 1].empty())) fail("option " + shown + " needs a value");
      if (!valueAttached) ++i;
      continue;
    }
    if (!among(kToolkitFlags, name) || valueAttached) fail("unknown option " + arg);
  }
  return mistake.value_or(result);
}

std::string programHelpText(const std::string& programName) {
  return "usage: " + programName +
         " [--home DIR] [--dat FILE]\n"
         "Quilloro 98: a collection of patience card games.\n"
         "\n"
         "Options:\n"
         "  --home DIR   keep the preferences, statistics and hi-scores in DIR/DATA\n"
         "               (default: beside the program, or ~/.local/share/quilloro\n"
         "               when installed; $XDG_DATA_HOME moves the latter)\n"
         "  --dat FILE   read the game definitions from FILE instead of GAMES.DAT\n"
         "  --help       print this text and end\n"
         "  --version    print the version and end\n"
         "\n"
         "The window toolkit's own options, such as -platform NAME or -style NAME,\n"
         "are accepted as well.\n";
}

}  // namespace quilloro
