// The moves of an endless stock turned one card a click, read off the cycle
// without turning a card, against the same moves found click by click: on
// random positions of every kind whose stock is so turned, the same moves in
// the same order, with the same clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/games_dat.hpp"
#include "engine/solver/fast_position.hpp"
#include "engine/solver/paired_moves.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver::fast_stock_cycle_test {
namespace {

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kStepsPerDeal = 20;
#else
constexpr int kStepsPerDeal = 80;
#endif

auto fields(const FastStep& step) {
  return std::make_tuple(step.kind, step.from, step.to, step.count, step.card, step.priority, step.clicks);
}

// The waste card's moves after every number of clicks, the cards turned one
// click at a time as the engine turns them, till the split between stock and
// waste comes round again (only those onto tableau pile onto, if given).
std::vector<FastStep> byClicks(FastPosition position, int onto) {
  std::vector<FastStep> out;
  std::vector<FastStep> record;
  std::vector<std::pair<int, int>> splits;
  for (int clicks = 0;; ++clicks) {
    const std::pair<int, int> split{position.size(position.stockPile()), position.size(position.wastePile())};
    if (std::find(splits.begin(), splits.end(), split) != splits.end()) break;
    splits.push_back(split);
    std::vector<FastStep> here;
    position.wasteTopMoves(here);
    for (FastStep step : here) {
      if (onto >= 0 && step.to != onto) continue;
      step.clicks = static_cast<std::uint16_t>(clicks);
      step.priority = static_cast<std::int16_t>(step.priority - clicks);
      out.push_back(step);
    }
    if (!position.click(record)) break;
  }
  return out;
}

void expectSameSteps(const std::vector<FastStep>& listed, const std::vector<FastStep>& clicked,
                     const std::string& where) {
  ASSERT_EQ(listed.size(), clicked.size()) << where;
  for (std::size_t i = 0; i < listed.size(); ++i) ASSERT_EQ(fields(listed[i]), fields(clicked[i])) << where << " #" << i;
}

class FastStockCycle : public SolverSessionTest {};

TEST_F(FastStockCycle, ListsTheMovesTheClicksWouldBringUpInTheirOrder) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  std::mt19937 random(5);
  int kinds = 0;
  for (int game = 0; game < dat.gameCount(); ++game) {
    cli::SolverSession session(arguments(game), game);
    for (const char* number : {"1", "2", "3"}) {
      session.deal(number);
      const SolverStart start = SolverStart::of(session.game());
      const std::optional<FastRules> rules = FastRules::of(start);
      if (!rules || !rules->hasStock() || rules->dealsRows() || rules->passes() >= 0 || rules->cardsPerClick() != 1)
        break;
      if (*number == '1') ++kinds;
      FastPosition position(*rules, start.state, start.redealCount);
      std::vector<FastStep> steps;
      std::vector<FastStep> played;
      for (int step = 0; step < kStepsPerDeal; ++step) {
        const std::string where = "game " + std::to_string(game) + " deal " + number + " step " + std::to_string(step);
        std::vector<FastStep> listed;
        position.stockMoves(listed);
        expectSameSteps(listed, byClicks(position, -1), where);
        for (int onto = 0; onto < rules->tableauCount(); ++onto) {
          if (position.size(onto) == 0) continue;
          listed.clear();
          position.stockMoves(listed, onto);
          expectSameSteps(listed, byClicks(position, onto), where + " onto " + std::to_string(onto));
        }
        if (::testing::Test::HasFatalFailure()) return;
        steps.clear();
        position.moves(steps, true);
        position.stockMoves(steps);
        if (steps.empty()) break;
        const auto pick = std::uniform_int_distribution<std::size_t>(0, steps.size() - 1)(random);
        playBare(position, steps[pick], played);
        for (int t = 0; t < rules->tableauCount(); ++t)
          if (position.size(t) > 0 && position.faceDown(t) == position.size(t))
            position.apply({FastStep::Kind::Turn, static_cast<std::uint8_t>(t), 0, 0, position.top(t), 0, 0});
      }
    }
  }
  // Klondike at least turns its stock so.
  EXPECT_GE(kinds, 1);
}

}  // namespace
}  // namespace quilloro::solver::fast_stock_cycle_test
