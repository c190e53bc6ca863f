// Kings that may move only onto queens: where none can come home first, the
// position is called lost at once, and only where it truly is.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/resting_kings.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/stuck_cards.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/card_tokens.hpp"

namespace quilloro::solver::resting_kings_test {
namespace {

using testing::TestTable;
using card_tokens::pile;
using card_tokens::cards;

constexpr int kQueenOfHearts = 12;
constexpr int kKingOfHearts = 13;
constexpr int kQueenOfDiamonds = 25;
constexpr int kKingOfDiamonds = 26;
constexpr int kQueenOfClubs = 38;
constexpr int kKingOfClubs = 39;
constexpr int kQueenOfSpades = 51;
constexpr int kKingOfSpades = 52;

// Shamrocks' fans: one rank up or down in any suit, at most three cards, no
// space ever filled. Every suit is home up to its jack. The king of spades
// lies on the queen of hearts, the king of hearts on the queen of spades,
// the kings of diamonds and clubs on the queen of clubs; the queen of
// diamonds lies alone. The kings may move onto the bare queen of diamonds,
// but each one lies over a card of another suit or waits for a queen, and
// no king can come home first.
TestTable kingsOverCards() {
  TestTable table;
  table.set({{param::kTableauCount, 5}, {param::kFoundationTakeBack, 0}, {param::kMaxCardsMoved, 1}, {param::kShowWaste, 0}});
  for (int n = 0; n < kMaxTableau; ++n) {
    table.game.state.parameters[param::kTableauBuildTypeFirst + n] = 26;
    table.game.state.parameters[param::kTableauBaseRankFirst + n] = 0;
  }
  table.lay("Dest1", cards(1, 11));
  table.lay("Dest2", cards(14, 24));
  table.lay("Dest3", cards(27, 37));
  table.lay("Dest4", cards(40, 50));
  table.lay("Fila1", pile({kQueenOfHearts, kKingOfSpades}));
  table.lay("Fila2", pile({kQueenOfSpades, kKingOfHearts}));
  table.lay("Fila3", pile({kQueenOfClubs, kKingOfDiamonds, kKingOfClubs}));
  table.lay("Fila4", pile({kQueenOfDiamonds}));
  table.lay("Fila5", "");
  table.lay("Mazzo", "");
  return table;
}

FastRules rulesOf(const TestTable& table) {
  const std::optional<FastRules> rules = FastRules::of(SolverStart::of(table.game));
  EXPECT_TRUE(rules.has_value());
  EXPECT_TRUE(kingsRestOnlyOnQueens(*rules));
  return *rules;
}

bool restless(const TestTable& table) {
  const FastRules rules = rulesOf(table);
  return kingsFindNoRest(FastPosition(rules, SolverStart::of(table.game).state, 0));
}

TEST(RestingKings, KingsThatAllLieOverCardsNeverAllComeHome) {
  const TestTable table = kingsOverCards();
  EXPECT_TRUE(restless(table));
  // The face-up cards alone do not show it: a king may still leave.
  const FastRules rules = rulesOf(table);
  StuckCards stuck(rules);
  EXPECT_FALSE(stuck.anyStuck(FastPosition(rules, SolverStart::of(table.game).state, 0)));
  EXPECT_EQ(solve(SolverStart::of(table.game), Budget{.nodes = 100'000, .milliseconds = 600'000}).verdict,
            Verdict::Lost);
}

TEST(RestingKings, AKingAtAFansBottomMayComeHomeFirst) {
  // The king of clubs alone on its fan goes home once its queen is home;
  // the king of diamonds goes onto the queen of diamonds, which lets the
  // queen of clubs go home, and so on.
  TestTable table = kingsOverCards();
  table.lay("Fila3", pile({kQueenOfClubs, kKingOfDiamonds}));
  table.lay("Fila5", pile({kKingOfClubs}));
  EXPECT_FALSE(restless(table));
  // A king over a lower card of its own suit must rest on a queen of
  // another suit: with only its own queen left, it rests nowhere.
  TestTable ownQueen;
  ownQueen.set({{param::kTableauCount, 2}, {param::kFoundationTakeBack, 0}, {param::kMaxCardsMoved, 1}, {param::kShowWaste, 0}});
  for (int n = 0; n < kMaxTableau; ++n) {
    ownQueen.game.state.parameters[param::kTableauBuildTypeFirst + n] = 26;
    ownQueen.game.state.parameters[param::kTableauBaseRankFirst + n] = 0;
  }
  ownQueen.lay("Dest1", cards(1, 10));
  ownQueen.lay("Dest2", cards(14, 26));
  ownQueen.lay("Dest3", cards(27, 39));
  ownQueen.lay("Dest4", cards(40, 52));
  ownQueen.lay("Fila1", pile({11, kKingOfHearts}));
  ownQueen.lay("Fila2", pile({kQueenOfHearts}));
  ownQueen.lay("Mazzo", "");
  EXPECT_TRUE(restless(ownQueen));
  EXPECT_EQ(solve(SolverStart::of(ownQueen.game), Budget{.nodes = 10'000, .milliseconds = 600'000}).verdict,
            Verdict::Lost);
}

}  // namespace
}  // namespace quilloro::solver::resting_kings_test
