// The table drawing's speed: a whole redraw of a dealt Spider table (104 cards) at 1920 x 1080,
// background copy, every pile and the window refresh included. Run from the build folder:
//   quilloro/quilloro_render_bench   (QUILLORO_HOME names another folder with GAMES.DAT and Images)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "table/table_renderer.hpp"
#include "tools/cli_render_command.hpp"

namespace {

using namespace quilloro;

std::filesystem::path installation() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home != nullptr ? home : "quilloro";
}

void BM_RedrawSpiderTable(benchmark::State& state) {
  // The preferences go to a folder of their own, not into the installation.
  const std::filesystem::path home =
      std::filesystem::temp_directory_path() / ("quilloro-render-bench-" + std::to_string(::getpid()));
  cli::RenderOptions options;
  options.game = 2;
  options.gameNumber = "0000000000001";
  options.width = 1920;
  options.height = 1080;
  options.home = home;
  options.imagesHome = installation();
  options.gamesDat = installation() / "GAMES.DAT";
  {
    cli::DealtTable table(options);
    table.redraw();
    if (!table.imageProblems().empty()) {
      state.SkipWithError(table.imageProblems().front().c_str());
    } else {
      for (auto _ : state) {
        table.redraw();
        benchmark::DoNotOptimize(table.window().pixels().data());
        benchmark::ClobberMemory();
      }
    }
  }
  std::error_code error;
  std::filesystem::remove_all(home, error);
}
BENCHMARK(BM_RedrawSpiderTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
