// The pair-removal games' search against the engine: on random play it sees
// exactly the groups the engine removes, its verdicts agree with a plain
// exhaustive search over the real cards, and its wins replay.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <unordered_set>

#include "engine/solver/pair_removal_search.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/solver_session_test.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::pair_removal_search_test {
namespace {

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kDeals = 2;
#else
constexpr int kDeals = 8;
#endif

// Thirteens (a king alone, or two cards adding up to 13), Nine Pairs and
// Matchmaker (two cards of one rank).
constexpr int kThirteens = 46;
constexpr int kNinePairs = 59;
constexpr int kMatchmaker = 60;

using RankGroups = std::set<std::vector<int>>;

RankGroups ranksOf(const std::vector<std::vector<CardNumber>>& groups) {
  RankGroups ranks;
  for (const auto& group : groups) {
    std::vector<int> sorted;
    for (const CardNumber card : group) sorted.push_back(cardRank(card));
    std::sort(sorted.begin(), sorted.end());
    ranks.insert(sorted);
  }
  return ranks;
}

std::vector<CardNumber> tableCards(const Game& game) {
  std::vector<CardNumber> cards;
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    for (const std::uint8_t card : game.state.piles.pile(PileList::Tableau, pile).slots())
      if (card != kNoCard) cards.push_back(card);
  return cards;
}

void restore(Game& game, const GameState& before) {
  game.state.piles = before.piles;
  game.state.cards = before.cards;
  game.setWon(false);
}

// Every card alone and every two cards the engine removes when clicked, each
// tried on a copy.
std::vector<std::vector<CardNumber>> engineGroups(Game& game) {
  std::vector<std::vector<CardNumber>> removed;
  const GameState before = game.state;
  const std::vector<CardNumber> cards = tableCards(game);
  auto removes = [&](const std::vector<CardNumber>& group) {
    bool ok = true;
    for (const CardNumber card : group) ok = ok && applyMove(game, {SolverMove::Kind::Select, card, {}});
    const std::vector<CardNumber> after = tableCards(game);
    ok = ok && std::none_of(group.begin(), group.end(),
                            [&](CardNumber card) { return std::find(after.begin(), after.end(), card) != after.end(); });
    restore(game, before);
    return ok;
  };
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (removes({cards[i]})) {
      removed.push_back({cards[i]});
      continue;
    }
    for (std::size_t j = i + 1; j < cards.size(); ++j)
      if (removes({cards[i], cards[j]})) removed.push_back({cards[i], cards[j]});
  }
  return removed;
}

// Whether any sequence of the engine's removals wins, over the real cards;
// each table is searched once.
bool winnable(Game& game, std::unordered_set<std::string>& seen) {
  if (game.wonCheck()) return true;
  std::vector<CardNumber> cards = tableCards(game);
  std::sort(cards.begin(), cards.end());
  std::string key = std::to_string(game.state.piles.stock().cardCount()) + ":";
  for (const CardNumber card : cards) key += std::to_string(card) + ",";
  if (!seen.insert(key).second) return false;
  const GameState before = game.state;
  for (const auto& group : engineGroups(game)) {
    for (const CardNumber card : group) applyMove(game, {SolverMove::Kind::Select, card, {}});
    const bool won = winnable(game, seen);
    restore(game, before);
    if (won) return true;
  }
  return false;
}

class PairRemovalSearchKinds : public SolverSessionTest {
 protected:
};

TEST_F(PairRemovalSearchKinds, SeesExactlyTheGroupsTheEngineRemovesOnRandomPlay) {
  std::mt19937 random(59);
  for (const int kind : {kThirteens, kNinePairs, kMatchmaker}) {
    cli::SolverSession play = session(kind);
    for (int deal = 1; deal <= kDeals; ++deal) {
      play.deal(std::to_string(1000 + deal));
      Game& table = play.game();
      for (int step = 0;; ++step) {
        const auto engine = engineGroups(table);
        const auto search = pairRemovalGroups(SolverStart::of(table));
        ASSERT_TRUE(search.has_value()) << kind << " deal " << deal << " step " << step;
        ASSERT_EQ(ranksOf(*search), ranksOf(engine)) << kind << " deal " << deal << " step " << step;
        if (engine.empty()) break;
        const auto& group = engine[std::uniform_int_distribution<std::size_t>(0, engine.size() - 1)(random)];
        for (const CardNumber card : group) ASSERT_TRUE(applyMove(table, {SolverMove::Kind::Select, card, {}}));
      }
    }
  }
}

TEST_F(PairRemovalSearchKinds, VerdictsAgreeWithAPlainExhaustiveSearchAndWinsReplay) {
  for (const int kind : {kThirteens, kNinePairs, kMatchmaker}) {
    cli::SolverSession play = session(kind);
    for (int deal = 1; deal <= kDeals; ++deal) {
      play.deal(std::to_string(2000 + deal));
      const SolverStart start = SolverStart::of(play.game());
      const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
      ASSERT_NE(result.verdict, Verdict::Unknown) << kind << " deal " << deal;
      std::unordered_set<std::string> seen;
      EXPECT_EQ(result.verdict == Verdict::Won, winnable(play.game(), seen)) << kind << " deal " << deal;
      if (result.verdict == Verdict::Won) {
        EXPECT_TRUE(replayWins(start, result.moves)) << kind << " deal " << deal;
      }
    }
  }
}

}  // namespace
}  // namespace quilloro::solver::pair_removal_search_test
