// The start the screenshot programs share: HOME LANGUAGE OUT_PREFIX from the
// command line, a home with quiet play preferences, and the window's options.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/window/main_window.hpp"

namespace quilloro::shots {

struct ShotStart {
  std::filesystem::path home;
  QString prefix;
};

// Reads the arguments and writes the language, no animation and no autoplay
// into the home's preferences; prints the usage and answers nothing when
// arguments are missing.
inline std::optional<ShotStart> startShots(int argc, char** argv, const char* program) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s HOME LANGUAGE OUT_PREFIX\n", program);
    return std::nullopt;
  }
  ShotStart start{argv[1], QString::fromLocal8Bit(argv[3])};
  std::filesystem::create_directories(start.home / "DATA");
  IniFile preferences(start.home / "DATA" / "CFG.DAT");
  preferences.writeString("Preference", "Language", argv[2]);
  preferences.writeString("Preference", "Cards_Animate", "N");
  preferences.writeString("Preference", "AutoPlay", "N");
  return start;
}

// The window's options for the installation beside the test programs and the given home.
inline MainWindowOptions shotWindowOptions(const std::filesystem::path& home) {
  MainWindowOptions options;
  options.paths = programPathsFrom(QCoreApplication::applicationDirPath().toStdString() + "/../quilloro",
                                   {"Quilloro", "--home", home.string()});
  return options;
}

}  // namespace quilloro::shots
