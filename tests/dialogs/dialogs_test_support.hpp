// A main window with the options, customize, card counter and tips windows, in a fresh home folder, for the dialog tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <deque>
#include <memory>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/widgets/message_boxes.hpp"
#include "app/window/main_window.hpp"
#include "app/window/window_extras.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro {

inline std::filesystem::path installFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

// Answers every question with OK and keeps what was said.
class RecordingBoxes : public MessageBoxes {
 public:
  void information(const QString& text) override { shown.push_back(text); }
  bool confirm(const QString& text) override {
    asked.push_back(text);
    return answer;
  }
  bool informationOkCancel(const QString& text) override { return confirm(text); }
  void error(const QString& title, const QString& text) override { shown.push_back(title + ": " + text); }

  bool answer = true;
  std::vector<QString> asked;
  std::vector<QString> shown;
};

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(installFolder().empty()) << "QUILLORO_HOME names the build's installation folder";
    std::filesystem::create_directories(home.path() / "DATA");
    preferences().writeString("Preference", "AutoPlay", "N");
    preferences().writeString("Preference", "Cards_Animate", "N");
    // Plain colours, so that a sample's pixel tells which colour it shows.
    preferences().writeString("Preference", "Fade_Background", "N");
  }

  IniFile preferences() const { return IniFile(home.path() / "DATA" / "CFG.DAT"); }
  std::string key(std::string_view name) const { return preferences().readString("Preference", name, "(none)"); }

  // The window with the first game of the settings dealt.
  MainWindow& start(long long displayColours = kTrueColourDisplay) {
    MainWindowOptions options;
    options.displayColours = displayColours;
    options.paths = programPathsFrom(installFolder(), {"Quilloro", "--home", home.path().string()});
    options.boxes = &boxes;
    window = std::make_unique<MainWindow>(options);
    extras = new WindowExtras(*window);
    window->resize(1024, 768);
    window->show();
    window->runFirstActivation();
    QApplication::processEvents();
    return *window;
  }

  testing::TempDir home;
  RecordingBoxes boxes;
  std::unique_ptr<MainWindow> window;
  WindowExtras* extras = nullptr;
};

}  // namespace quilloro
