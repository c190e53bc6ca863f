// The cards at home that no win needs back: those that only cards at home
// could be built on, all the way down.
#include <gtest/gtest.h>

#include <string>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/needless_cards.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/card_tokens.hpp"

namespace quilloro::solver::needless_cards_test {
namespace {

using testing::TestTable;
using card_tokens::cards;

TEST(NeedlessCards, OnlyCardsThatNothingOutCouldBeBuiltOnStayHome) {
  // Klondike: hearts home to the six, diamonds to the five, clubs to the
  // three, spades to the four; the rest on the tableau and in the stock.
  TestTable table;
  table.lay("Dest1", cards(40, 43));
  table.lay("Dest2", cards(1, 6));
  table.lay("Dest3", cards(14, 18));
  table.lay("Dest4", cards(27, 29));
  table.lay("Fila1", cards(30, 39));
  table.lay("Fila2", cards(7, 13));
  table.lay("Fila3", cards(19, 26));
  table.lay("Fila4", cards(44, 52));
  for (const char* empty : {"Fila5", "Fila6", "Fila7", "Mazzo"}) table.lay(empty, "");
  const SolverStart start = SolverStart::of(table.game);
  const std::optional<FastRules> rules = FastRules::of(start);
  ASSERT_TRUE(rules.has_value());
  NeedlessCards needless(*rules);
  ASSERT_TRUE(needless.applies());
  needless.find(FastPosition(*rules, start.state, 0));
  // Up to the fours only threes can be built on, and every three is home.
  for (const int card : {1, 4, 14, 17, 27, 29, 40, 43}) EXPECT_TRUE(needless.needless(static_cast<FastCard>(card))) << card;
  // The red fives could take the four of clubs, still out; the six of
  // hearts lies on a five that could be wanted back; cards out are never
  // in the set.
  for (const int card : {5, 6, 18, 30, 44}) EXPECT_FALSE(needless.needless(static_cast<FastCard>(card))) << card;
  // With the four of clubs home the red fives join the set; the six of
  // hearts could still take either black five, both out.
  table.lay("Dest4", cards(27, 30));
  table.lay("Fila1", cards(31, 39));
  const SolverStart more = SolverStart::of(table.game);
  needless.find(FastPosition(*rules, more.state, 0));
  for (const int card : {5, 18, 30}) EXPECT_TRUE(needless.needless(static_cast<FastCard>(card))) << card;
  EXPECT_FALSE(needless.needless(6)) << "the five of clubs could go onto it";
}

}  // namespace
}  // namespace quilloro::solver::needless_cards_test
