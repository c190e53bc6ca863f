// The game program: the start-up screen, the main window and the message loop.
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/core/ini_file.hpp"
#include "app/window/main_window.hpp"
#include "app/core/program_options.hpp"
#include "app/core/program_paths.hpp"
#include "app/core/settings_record.hpp"
#include "app/core/shared_routines.hpp"
#include "app/core/string_table.hpp"
#include "app/widgets/qt_texts.hpp"
#include "app/widgets/program_icon.hpp"
#include "app/widgets/sound_player.hpp"
#include "app/window/startup_screen.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/window_dialogs.hpp"
#include "app/window/window_extras.hpp"

namespace {

constexpr int kErrorTitleText = 5202;
constexpr int kSubtitleText = 5210;
constexpr int kVersionText = 5211;

// With QUILLORO_REPORT_START set, the program prints the moment the game
// catalogue is first drawn (milliseconds since 1970) and ends: the start time
// measured from outside is that moment minus the launch.
class StartReporter : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      QTimer::singleShot(0, [] {
        std::printf("shown %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  // --help, --version and mistakes are answered before the window system is
  // reached, so that they work without a display.
  const std::string programName = std::filesystem::path(argc > 0 ? argv[0] : "quilloro").filename().string();
  const quilloro::ProgramCommandLine commandLine =
      quilloro::readProgramCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  switch (commandLine.action) {
    case quilloro::ProgramCommandLine::Action::Help:
      std::fputs(quilloro::programHelpText(programName).c_str(), stdout);
      return 0;
    case quilloro::ProgramCommandLine::Action::Version:
      std::printf("%s %s\n", programName.c_str(), QUILLORO_VERSION);
      return 0;
    case quilloro::ProgramCommandLine::Action::Error:
      std::fprintf(stderr, "%s: %s (%s --help lists the options)\n", programName.c_str(), commandLine.error.c_str(),
                   programName.c_str());
      return 2;
    case quilloro::ProgramCommandLine::Action::Run:
      break;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quilloro 98"));
  QApplication::setApplicationVersion(QStringLiteral(QUILLORO_VERSION));
  // Lets the desktop match the window to the menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUILLORO_DESKTOP_ID));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::vector<std::string> arguments;
  for (const QString& argument : QCoreApplication::arguments()) arguments.push_back(argument.toStdString());
  const quilloro::ProgramPaths paths =
      quilloro::programPathsFrom(QCoreApplication::applicationDirPath().toStdString(), arguments);
  const QIcon icon = quilloro::programIcon(paths.install);
  if (!icon.isNull()) QApplication::setWindowIcon(icon);

  // The start-up screen and the sound read the preferences file straight: the
  // settings record is filled only when the window is made.
  const quilloro::IniFile preferences(paths.home / "DATA" / "CFG.DAT");
  const int language =
      preferences.readString("Preference", quilloro::field::Language.key, "20000") == "10000" ? quilloro::kItalianBase
                                                                                            : quilloro::kEnglishBase;
  const quilloro::StringTable strings = quilloro::StringTable::load(paths.install / "Strings");
  auto startText = [&strings, language](int offset, const char* english) {
    const std::string& found = strings.text(language, offset);
    return found.empty() ? QString::fromUtf8(english) : QString::fromStdString(found);
  };
  quilloro::useQtTexts(language);
  quilloro::StartupScreen startup(startText(kSubtitleText, "Patience games for one player"),
                                  startText(kVersionText, "Version 3.1"));
  startup.showNow();

  quilloro::SettingsRecord soundSettings;
  soundSettings.set(quilloro::field::SoundsEnabled,
                    preferences.readString("Preference", quilloro::field::SoundsEnabled.key, "Y"));
  quilloro::SoundPlayer sounds(soundSettings, paths.install);
  sounds.play("Splash", preferences.readString("Preference", quilloro::field::SoundsSplash.key, "Y") == "Y");

  if (const auto missing = quilloro::missingStartupFile(paths)) {
    startup.hide();
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(nullptr, startText(kErrorTitleText, "Error"), QString::fromStdString(*missing));
    return 1;
  }

  std::unique_ptr<quilloro::MainWindow> window;
  try {
    quilloro::MainWindowOptions options;
    options.paths = paths;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      options.displayColours = quilloro::fnColourCount(screen->depth(), 1);
    window = std::make_unique<quilloro::MainWindow>(options);
  } catch (const std::exception& error) {
    startup.hide();
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(nullptr, startText(kErrorTitleText, "Error"), QString::fromUtf8(error.what()));
    return 1;
  }
  // The catalogue, the "Game won" dialog and the demo bar live as long as the window.
  auto* dialogs = new quilloro::WindowDialogs(*window);
  // The options, customize, card counter and tips windows.
  new quilloro::WindowExtras(*window);
  StartReporter reporter;
  if (qEnvironmentVariableIsSet("QUILLORO_REPORT_START")) dialogs->catalogue().installEventFilter(&reporter);

  window->showMaximized();
  startup.hide();
  QApplication::restoreOverrideCursor();
  // The first activation shows the catalogue; on platforms that never
  // activate a window this does it.
  QTimer::singleShot(0, window.get(), &quilloro::MainWindow::runFirstActivation);
  return app.exec();
}
