// What the window's play aids cost the player: the time from asking for a hint
// to its answer (goal: under a second for FreeCell, Klondike and the kinds the
// solver decides quickly), and what starting and cancelling a search holds up
// the interface thread (goal: well under the 20 ms of one event). Run from the
// build folder:
//   quilloro/quilloro_play_aids_bench
// QUILLORO_HINT_DEALS (default 20) deals from 1001 per kind.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "engine/solver/solve_worker.hpp"
#include "tools/cli_solver_session.hpp"

namespace {

using namespace quilloro;
using Clock = std::chrono::steady_clock;

// The window's hint budget.
constexpr solver::Budget kHintBudget{1'000'000, 900, std::size_t{1} << 30};

std::filesystem::path home() {
  const char* folder = std::getenv("QUILLORO_HOME");
  return folder != nullptr ? folder : "quilloro";
}

cli::Arguments sessionArguments() {
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "quilloro-play-aids-bench";
  std::filesystem::create_directories(scratch);
  return cli::Arguments({"--dat", (home() / "GAMES.DAT").string(), "--home", scratch.string()});
}

double milliseconds(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

// Asks for a hint on each deal as the window does and waits for the answer.
void hintLatency(benchmark::State& state, int game) {
  const char* deals = std::getenv("QUILLORO_HINT_DEALS");
  const int count = deals != nullptr ? std::atoi(deals) : 20;
  cli::SolverSession table(sessionArguments(), game);
  for (auto _ : state) {
    std::vector<double> answers;
    double slowestStart = 0.0;
    int won = 0;
    for (int number = 1001; number < 1001 + count; ++number) {
      table.deal(std::to_string(number));
      solver::SolveWorker worker;
      const Clock::time_point asked = Clock::now();
      worker.start(table.game(), kHintBudget);
      slowestStart = std::max(slowestStart, milliseconds(Clock::now() - asked));
      while (!worker.ready()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      answers.push_back(milliseconds(Clock::now() - asked));
      if (const auto result = worker.result(); result && result->verdict == solver::Verdict::Won) ++won;
    }
    std::sort(answers.begin(), answers.end());
    state.counters["median_ms"] = answers[answers.size() / 2];
    state.counters["max_ms"] = answers.back();
    state.counters["start_max_ms"] = slowestStart;
    state.counters["won_pct"] = 100.0 * won / count;
  }
}

// A move cancels the search under way: the interface thread waits for it to stop.
void cancelLatency(benchmark::State& state) {
  cli::SolverSession table(sessionArguments(), 0);
  table.deal("1001");
  solver::SolveWorker worker;
  for (auto _ : state) {
    worker.start(table.game(), {100'000'000, 60'000, std::size_t{1} << 30});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const Clock::time_point asked = Clock::now();
    worker.cancel();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - asked).count());
  }
}

}  // namespace

BENCHMARK_CAPTURE(hintLatency, Klondike, 0)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(hintLatency, FreeCell, 1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(cancelLatency)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
