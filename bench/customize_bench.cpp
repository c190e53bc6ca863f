// Speed of opening the Customize window over a real main window: the first opening reads the samples, later ones reuse them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/window/main_window.hpp"
#include "app/window/window_extras.hpp"
#include "dialogs/customize_dialog.hpp"

namespace {

using namespace quilloro;

struct Fixture {
  std::filesystem::path home = std::filesystem::temp_directory_path() / "quilloro-customize-bench";
  std::unique_ptr<MainWindow> window;
  WindowExtras* extras = nullptr;
  double firstOpeningMs = 0;

  Fixture() {
    std::filesystem::create_directories(home / "DATA");
    IniFile(home / "DATA" / "CFG.DAT").writeString("Preference", "Cards_Animate", "N");
    MainWindowOptions options;
    options.paths = programPathsFrom(QCoreApplication::applicationDirPath().toStdString(), {"Quilloro", "--home", home.string()});
    window = std::make_unique<MainWindow>(options);
    extras = new WindowExtras(*window);
    window->resize(1024, 768);
    window->show();
    window->runFirstActivation();
    QElapsedTimer timer;
    timer.start();
    { TfrmPersonalizza dialog(*extras, window.get()); }
    firstOpeningMs = timer.nsecsElapsed() / 1e6;
  }
  ~Fixture() {
    window.reset();
    std::filesystem::remove_all(home);
  }
};

Fixture& fixture() {
  static Fixture instance;
  return instance;
}

void BM_OpenCustomize(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    TfrmPersonalizza dialog(*f.extras, f.window.get());
    benchmark::DoNotOptimize(&dialog);
  }
  state.counters["first_opening_ms"] = f.firstOpeningMs;
}
BENCHMARK(BM_OpenCustomize)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
