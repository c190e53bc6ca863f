// Command-line options of quilloro-cli: "--name value" pairs after a subcommand.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/program_paths.hpp"

namespace quilloro::cli {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Arguments {
 public:
  // Every argument after the subcommand must be "--name value"; flags listed in
  // flagNames take no value. Throws UsageError otherwise.
  Arguments(const std::vector<std::string>& args, const std::vector<std::string>& flagNames = {});

  std::optional<std::string> text(const std::string& name) const;
  bool flag(const std::string& name) const;
  // An integer option; throws UsageError when absent and required, or not a number.
  int integer(const std::string& name) const;
  std::optional<int> optionalInteger(const std::string& name) const;

 private:
  std::map<std::string, std::string> values_;
};

// The folders of the program that runs, as the window finds them: the
// installation folder (beside the program, or PREFIX/share/quilloro for an
// installed one) and the program directory of DATA/ (--home, else beside a
// portable program, else the player's data folder of an installed one).
ProgramPaths programPaths(const Arguments& args);

// The program directory, under which DATA/ is kept.
std::filesystem::path programDirectory(const Arguments& args);

// GAMES.DAT from --dat, else the one in the --home folder when it has one,
// else the one in the installation folder.
std::filesystem::path gamesDatPath(const Arguments& args);

// The folder that holds the running program.
std::filesystem::path executableDirectory();

}  // namespace quilloro::cli
