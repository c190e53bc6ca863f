// Measuring the odds of a game kind with the solver.
#include "tools/cli_odds_command.hpp"

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "engine/solver/search_clock.hpp"
#include "engine/solver/solver.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::cli {

namespace {

// A deal's budget unless the command names one: ten seconds are the most,
// and the positions end the search well within them on an idle machine.
constexpr int kDefaultNodes = 100'000;
constexpr int kDefaultMilliseconds = 10'000;

}  // namespace

std::string withMeasuredOdds(const std::string& source, const OddsMeasurement& m) {
  // A measurement that decided too few deals leaves the estimate and shows no odds.
  const bool tells = measurementTellsTheChance(m);
  std::istringstream in(source);
  std::string result;
  bool found[3] = {false, false, false};
  bool recorded = false;
  const std::string record = formatOddsRecord(m);
  // "321 name: value   # comment": the value and comment change, the name stays.
  static const std::regex kLine(R"(^(32[123])(\s+[A-Za-z_]+:\s*)(-?\d+)(.*)$)");
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("# measured:")) {
      if (!recorded) result += record + '\n';
      recorded = true;
      continue;
    }
    std::smatch match;
    if (std::regex_match(line, match, kLine)) {
      const int which = std::stoi(match[1].str()) - 321;
      found[which] = true;
      if (which == 0 && !recorded) {
        result += record + '\n';
        recorded = true;
      }
      if (which == 0 && !tells) {
        result += line + '\n';
        continue;
      }
      const int values[] = {chanceOfWinningIndex(m.won, m.decided()), tells ? m.won : 0, tells ? m.decided() : 0};
      const std::string undecided = m.decided() == 0 ? "no deal decided" : "too few deals decided";
      const std::string comments[] = {"measured by the solver", tells ? "deals won of the decided" : undecided,
                                      tells ? "deals decided" : undecided};
      std::string text = match[1].str() + match[2].str() + std::to_string(values[which]);
      const std::size_t width = match[1].length() + match[2].length() + match[3].length() + match[4].length();
      text += "  ";
      while (text.size() < std::min<std::size_t>(width, 36)) text += ' ';
      line = text + "# " + comments[which];
    }
    result += line + '\n';
  }
  for (const bool lineFound : found)
    if (!lineFound) throw std::runtime_error("the game source lacks a line for parameter 321, 322 or 323");
  return result;
}

int measureOdds(const Arguments& args, std::ostream& out) {
  OddsMeasurement m;
  const int game = args.integer("game");
  m.firstDeal = args.optionalInteger("first").value_or(1);
  m.deals = args.optionalInteger("deals").value_or(200);
  m.nodes = args.optionalInteger("nodes").value_or(kDefaultNodes);
  m.milliseconds = args.optionalInteger("budget-ms").value_or(kDefaultMilliseconds);
  if (m.firstDeal < 1 || m.deals < 1 || m.nodes < 1 || m.milliseconds < 1)
    throw UsageError("--first, --deals, --nodes and --budget-ms must be at least 1");
  const solver::Budget budget{.nodes = m.nodes, .milliseconds = m.milliseconds};
  SolverSession session(args, game);
  std::vector<double> seconds;
  for (int number = m.firstDeal; number < m.firstDeal + m.deals; ++number) {
    session.deal(std::to_string(number));
    // The processor time of the whole solve, replaying its win included.
    const double began = solver::searchThreadMilliseconds();
    const solver::Verdict verdict = solver::solve(solver::SolverStart::of(session.game()), budget).verdict;
    seconds.push_back((solver::searchThreadMilliseconds() - began) / 1000.0);
    if (verdict == solver::Verdict::Won) ++m.won;
    if (verdict == solver::Verdict::Lost) ++m.lost;
  }
  m.times = dealTimesOf(std::move(seconds));
  out << describeOdds(m);
  if (const auto file = args.text("write")) {
    std::ifstream in(*file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + *file);
    std::ostringstream text;
    text << in.rdbuf();
    const std::string updated = withMeasuredOdds(text.str(), m);
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
