// Where the program finds its installation files and where it keeps the player's data.
#include "app/core/program_paths.hpp"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace quilloro {
namespace {

// The value of the last "NAME VALUE" or "NAME=VALUE" among the arguments.
std::optional<std::string> optionValue(const std::vector<std::string>& arguments, const std::string& name) {
  std::optional<std::string> value;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == name && i + 1 < arguments.size()) value = arguments[++i];
    else if (arguments[i].starts_with(name + "=")) value = arguments[i].substr(name.size() + 1);
  }
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

std::filesystem::path absoluteNormal(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  std::filesystem::path normal = (error ? path : absolute).lexically_normal();
  // "bin/." becomes "bin/": drop the separator, so that the parent is the prefix.
  if (normal.has_relative_path() && normal.filename().empty()) normal = normal.parent_path();
  return normal;
}

// The folder of an installed program's player data.
std::filesystem::path playerDataFolder(const UserFolders& user) {
  const std::filesystem::path dataHome = user.dataHome.empty() ? user.home / ".local" / "share" : user.dataHome;
  return dataHome / "quilloro";
}

}  // namespace

UserFolders UserFolders::current() {
  UserFolders user;
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') {
    user.home = home;
  } else if (const passwd* account = getpwuid(getuid()); account != nullptr && account->pw_dir != nullptr) {
    user.home = account->pw_dir;
  } else {
    std::error_code error;
    user.home = std::filesystem::current_path(error);
  }
  // Only an absolute path counts; a relative one is ignored, as if unset.
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && std::filesystem::path(dataHome).is_absolute()) user.dataHome = dataHome;
  return user;
}

std::optional<std::filesystem::path> installedDataFolder(const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = absoluteNormal(programFolder);
  if (isFile(folder / "GAMES.DAT")) return folder;
  const std::filesystem::path shared = (folder.parent_path() / "share" / "quilloro").lexically_normal();
  if (isFile(shared / "GAMES.DAT")) return shared;
  return std::nullopt;
}

ProgramPaths programPathsFrom(const std::filesystem::path& programFolder, const std::vector<std::string>& arguments,
                              const UserFolders& user) {
  ProgramPaths paths;
  const std::filesystem::path folder = absoluteNormal(programFolder);
  // A folder without GAMES.DAT anywhere is taken for a portable one, so that
  // the missing file is reported beside the program.
  paths.install = installedDataFolder(folder).value_or(folder);
  paths.installed = paths.install != folder;
  paths.home = paths.installed ? playerDataFolder(user) : paths.install;
  paths.documents = paths.installed ? user.home : paths.home;
  if (const auto home = optionValue(arguments, "--home")) {
    paths.home = absoluteNormal(*home);
    paths.documents = paths.home;
  }
  paths.gamesDat = paths.install / "GAMES.DAT";
  if (isFile(paths.home / "GAMES.DAT")) paths.gamesDat = paths.home / "GAMES.DAT";
  if (const auto dat = optionValue(arguments, "--dat")) paths.gamesDat = absoluteNormal(*dat);
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
