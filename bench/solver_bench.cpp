// The solver's decided share (won or proven lost) and median time for every
// game kind of the collection. Run from the build folder:
//   quilloro/quilloro_solver_bench [--benchmark_filter=^Klondike/]
// QUILLORO_SOLVER_DEALS (default 200) deals from QUILLORO_SOLVER_FIRST (default
// 1001) per kind; a deal's budget is QUILLORO_SOLVER_NODES positions (default
// 100000), cut short after QUILLORO_SOLVER_BUDGET_MS (default 10000). The
// counters give the share won, lost, decided and undecided, the median and
// slowest deal, and the most memory the process held (resident), which bounds
// what any one solve held.
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

long long environmentNumber(const char* name, long long fallback) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::atoll(text) : fallback;
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

cli::Arguments sessionArguments(const std::filesystem::path& scratch) {
  return cli::Arguments({"--dat", (home() / "GAMES.DAT").string(), "--home", scratch.string()});
}

void solveDeals(benchmark::State& state, int game) {
  const auto deals = static_cast<int>(environmentNumber("QUILLORO_SOLVER_DEALS", 200));
  const auto first = static_cast<int>(environmentNumber("QUILLORO_SOLVER_FIRST", 1001));
  const solver::Budget budget{.nodes = environmentNumber("QUILLORO_SOLVER_NODES", 100'000),
                              .milliseconds = static_cast<int>(environmentNumber("QUILLORO_SOLVER_BUDGET_MS", 10'000))};
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "quilloro-solver-bench";
  std::filesystem::create_directories(scratch);
  cli::SolverSession session(sessionArguments(scratch), game);
  for (auto _ : state) {
    int won = 0;
    int lost = 0;
    std::vector<double> seconds;
    for (int number = first; number < first + deals; ++number) {
      session.deal(std::to_string(number));
      const solver::SolveResult result = solver::solve(solver::SolverStart::of(session.game()), budget);
      seconds.push_back(result.seconds);
      if (result.verdict == solver::Verdict::Won) ++won;
      if (result.verdict == solver::Verdict::Lost) ++lost;
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["won_pct"] = 100.0 * won / deals;
    state.counters["lost_pct"] = 100.0 * lost / deals;
    state.counters["decided_pct"] = 100.0 * (won + lost) / deals;
    state.counters["undecided_pct"] = 100.0 * (deals - won - lost) / deals;
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["max_s"] = seconds.back();
    state.counters["peak_MiB"] = static_cast<double>(peakResidentKiB()) / 1024.0;
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "quilloro-solver-bench";
  std::filesystem::create_directories(scratch);
  const cli::SolverSession catalogue(sessionArguments(scratch), 0);
  const auto& games = catalogue.games().catalogue();
  for (std::size_t game = 0; game < games.size(); ++game) {
    std::string name = games[game].name();
    name.erase(name.find_last_not_of(' ') + 1);
    benchmark::RegisterBenchmark(name.c_str(), solveDeals, static_cast<int>(game))
        ->Iterations(1)
        ->Unit(benchmark::kSecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
