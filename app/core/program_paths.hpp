// Where the window finds its installation files and where it keeps the player's data.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quilloro {

struct ProgramPaths {
  // The installation folder: Images, Resources, SOUNDS, Strings, Help and the
  // shipped GAMES.DAT.
  std::filesystem::path install;
  // The program directory of the settings: DATA/ with CFG.DAT and the result
  // files, the demos and the version marker.
  std::filesystem::path home;
  // The game definitions actually read.
  std::filesystem::path gamesDat;
  // The folder whose Images/ and Resources/ the table is drawn from.
  std::filesystem::path pictures;
};

// The paths for an installation folder and the program's arguments:
// "--home DIR" moves the program directory (whose GAMES.DAT and Images/ are
// used when it has them), "--dat FILE" names the game definitions.
// Arguments the window does not know are left alone.
ProgramPaths programPathsFrom(const std::filesystem::path& install, const std::vector<std::string>& arguments);

// The text of the error box when a file the program cannot run without is
// missing, or nothing when both GAMES.DAT and the first card picture exist.
std::optional<std::string> missingStartupFile(const ProgramPaths& paths);

}  // namespace quilloro
