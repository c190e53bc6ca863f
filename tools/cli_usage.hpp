// The commands of quilloro-cli with their options and the usage texts printed by --help.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quilloro::cli {

struct OptionHelp {
  std::string_view name;   // without the leading "--"
  std::string_view value;  // the value's placeholder; empty for an option without one
  std::string_view text;
};

struct CommandHelp {
  std::string_view name;
  std::string_view synopsis;  // the arguments, after "quilloro-cli NAME"
  std::string_view summary;   // one line
  std::vector<OptionHelp> options;
  std::string_view details;   // further lines, or empty
};

// Every command, in the order of the usage text.
const std::vector<CommandHelp>& cliCommands();
// The command of that name, or nullptr.
const CommandHelp* findCliCommand(std::string_view name);

// What "quilloro-cli --help" prints.
std::string programUsage();
// What "quilloro-cli COMMAND --help" prints.
std::string commandUsage(const CommandHelp& command);
// The first option in args (as given after the command) that the command does
// not take, with its dashes; empty when every option is known. Only words
// that start with "--" are looked at.
std::string unknownOption(const CommandHelp& command, const std::vector<std::string>& args);

}  // namespace quilloro::cli
