// Where the program finds its installation files and where it keeps the player's data.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quilloro {

// The parts of the user's environment that decide where an installed program
// keeps the player's data.
struct UserFolders {
  // $HOME, or the account's home folder when it is unset.
  std::filesystem::path home;
  // $XDG_DATA_HOME; empty when unset, empty or not an absolute path.
  std::filesystem::path dataHome;

  static UserFolders current();
};

struct ProgramPaths {
  // The installation folder: Images, Resources, SOUNDS, Demos, Strings, Help
  // and the shipped GAMES.DAT.
  std::filesystem::path install;
  // The program directory of the settings: DATA/ with CFG.DAT and the result
  // files, and the version marker.
  std::filesystem::path home;
  // The game definitions actually read.
  std::filesystem::path gamesDat;
  // The folder whose Images/ and Resources/ the table is drawn from.
  std::filesystem::path pictures;
  // Where the save and open dialogs start before the player has chosen a folder.
  std::filesystem::path documents;
  // True for a program installed the Linux way (programs in PREFIX/bin, data
  // in PREFIX/share/quilloro); false for a portable folder that holds the
  // program and its data side by side, as the build folder does.
  bool installed = false;
};

// The installation folder of a program that lies in programFolder: the folder
// itself when GAMES.DAT lies beside the program, else ../share/quilloro when
// that holds GAMES.DAT. Nothing when neither does.
std::optional<std::filesystem::path> installedDataFolder(const std::filesystem::path& programFolder);

// The paths for the folder that holds the program and the program's arguments.
// The player's data is kept beside a portable program, and under
// $XDG_DATA_HOME/quilloro (by default ~/.local/share/quilloro) for an installed
// one. "--home DIR" overrides both and moves the program directory, whose
// GAMES.DAT and Images/ are used when it has them; "--dat FILE" names the game
// definitions. Arguments the program does not know are left alone.
ProgramPaths programPathsFrom(const std::filesystem::path& programFolder, const std::vector<std::string>& arguments,
                              const UserFolders& user = UserFolders::current());

// The text of the error box when a file the program cannot run without is
// missing, or nothing when both GAMES.DAT and the first card picture exist.
std::optional<std::string> missingStartupFile(const ProgramPaths& paths);

}  // namespace quilloro
