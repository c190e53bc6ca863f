// The moves the fast position lists onto one pile (for pairing a waiting card
// with the moves onto it) against its whole list: on random positions of
// every kind the fast search plays, the same moves in the same order.
#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "engine/games_dat.hpp"
#include "engine/solver/fast_position.hpp"
#include "engine/solver/paired_moves.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver::fast_moves_onto_test {
namespace {

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kStepsPerDeal = 15;
#else
constexpr int kStepsPerDeal = 60;
#endif

auto fields(const FastStep& step) {
  return std::make_tuple(step.kind, step.from, step.to, step.count, step.card, step.priority, step.clicks);
}

template <typename Keep>
std::vector<FastStep> kept(const std::vector<FastStep>& steps, Keep keep) {
  std::vector<FastStep> out;
  for (const FastStep& step : steps)
    if (keep(step)) out.push_back(step);
  return out;
}

// Whether two lists hold the same steps in the same order.
bool sameSteps(const std::vector<FastStep>& a, const std::vector<FastStep>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fields(a[i]) != fields(b[i])) return false;
  return true;
}

// Every tableau pile (and a foundation, which lists every move) a card may
// be listed onto, with no pile, the same one or a foundation to take cards
// off: each restricted list against the whole list, and the stock's moves
// onto each tableau pile.
void expectListsAgree(FastPosition& position, const std::string& where) {
  const FastRules& rules = position.rules();
  std::vector<FastStep> all;
  std::vector<FastStep> some;
  position.moves(all, true);
  std::vector<int> ontos;
  for (int t = 0; t < rules.tableauCount(); ++t) ontos.push_back(t);
  ontos.push_back(position.foundationPile(0));
  for (const int onto : ontos) {
    std::vector<int> offs{-1, onto};
    for (int f = 0; f < rules.foundationCount(); ++f) offs.push_back(position.foundationPile(f));
    for (const int off : offs) {
      position.movesOntoOrOff(some, onto, off);
      const bool restricted = onto < rules.tableauCount() && position.size(onto) != 0;
      const std::vector<FastStep> expected =
          restricted ? kept(all, [&](const FastStep& s) { return s.to == onto || s.from == off; }) : all;
      ASSERT_TRUE(sameSteps(some, expected)) << where << " onto " << onto << " off " << off;
    }
  }
  if (!rules.hasStock() || rules.dealsRows()) return;
  std::vector<FastStep> stockAll;
  position.stockMoves(stockAll);
  for (int onto = 0; onto < rules.tableauCount(); ++onto) {
    if (position.size(onto) == 0) continue;
    some.clear();
    position.stockMoves(some, onto);
    ASSERT_TRUE(sameSteps(some, kept(stockAll, [&](const FastStep& s) { return s.to == onto; })))
        << where << " stock onto " << onto;
  }
}

class FastMovesOnto : public SolverSessionTest {};

TEST_F(FastMovesOnto, ListsExactlyTheWholeListsMovesOntoOrOffThePileInItsOrder) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  std::mt19937 random(7);
  int kinds = 0;
  for (int game = 0; game < dat.gameCount(); ++game) {
    cli::SolverSession session(arguments(game), game);
    session.deal("1");
    const SolverStart start = SolverStart::of(session.game());
    const std::optional<FastRules> rules = FastRules::of(start);
    if (!rules) continue;
    ++kinds;
    FastPosition position(*rules, start.state, start.redealCount);
    std::vector<FastStep> steps;
    std::vector<FastStep> played;
    for (int step = 0; step < kStepsPerDeal; ++step) {
      for (int t = 0; t < rules->tableauCount(); ++t)
        if (position.size(t) > 0 && position.faceDown(t) == position.size(t))
          position.apply({FastStep::Kind::Turn, static_cast<std::uint8_t>(t), 0, 0, position.top(t), 0, 0});
      expectListsAgree(position, "game " + std::to_string(game) + " step " + std::to_string(step));
      if (::testing::Test::HasFatalFailure()) return;
      position.moves(steps, true);
      position.stockMoves(steps);
      if (steps.empty()) break;
      const auto pick = std::uniform_int_distribution<std::size_t>(0, steps.size() - 1)(random);
      playBare(position, steps[pick], played);
    }
  }
  // The check means something only where the fast search plays many kinds.
  EXPECT_GT(kinds, 10);
}

}  // namespace
}  // namespace quilloro::solver::fast_moves_onto_test
