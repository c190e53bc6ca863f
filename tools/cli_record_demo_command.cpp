// Recording the demo games with the solver.
#include "tools/cli_record_demo_command.hpp"

#include <filesystem>
#include <stdexcept>

#include "engine/solver/solver.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::cli {

namespace {

struct Recording {
  int number = 0;
  bool won = false;
  std::vector<solver::SolverMove> moves;
};

Recording bestDeal(SolverSession& session, int deals, const solver::Budget& budget) {
  Recording best;
  for (int number = 1; number <= deals; ++number) {
    session.deal(std::to_string(number));
    const solver::SolveResult result = solver::solve(solver::SolverStart::of(session.game()), budget);
    const bool won = result.verdict == solver::Verdict::Won;
    if (won || best.number == 0 || result.moves.size() > best.moves.size()) best = {number, won, result.moves};
    if (won) break;
  }
  return best;
}

}  // namespace

int recordDemos(const Arguments& args, std::ostream& out) {
  const int deals = args.optionalInteger("deals").value_or(5);
  solver::Budget budget;
  budget.milliseconds = args.optionalInteger("budget-ms").value_or(1000);
  // A node budget makes the recording the same on every machine.
  if (const auto nodes = args.optionalInteger("budget-nodes")) budget.nodes = *nodes;
  if (deals < 1 || budget.milliseconds < 0 || budget.nodes < 0) throw UsageError("--deals must be at least 1 and --budget-ms not negative");

  SolverSession probe(args, 0);
  std::vector<int> kinds;
  if (const auto game = args.optionalInteger("game")) {
    kinds.push_back(*game);
  } else {
    for (int index = 0; index < probe.games().gameCount(); ++index) kinds.push_back(index);
  }
  int failures = 0;
  for (const int kind : kinds) {
    SolverSession session(args, kind);
    const Recording recording = bestDeal(session, deals, budget);
    session.deal(std::to_string(recording.number));
    for (const solver::SolverMove& move : recording.moves)
      if (!solver::applyMove(session.game(), move))
        throw std::runtime_error("game " + std::to_string(kind) + ": the recorded move \"" +
                                 solver::playCommand(move) + "\" was refused");
    const std::filesystem::path file = session.session().demoFile();
    std::filesystem::create_directories(file.parent_path());
    if (const FileError error = session.session().save(file)) {
      out << file.filename().string() << ": error: " << *error << '\n';
      ++failures;
      continue;
    }
    // The file must open as a demo and step back to its deal.
    const GameSession::DemoStart demo = session.session().startDemo();
    session.session().stopDemo();
    if (!demo.error.empty()) {
      out << file.filename().string() << ": error: " << demo.error << '\n';
      ++failures;
      continue;
    }
    out << file.filename().string() << ": deal " << recording.number << ", "
        << (recording.won ? "won" : "not won") << ", " << recording.moves.size() << " moves, "
        << demo.lastPosition << " positions\n";
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace quilloro::cli
