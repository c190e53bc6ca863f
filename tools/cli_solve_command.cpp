// The solve and hint commands.
#include "tools/cli_solve_command.hpp"

#include <algorithm>
#include <stdexcept>

#include "engine/solver/hint.hpp"
#include "engine/solver/solver.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::cli {

namespace {

std::string requiredNumber(const Arguments& args) {
  const std::optional<std::string> number = args.text("number");
  if (!number) throw UsageError("--number is required");
  return *number;
}

solver::Budget budgetOf(const Arguments& args, int defaultMilliseconds) {
  solver::Budget budget;
  budget.milliseconds = args.optionalInteger("budget-ms").value_or(defaultMilliseconds);
  budget.nodes = args.optionalInteger("nodes").value_or(budget.nodes);
  if (budget.milliseconds < 0 || budget.nodes < 0) throw UsageError("--budget-ms and --nodes must not be negative");
  return budget;
}

// "AH", "TD", "KS": rank and suit letters, as solvers of FreeCell write cards.
std::string cardText(CardNumber card) {
  static constexpr char kRanks[] = "A23456789TJQK";
  static constexpr char kSuits[] = "HDCS";
  return {kRanks[cardRank(card) - 1], kSuits[static_cast<int>(cardSuit(card))]};
}

// The play commands the hint understands besides the solver's own moves.
bool playOther(Game& game, const std::string& line) {
  if (line == "undo") return game.undo();
  if (line == "redo") return game.redo();
  if (line == "sweep") {
    bool moved = false;
    while (game.finishingSweep()) {
      moved = true;
      game.autoFill();
    }
    return moved;
  }
  throw std::runtime_error("cannot play \"" + line + "\"");
}

}  // namespace

std::vector<std::string> withSolveFlagValues(std::vector<std::string> args) {
  for (auto at = args.begin(); at != args.end(); ++at) {
    if (*at != "--moves" && *at != "--stats" && *at != "--board") continue;
    const bool hasValue = at + 1 != args.end() && !(at + 1)->starts_with("--");
    if (!hasValue) at = args.insert(at + 1, "yes");
  }
  return args;
}

int solveDeal(const Arguments& args, std::ostream& out) {
  SolverSession session(args, args.integer("game"));
  session.deal(requiredNumber(args));
  const solver::SolverStart start = solver::SolverStart::of(session.game());
  if (args.text("board")) {
    // One tableau pile a line, bottom card first; a face-down card in brackets.
    const GameState& state = session.game().state;
    for (int n = 0; n < state.pilesInUse(PileList::Tableau); ++n) {
      std::string line;
      for (const std::uint8_t card : state.piles.pile(PileList::Tableau, n).slots()) {
        if (card == kNoCard) continue;
        if (!line.empty()) line += ' ';
        line += state.isFaceDown(card) ? "<" + cardText(card) + ">" : cardText(card);
      }
      out << line << '\n';
    }
    return 0;
  }
  const solver::SolveResult result = solver::solve(start, budgetOf(args, 10000));
  if (args.text("stats")) out << "# " << result.nodes << " positions in " << result.seconds << " s\n";
  if (result.verdict != solver::Verdict::Won) {
    out << solver::verdictName(result.verdict) << '\n';
    return 0;
  }
  out << "won " << result.moves.size() << '\n';
  if (args.text("moves"))
    for (const solver::SolverMove& move : result.moves) out << solver::playCommand(move) << '\n';
  return 0;
}

int hintMove(const Arguments& args, std::istream& in, std::ostream& out) {
  SolverSession session(args, args.integer("game"));
  session.deal(requiredNumber(args));
  Game& game = session.game();
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    line.erase(0, line.find_first_not_of(" \t\r"));
    line.erase(line.find_last_not_of(" \t\r") + 1);
    if (line.empty() || line.starts_with('#')) continue;
    const auto move = solver::parsePlayCommand(line);
    try {
      const bool done = move ? solver::applyMove(game, *move) : playOther(game, line);
      if (!done) throw std::runtime_error("\"" + line + "\" was refused");
    } catch (const std::runtime_error& error) {
      throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + error.what());
    }
  }
  if (game.wonCheck()) {
    out << "none: the game is won\n";
    return 0;
  }
  const auto hint = solver::findHint(solver::SolverStart::of(game), budgetOf(args, 2000));
  out << (hint ? solver::playCommand(hint->move) : std::string("none")) << '\n';
  return 0;
}

}  // namespace quilloro::cli
