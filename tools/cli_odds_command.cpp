// Measuring the odds of a game kind with the solver.
#include "tools/cli_odds_command.hpp"

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "engine/solver/solver.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::cli {

int chanceOfWinningIndex(int won, int deals) {
  if (deals <= 0) return 4;
  const double share = static_cast<double>(won) / deals;
  if (share >= 0.9) return 0;
  if (share >= 0.7) return 1;
  if (share >= 0.4) return 2;
  if (share >= 0.15) return 3;
  return 4;
}

std::string withMeasuredOdds(const std::string& source, int won, int deals) {
  // No win found proves nothing ("about 0 in N" would claim it): the
  // catalogue then shows only the chance of winning.
  const int values[] = {chanceOfWinningIndex(won, deals), won > 0 ? won : 0, won > 0 ? deals : 0};
  const std::string comments[] = {"measured by the solver", "deals won of", "deals played"};
  std::istringstream in(source);
  std::string result;
  bool found[3] = {false, false, false};
  // "321 name: value   # comment": the value and comment change, the name stays.
  static const std::regex kLine(R"(^(32[123])(\s+[A-Za-z_]+:\s*)(-?\d+)(.*)$)");
  for (std::string line; std::getline(in, line);) {
    std::smatch match;
    if (std::regex_match(line, match, kLine)) {
      const int which = std::stoi(match[1].str()) - 321;
      found[which] = true;
      std::string text = match[1].str() + match[2].str() + std::to_string(values[which]);
      const std::size_t width = match[1].length() + match[2].length() + match[3].length() + match[4].length();
      text += "  ";
      while (text.size() < std::min<std::size_t>(width, 36)) text += ' ';
      line = text + "# " + comments[which] + (which == 1 ? " " + std::to_string(deals) : "");
    }
    result += line + '\n';
  }
  for (const bool lineFound : found)
    if (!lineFound) throw std::runtime_error("the game source lacks a line for parameter 321, 322 or 323");
  return result;
}

int measureOdds(const Arguments& args, std::ostream& out) {
  const int game = args.integer("game");
  const int deals = args.optionalInteger("deals").value_or(100);
  solver::Budget budget;
  budget.milliseconds = args.optionalInteger("budget-ms").value_or(1000);
  if (deals < 1 || budget.milliseconds < 0) throw UsageError("--deals must be at least 1 and --budget-ms not negative");
  SolverSession session(args, game);
  int won = 0;
  int lost = 0;
  for (int number = 1; number <= deals; ++number) {
    session.deal(std::to_string(number));
    const solver::Verdict verdict = solver::solve(solver::SolverStart::of(session.game()), budget).verdict;
    if (verdict == solver::Verdict::Won) ++won;
    if (verdict == solver::Verdict::Lost) ++lost;
  }
  out << "won " << won << " lost " << lost << " unknown " << deals - won - lost << " of " << deals << '\n';
  if (const auto file = args.text("write")) {
    std::ifstream in(*file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + *file);
    std::ostringstream text;
    text << in.rdbuf();
    const std::string updated = withMeasuredOdds(text.str(), won, deals);
    in.close();
    const std::string temporary = *file + ".tmp";
    {
      std::ofstream write(temporary, std::ios::binary | std::ios::trunc);
      write << updated;
      if (!write.flush()) throw std::runtime_error("cannot write " + temporary);
    }
    std::filesystem::rename(temporary, *file);
  }
  return 0;
}

}  // namespace quilloro::cli
