// The solver's solve rate, answered rate and median time per verdict for each
// starter game, each with the budget its goal names. Run from the build folder:
//   quilloro/quilloro_solver_bench
// QUILLORO_SOLVER_DEALS (default 20) deals per game kind and
// QUILLORO_SOLVER_BUDGET_MS (default: 10 s for Klondike and FreeCell, 30 s for
// Spider) per deal change the run; the counters give the share won, lost,
// answered (won or lost) and unknown, the median and slowest verdict, the
// budget, and the most memory the process held (resident), which bounds what
// any one solve held.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/solver/solver.hpp"
#include "tools/cli_solver_session.hpp"

namespace {

using namespace quilloro;

int environmentNumber(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::atoi(text) : fallback;
}

std::filesystem::path home() {
  const char* folder = std::getenv("QUILLORO_HOME");
  return folder != nullptr ? folder : "quilloro";
}

long peakResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmHWM:")) return std::atol(line.c_str() + 6);
  return 0;
}

void solveDeals(benchmark::State& state) {
  const int game = static_cast<int>(state.range(0));
  const int deals = environmentNumber("QUILLORO_SOLVER_DEALS", 20);
  solver::Budget budget;
  budget.milliseconds = environmentNumber("QUILLORO_SOLVER_BUDGET_MS", static_cast<int>(state.range(1)));
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "quilloro-solver-bench";
  std::filesystem::create_directories(scratch);
  cli::SolverSession session(
      cli::Arguments({"--dat", (home() / "GAMES.DAT").string(), "--home", scratch.string()}), game);
  for (auto _ : state) {
    int won = 0;
    int lost = 0;
    std::vector<double> seconds;
    for (int number = 1; number <= deals; ++number) {
      session.deal(std::to_string(number));
      const solver::SolveResult result = solver::solve(solver::SolverStart::of(session.game()), budget);
      seconds.push_back(result.seconds);
      if (result.verdict == solver::Verdict::Won) ++won;
      if (result.verdict == solver::Verdict::Lost) ++lost;
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["won_pct"] = 100.0 * won / deals;
    state.counters["lost_pct"] = 100.0 * lost / deals;
    state.counters["unknown_pct"] = 100.0 * (deals - won - lost) / deals;
    state.counters["answered_pct"] = 100.0 * (won + lost) / deals;
    state.counters["budget_s"] = budget.milliseconds / 1000.0;
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["max_s"] = seconds.back();
    state.counters["peak_MiB"] = static_cast<double>(peakResidentKiB()) / 1024.0;
  }
  state.SetLabel(session.games().catalogue()[static_cast<std::size_t>(game)].name());
}

// Klondike, FreeCell and Spider: the starter games, with the budget per deal
// within which their goals ask for a verdict (Spider: wins on a fair share).
BENCHMARK(solveDeals)->Args({0, 10000})->Args({1, 10000})->Args({2, 30000})->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
