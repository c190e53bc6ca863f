// The cards at home that stay there while the other suits' foundations are
// close behind them, and the rules where that holds.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/kept_home.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/card_tokens.hpp"

namespace quilloro::solver::kept_home_test {
namespace {

using testing::TestTable;
using card_tokens::cards;

// Lays the foundations up to the given ranks (hearts, diamonds, clubs,
// spades) and every other card on the first four tableau piles.
void layHome(TestTable& table, int hearts, int diamonds, int clubs, int spades) {
  const int home[] = {hearts, diamonds, clubs, spades};
  for (int suit = 0; suit < 4; ++suit) {
    const int first = suit * 13 + 1;
    table.lay("Dest" + std::to_string(suit + 1), cards(first, first + home[suit] - 1));
    table.lay("Fila" + std::to_string(suit + 1), cards(first + home[suit], first + 12));
  }
  for (const char* empty : {"Fila5", "Fila6", "Fila7", "Mazzo"}) table.lay(empty, "");
}

bool kept(TestTable& table, const KeptHome& rule, int card) {
  const SolverStart start = SolverStart::of(table.game);
  return rule.keeps(FastPosition(*FastRules::of(start), start.state, 0), static_cast<FastCard>(card));
}

TEST(KeptHome, ACardStaysHomeOnlyWhileTheOtherSuitsAreCloseBehind) {
  TestTable table;
  layHome(table, 7, 4, 4, 5);
  const std::optional<FastRules> rules = FastRules::of(SolverStart::of(table.game));
  ASSERT_TRUE(rules.has_value());
  const KeptHome rule(*rules);
  ASSERT_TRUE(rule.applies());
  // The seven of hearts could still take a black six, whose clubs are two
  // ranks behind at four: it may come back.
  EXPECT_FALSE(kept(table, rule, 7));
  // The four of diamonds, the four of clubs and the five of spades have the
  // other colour two ranks behind or closer, their own colour three.
  for (const int card : {17, 30, 44}) EXPECT_TRUE(kept(table, rule, card)) << card;
  // With the five of clubs home the seven of hearts stays too.
  layHome(table, 7, 4, 5, 5);
  EXPECT_TRUE(kept(table, rule, 7));
  // With diamonds back at three, four ranks behind hearts, it may come back.
  layHome(table, 7, 3, 5, 5);
  EXPECT_FALSE(kept(table, rule, 7));
  // Aces and twos never come back.
  layHome(table, 2, 0, 0, 0);
  EXPECT_TRUE(kept(table, rule, 2));
}

TEST(KeptHome, WhereAnyFaceUpCardsTravelTheOtherSuitsMustBeOneRankCloser) {
  TestTable table;
  table.set({{param::kMultiCardMoveRule, 0}});
  layHome(table, 7, 4, 5, 5);
  const std::optional<FastRules> rules = FastRules::of(SolverStart::of(table.game));
  ASSERT_TRUE(rules.has_value());
  const KeptHome rule(*rules);
  ASSERT_TRUE(rule.applies());
  // A black six out could travel onto the seven of hearts under any cards.
  EXPECT_FALSE(kept(table, rule, 7));
  layHome(table, 7, 5, 6, 6);
  EXPECT_TRUE(kept(table, rule, 7));
  layHome(table, 7, 4, 6, 6);
  EXPECT_FALSE(kept(table, rule, 7)) << "the five of diamonds could travel onto a black six";
}

TEST(KeptHome, HoldsOnlyForAlternateColoursWithNoCellsAndOnePack) {
  auto applies = [](std::initializer_list<std::pair<int, int>> parameters, int buildType = 3) {
    TestTable table;
    table.set(parameters);
    for (int n = 0; n < kMaxTableau; ++n)
      table.game.state.parameters[param::kTableauBuildTypeFirst + n] = static_cast<ParameterValue>(buildType);
    layHome(table, 3, 3, 3, 3);
    const std::optional<FastRules> rules = FastRules::of(SolverStart::of(table.game));
    return rules.has_value() && KeptHome(*rules).applies();
  };
  EXPECT_TRUE(applies({}));
  EXPECT_TRUE(applies({{param::kCardsPerClick, 3}})) << "three cards a click";
  EXPECT_TRUE(applies({{param::kMultiCardMoveRule, 0}})) << "any face-up cards travel together";
  EXPECT_FALSE(applies({}, 0)) << "building in suit";
  EXPECT_FALSE(applies({{param::kReserveCount, 1}})) << "a free cell";
  EXPECT_FALSE(applies({{param::kFoundationTakeBack, 0}})) << "nothing comes back";
}

}  // namespace
}  // namespace quilloro::solver::kept_home_test
