// The solver's solve rate and median time per verdict for each starter game.
// Run from the build folder:
//   quilloro/quilloro_solver_bench
// QUILLORO_SOLVER_DEALS (default 20) deals per game kind and
// QUILLORO_SOLVER_BUDGET_MS (default 10000) per deal change the run; the
// counters give the share won, lost and unknown, the median and slowest
// verdict and the most memory one solve held (resident, whole process).
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
  budget.milliseconds = environmentNumber("QUILLORO_SOLVER_BUDGET_MS", 10000);
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
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["max_s"] = seconds.back();
    state.counters["peak_MiB"] = static_cast<double>(peakResidentKiB()) / 1024.0;
  }
  state.SetLabel(session.games().catalogue()[static_cast<std::size_t>(game)].name());
}

// Klondike, FreeCell and Spider: the starter games.
BENCHMARK(solveDeals)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
