// The Fourteen Out search against the engine: on random play it sees exactly
// the pairs the engine removes, its losses on endgames agree with a plain
// exhaustive search, and its wins replay the same on every run.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <unordered_set>

#include "engine/solver/fourteen_search.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/solver_session_test.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::fourteen_search_test {
namespace {

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kDeals = 2;
constexpr int kEndgames = 8;
#else
constexpr int kDeals = 6;
constexpr int kEndgames = 40;
#endif

constexpr int kFourteenOut = 57;

using PairSet = std::set<std::pair<CardNumber, CardNumber>>;

PairSet asSet(const std::vector<std::pair<CardNumber, CardNumber>>& pairs) {
  PairSet set;
  for (const auto& [a, b] : pairs) set.insert({std::min(a, b), std::max(a, b)});
  return set;
}

std::vector<CardNumber> tops(const Game& game) {
  std::vector<CardNumber> cards;
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    if (const CardNumber top = game.state.piles.pile(PileList::Tableau, pile).topCard(); top != kNoCard)
      cards.push_back(top);
  return cards;
}

int cardsLeft(const Game& game) {
  int cards = 0;
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    cards += game.state.piles.pile(PileList::Tableau, pile).cardCount();
  return cards;
}

// The pairs of top cards the engine removes when both are clicked, each tried
// on a copy.
std::vector<std::pair<CardNumber, CardNumber>> enginePairs(Game& game) {
  std::vector<std::pair<CardNumber, CardNumber>> removed;
  const GameState before = game.state;
  const int left = cardsLeft(game);
  const std::vector<CardNumber> cards = tops(game);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    for (std::size_t j = i + 1; j < cards.size(); ++j) {
      const bool clicked = applyMove(game, {SolverMove::Kind::Select, cards[i], {}}) &&
                           applyMove(game, {SolverMove::Kind::Select, cards[j], {}});
      if (clicked && cardsLeft(game) + 2 == left)
        removed.emplace_back(cards[i], cards[j]);
      game.state.piles = before.piles;
      game.state.cards = before.cards;
      game.setWon(false);
    }
  }
  return removed;
}

// Whether any sequence of the engine's pairs wins; each table is searched once.
bool winnable(Game& game, std::unordered_set<std::string>& seen) {
  if (game.wonCheck()) return true;
  std::string key;
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    key += std::to_string(game.state.piles.pile(PileList::Tableau, pile).cardCount()) + ",";
  if (!seen.insert(key).second) return false;
  const GameState before = game.state;
  for (const auto& [a, b] : enginePairs(game)) {
    applyMove(game, {SolverMove::Kind::Select, a, {}});
    applyMove(game, {SolverMove::Kind::Select, b, {}});
    const bool won = winnable(game, seen);
    game.state.piles = before.piles;
    game.state.cards = before.cards;
    game.setWon(false);
    if (won) return true;
  }
  return false;
}

class FourteenSearchTest : public SolverSessionTest {
 protected:
  cli::SolverSession session() const {
    return SolverSessionTest::session(kFourteenOut);
  }
};

TEST_F(FourteenSearchTest, SeesExactlyThePairsTheEngineRemovesOnRandomPlay) {
  std::mt19937 random(57);
  cli::SolverSession play = session();
  for (int deal = 1; deal <= kDeals; ++deal) {
    play.deal(std::to_string(1000 + deal));
    Game& table = play.game();
    for (int step = 0;; ++step) {
      const auto engine = enginePairs(table);
      const auto search = fourteenPairs(SolverStart::of(table));
      ASSERT_TRUE(search.has_value()) << deal << " step " << step;
      ASSERT_EQ(asSet(*search), asSet(engine)) << deal << " step " << step;
      if (engine.empty()) break;
      const auto& [a, b] = engine[std::uniform_int_distribution<std::size_t>(0, engine.size() - 1)(random)];
      ASSERT_TRUE(applyMove(table, {SolverMove::Kind::Select, a, {}}));
      ASSERT_TRUE(applyMove(table, {SolverMove::Kind::Select, b, {}}));
    }
  }
}

TEST_F(FourteenSearchTest, VerdictsAgreeWithAPlainExhaustiveSearchAndWinsReplay) {
  std::mt19937 random(14);
  cli::SolverSession play = session();
  int won = 0;
  int lost = 0;
  for (int deal = 1; deal <= kEndgames; ++deal) {
    play.deal(std::to_string(3000 + deal));
    Game& table = play.game();
    // Random pairs until few cards are left, or none fits.
    while (cardsLeft(table) > 16) {
      const auto pairs = enginePairs(table);
      if (pairs.empty()) break;
      const auto& [a, b] = pairs[std::uniform_int_distribution<std::size_t>(0, pairs.size() - 1)(random)];
      applyMove(table, {SolverMove::Kind::Select, a, {}});
      applyMove(table, {SolverMove::Kind::Select, b, {}});
    }
    const SolverStart start = SolverStart::of(table);
    const SolveResult first = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
    const SolveResult again = solve(start, Budget{.nodes = 100'000, .milliseconds = 6'000'000});
    ASSERT_NE(first.verdict, Verdict::Unknown) << deal;
    EXPECT_EQ(first.moves, again.moves) << deal;
    std::unordered_set<std::string> seen;
    EXPECT_EQ(first.verdict == Verdict::Won, winnable(table, seen)) << deal;
    if (first.verdict == Verdict::Won) {
      EXPECT_TRUE(replayWins(start, first.moves)) << deal;
    }
    (first.verdict == Verdict::Won ? won : lost) += 1;
  }
  // The sample must hold both verdicts, or it checks nothing.
  EXPECT_GT(won, 0);
  EXPECT_GT(lost, 0);
}

}  // namespace
}  // namespace quilloro::solver::fourteen_search_test
