// How fast the log window opens on a long result log and how smoothly it scrolls.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/core/settings_store.hpp"
#include "stats/result_log.hpp"
#include "stats/windows/log_dialog.hpp"
#include "stats/windows/result_log_model.hpp"
#include "stats/windows/statistics_context.hpp"

namespace {

using namespace quilloro;

constexpr int kLogLines = 100000;

// A program folder whose log holds many years of games of four players.
const std::filesystem::path& longLogHome() {
  static const std::filesystem::path home = [] {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quilloro-log-bench";
    std::filesystem::create_directories(folder / "DATA");
    std::ofstream log(folder / "DATA" / "STAT_LOG.DAT", std::ios::binary | std::ios::trunc);
    const char* players[] = {"Anna", "Bruno", "Carla", "Dario"};
    for (int i = 0; i < kLogLines; ++i) {
      stats::ResultLogEntry entry;
      entry.end = localTimeAt(1500000000 + static_cast<std::int64_t>(i) * 900);
      entry.elapsedSeconds = 60 + i % 900;
      entry.gameIndex = i % 40;
      entry.gameName = "Game number " + std::to_string(i % 40);
      entry.player = players[i % 4];
      entry.won = i % 3 == 0;
      entry.scoringKind = "01";
      entry.score = std::to_string(i % 200 - 52);
      entry.gameNumber = std::to_string(1000000 + i);
      log << stats::formatResultLogLine(entry) << "\r\n";
    }
    return folder;
  }();
  return home;
}

// Reading the log, filling the model and showing the first page.
void BM_OpenLogWindow(benchmark::State& state) {
  SettingsStore store(longLogHome());
  StatisticsContext context;
  context.store = &store;
  for (auto _ : state) {
    LogDialog dialog(context);
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.grid()->model()->rowCount());
  }
  state.counters["lines"] = kLogLines;
}
BENCHMARK(BM_OpenLogWindow)->Unit(benchmark::kMillisecond);

// One page further down and painted, as the scroll wheel does.
void BM_ScrollLogPage(benchmark::State& state) {
  SettingsStore store(longLogHome());
  StatisticsContext context;
  context.store = &store;
  LogDialog dialog(context);
  dialog.show();
  QApplication::processEvents();
  QScrollBar* bar = dialog.grid()->verticalScrollBar();
  for (auto _ : state) {
    bar->setValue(bar->value() + bar->pageStep() >= bar->maximum() ? 0 : bar->value() + bar->pageStep());
    dialog.grid()->viewport()->repaint();
  }
}
BENCHMARK(BM_ScrollLogPage)->Unit(benchmark::kMicrosecond);

// Choosing a player in the list: the whole log filtered again.
void BM_FilterLogByPlayer(benchmark::State& state) {
  SettingsStore store(longLogHome());
  StatisticsContext context;
  context.store = &store;
  LogDialog dialog(context);
  stats::LogFilter filter;
  filter.player = "Carla";
  for (auto _ : state) {
    dialog.model()->setFilter(filter);
    benchmark::DoNotOptimize(dialog.model()->keptLines());
  }
}
BENCHMARK(BM_FilterLogByPlayer)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
