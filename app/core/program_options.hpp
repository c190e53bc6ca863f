// The command line of the game window: --help, --version, --home and --dat, and the toolkit's own options.
#pragma once

#include <string>
#include <vector>

namespace quilloro {

struct ProgramCommandLine {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  // For Error: what is wrong, in one line.
  std::string error;
};

// Reads the arguments that follow the program's name. The window toolkit's own
// options (-platform NAME, -style NAME, -reverse, ...) are let through, with
// one dash or two; anything else unknown is an error.
ProgramCommandLine readProgramCommandLine(const std::vector<std::string>& arguments);

// What "quilloro --help" prints.
std::string programHelpText(const std::string& programName);

}  // namespace quilloro
