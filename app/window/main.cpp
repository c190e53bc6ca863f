// The game program: the start-up screen, the main window and the message loop.
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/core/ini_file.hpp"
#include "app/window/main_window.hpp"
#include "app/core/program_paths.hpp"
#include "app/core/settings_record.hpp"
#include "app/core/shared_routines.hpp"
#include "app/widgets/sound_player.hpp"
#include "app/window/startup_screen.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/window_dialogs.hpp"
#include "app/window/window_extras.hpp"

namespace {

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
  QApplication app(argc, argv);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::vector<std::string> arguments;
  for (const QString& argument : QCoreApplication::arguments()) arguments.push_back(argument.toStdString());
  const quilloro::ProgramPaths paths =
      quilloro::programPathsFrom(QCoreApplication::applicationDirPath().toStdString(), arguments);

  quilloro::StartupScreen startup;
  startup.showNow();

  // The start-up sound is read straight from the preferences file: the
  // settings record is filled only when the window is made.
  quilloro::SettingsRecord soundSettings;
  const quilloro::IniFile preferences(paths.home / "DATA" / "CFG.DAT");
  soundSettings.set(quilloro::field::SoundsEnabled,
                    preferences.readString("Preference", quilloro::field::SoundsEnabled.key, "Y"));
  quilloro::SoundPlayer sounds(soundSettings, paths.install);
  sounds.play("Splash", preferences.readString("Preference", quilloro::field::SoundsSplash.key, "Y") == "Y");

  if (const auto missing = quilloro::missingStartupFile(paths)) {
    startup.hide();
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromStdString(*missing));
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
    QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromUtf8(error.what()));
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
