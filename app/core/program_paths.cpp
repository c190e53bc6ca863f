// Where the window finds its installation files and where it keeps the player's data.
#include "app/core/program_paths.hpp"

namespace quilloro {
namespace {

std::optional<std::string> optionValue(const std::vector<std::string>& arguments, const std::string& name) {
  std::optional<std::string> value;
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
    if (arguments[i] == name) value = arguments[i + 1];
  return value;
}

bool isFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool isDirectory(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

ProgramPaths programPathsFrom(const std::filesystem::path& install, const std::vector<std::string>& arguments) {
  ProgramPaths paths;
  paths.install = std::filesystem::absolute(install);
  paths.home = paths.install;
  if (const auto home = optionValue(arguments, "--home")) paths.home = std::filesystem::absolute(*home);
  paths.gamesDat = paths.install / "GAMES.DAT";
  if (isFile(paths.home / "GAMES.DAT")) paths.gamesDat = paths.home / "GAMES.DAT";
  if (const auto dat = optionValue(arguments, "--dat")) paths.gamesDat = std::filesystem::absolute(*dat);
  paths.pictures = isDirectory(paths.home / "Images") ? paths.home : paths.install;
  return paths;
}

std::optional<std::string> missingStartupFile(const ProgramPaths& paths) {
  if (!isFile(paths.gamesDat))
    return "Cannot find file:\n" + paths.gamesDat.string() +
           "\nCopy the file into the directory that above is specified\nor reinstall the program.";
  const std::filesystem::path firstCard = paths.pictures / "Images" / "CB001C.bmp";
  if (!isFile(firstCard))
    return "Cannot find images file:\n" + firstCard.string() +
           "\nSome program components cannot be shown correctly.\nCopy the file into the directory that above is "
           "specified\nor reinstall the program.";
  return std::nullopt;
}

}  // namespace quilloro
