// Face-up cards that hold one another in place for ever: the position is
// called lost at once, and only where it truly is.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/stuck_cards.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/card_tokens.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver::stuck_cards_test {
namespace {

using testing::TestTable;
using card_tokens::pile;
using card_tokens::cards;

bool stuck(const TestTable& table) {
  const SolverStart start = SolverStart::of(table.game);
  const std::optional<FastRules> rules = FastRules::of(start);
  EXPECT_TRUE(rules.has_value());
  if (!rules) return false;
  StuckCards count(*rules);
  EXPECT_TRUE(count.applies());
  return count.anyStuck(FastPosition(*rules, start.state, 0));
}

// The verdict of the whole search on the table.
Verdict verdictOf(const TestTable& table) {
  return solve(SolverStart::of(table.game), Budget{.nodes = 100'000, .milliseconds = 600'000}).verdict;
}

// The locked table is stuck, and lost; the free one, a card or a space
// apart, is not stuck, and won.
void expectOnlyTheLockedStuck(const TestTable& locked, const TestTable& free) {
  EXPECT_TRUE(stuck(locked));
  EXPECT_EQ(verdictOf(locked), Verdict::Lost);
  EXPECT_FALSE(stuck(free));
  EXPECT_EQ(verdictOf(free), Verdict::Won);
}

// Piles by name, with their cards as laid.
using LaidPiles = std::vector<std::pair<std::string, std::string>>;

// Klondike with the stock played out. The four of clubs lies face down under
// the nine of diamonds, eight of clubs, seven of diamonds and six of clubs;
// the six of spades lies on the seven of hearts. Each black six needs a red
// seven, both covered by the black sixes; the nine of diamonds needs a black
// ten, one under itself and one under the nine of hearts, which needs one
// too. Much else can still move (a whole pile onto the bare ten of
// diamonds, kings into the space), but never those cards.
LaidPiles lockedSixesPiles() {
  return {{"Dest1", cards(40, 43)},
          {"Dest2", cards(1, 6)},
          {"Dest3", cards(14, 18)},
          {"Dest4", cards(27, 29)},
          {"Fila1", pile({52, 12, 37, 23})},
          {"Fila2", pile({13, 38, 11, 36, 9, 47, 7, 45})},
          {"Fila3", pile({39, 25, 50, 10, 35, 8, 33})},
          {"Fila4", pile({26, 51, 24})},
          {"Fila5", pile({-44, -49, -30, 22, 34, 20, 32})},
          {"Fila6", pile({48, 21, 46, 19, 31})},
          {"Fila7", ""},
          {"Mazzo", ""}};
}

// The pile's cards with hearts and diamonds swapped, and clubs and spades:
// the same position for the count, whose cards it looks at in another order.
std::string otherSuits(const std::string& tokens) {
  std::string swapped;
  for (std::size_t at = 0; at + 4 <= tokens.size(); at += 4) {
    const int number = std::stoi(tokens.substr(at, 3));
    const int suit = (number - 1) / 13;
    swapped += card_tokens::card(number + (suit % 2 == 0 ? 13 : -13), tokens[at + 3] == '1');
  }
  return swapped;
}

TestTable laidOut(const LaidPiles& piles, bool swapped = false) {
  TestTable table;
  for (const auto& [name, tokens] : piles) table.lay(name, swapped ? otherSuits(tokens) : tokens);
  return table;
}

TestTable lockedSixes() { return laidOut(lockedSixesPiles()); }

TEST(StuckCards, SixesOnEachOthersSevensHoldTheirPilesForEver) {
  TestTable table = lockedSixes();
  EXPECT_TRUE(stuck(table));
  EXPECT_EQ(verdictOf(table), Verdict::Lost);
}

TEST(StuckCards, ACardThatCanLeaveFreesTheLock) {
  // The five of spades, home, lets the six of spades follow.
  TestTable spadeHome = lockedSixes();
  spadeHome.lay("Dest1", cards(40, 44));
  spadeHome.lay("Fila5", pile({-49, -30, 22, 34, 20, 32}));
  EXPECT_FALSE(stuck(spadeHome));
  // The ten of spades face up on the bare pile takes the nine of diamonds.
  TestTable tenShown = lockedSixes();
  tenShown.lay("Fila5", pile({-44, -30, 22, 34, 20, 32}));
  tenShown.lay("Fila7", pile({49}));
  EXPECT_FALSE(stuck(tenShown));
}

TEST(StuckCards, TheSameCardsStayWhicheverOrderTheyAreLookedAt) {
  // With the ten of spades shown the cards drop one after another, each freed
  // by one dropped before; with the suits swapped the count meets them in
  // another order, and must still drop them all.
  const LaidPiles locked = lockedSixesPiles();
  LaidPiles tenShown = locked;
  tenShown[8].second = pile({-44, -30, 22, 34, 20, 32});
  tenShown[10].second = pile({49});
  for (const bool swapped : {false, true}) {
    EXPECT_TRUE(stuck(laidOut(locked, swapped))) << swapped;
    EXPECT_FALSE(stuck(laidOut(tenShown, swapped))) << swapped;
  }
}

TEST(StuckCards, OneCountAnswersEachPositionAsAFreshOneDoes) {
  // The count tries the cards first in the order it dropped them in last
  // time: asked about locked and free positions in turn, in both suit
  // orders, it must answer each as a count that saw nothing before.
  const LaidPiles locked = lockedSixesPiles();
  LaidPiles tenShown = locked;
  tenShown[8].second = pile({-44, -30, 22, 34, 20, 32});
  tenShown[10].second = pile({49});
  LaidPiles spadeHome = locked;
  spadeHome[0].second = cards(40, 44);
  spadeHome[8].second = pile({-49, -30, 22, 34, 20, 32});
  const TestTable firstTable = laidOut(tenShown);
  const SolverStart first = SolverStart::of(firstTable.game);
  const std::optional<FastRules> rules = FastRules::of(first);
  ASSERT_TRUE(rules.has_value());
  StuckCards count(*rules);
  for (const bool swapped : {false, true})
    for (const LaidPiles* piles :
         std::initializer_list<const LaidPiles*>{&tenShown, &locked, &spadeHome, &locked, &tenShown}) {
      const TestTable table = laidOut(*piles, swapped);
      const SolverStart start = SolverStart::of(table.game);
      EXPECT_EQ(count.anyStuck(FastPosition(*rules, start.state, 0)), stuck(table)) << swapped;
    }
}

// Klondike with nothing back from the foundations and a reserve that only
// gives, holding the five of diamonds, the seven of clubs, the seven of
// spades and on top the six of diamonds. The six of spades lies on the five
// of spades, on the seven of diamonds. The six of diamonds needs a black
// seven, both under it in the reserve, or its five home, at the reserve's
// bottom; the five of spades needs the six of diamonds; the six of spades
// needs its five, under it, or the seven of diamonds, under the five.
TestTable lockedReserve() {
  TestTable table;
  table.set({{param::kTableauCount, 2}, {param::kReserveCount, 1}, {param::kReserveTypeFirst, 4},
             {param::kFoundationTakeBack, 0}});
  table.lay("Dest1", cards(40, 43));
  table.lay("Dest2", cards(1, 13));
  table.lay("Dest3", cards(14, 17));
  table.lay("Dest4", cards(27, 32));
  table.lay("Appogg1", pile({18, 33, 46, 19}));
  table.lay("Fila1", pile({20, 44, 45}));
  table.lay("Fila2", "");
  table.lay("Mazzo", pile({-34, -35, -36, -37, -38, -39, -47, -48, -49, -50, -51, -52, -21, -22, -23, -24, -25, -26}));
  return table;
}

TEST(StuckCards, CardsOfAReserveThatOnlyGivesHoldOnLikeTableauCards) {
  EXPECT_TRUE(stuck(lockedReserve()));
  // The seven of clubs bare on the tableau takes the six of diamonds, which
  // takes the five of spades; the six of spades follows its five home.
  TestTable sevenOut = lockedReserve();
  sevenOut.lay("Appogg1", pile({18, 46, 19}));
  sevenOut.lay("Fila2", pile({33}));
  EXPECT_FALSE(stuck(sevenOut));
  // The black sevens over the six of diamonds in the reserve leave for the
  // eights of the stock, and bare it.
  TestTable sixUnder = lockedReserve();
  sixUnder.lay("Appogg1", pile({18, 19, 33, 46}));
  EXPECT_FALSE(stuck(sixUnder));
}

// A stock that deals onto two reserves that only give, piles building down
// in alternate colours, empty piles taking nothing. Hearts and clubs are
// home, spades and diamonds up to the fours. The six of spades lies on the
// five of spades, on the seven of spades, on the five of diamonds; every
// other card waits in the stock. The six of spades needs its five, under it,
// or a red seven: the seven of hearts is home, and the seven of diamonds,
// once dealt, leaves its reserve only home, after the five of diamonds at
// the pile's bottom, or onto a black eight, which waits in the stock as
// well, and so on up to the king of diamonds, which goes nowhere.
TestTable lockedByTheStock() {
  TestTable table;
  table.set({{param::kTableauCount, 2}, {param::kShowWaste, 0}, {param::kStockPasses, 1}, {param::kReserveCount, 2},
             {param::kFoundationTakeBack, 0}});
  for (int n = 0; n < kMaxTableau; ++n) table.game.state.parameters[param::kTableauBaseRankFirst + n] = 0;
  for (int n = 0; n < 2; ++n) {
    table.game.state.parameters[param::kReserveTypeFirst + n] = 4;
    table.game.state.parameters[param::kReserveRowDealFirst + n] = 1;
  }
  table.lay("Dest1", cards(1, 13));
  table.lay("Dest2", cards(14, 17));
  table.lay("Dest3", cards(27, 39));
  table.lay("Dest4", cards(40, 43));
  table.lay("Appogg1", "");
  table.lay("Appogg2", "");
  table.lay("Fila1", pile({18, 46, 44, 45}));
  table.lay("Fila2", "");
  table.lay("Mazzo", pile({-52, -51, -50, -49, -48, -47, -26, -25, -24, -23, -22, -21, -20, -19}));
  return table;
}

TEST(StuckCards, CardsOfAStockDealtOntoReservesServeOnlyOnceTheyHaveLeft) {
  TestTable table = lockedByTheStock();
  EXPECT_TRUE(stuck(table));
  EXPECT_EQ(verdictOf(table), Verdict::Lost);
  // The seven of diamonds bare on the tableau takes the six of spades.
  TestTable sevenOut = lockedByTheStock();
  sevenOut.lay("Fila2", pile({20}));
  sevenOut.lay("Mazzo", pile({-52, -51, -50, -49, -48, -47, -26, -25, -24, -23, -22, -21, -19}));
  EXPECT_FALSE(stuck(sevenOut));
}

// Shamrocks' fans: one rank up or down in any suit, at most three cards, no
// space ever filled. The king of hearts lies on its queen and jack, the queen
// of spades on its jack and king; every other card is home. Each top card
// could only go onto the other, which tops a full fan.
TestTable lockedFans() {
  TestTable table;
  table.set({{param::kTableauCount, 3}, {param::kFoundationTakeBack, 0}, {param::kMaxCardsMoved, 1}});
  for (int n = 0; n < kMaxTableau; ++n) {
    table.game.state.parameters[param::kTableauBuildTypeFirst + n] = 26;
    table.game.state.parameters[param::kTableauBaseRankFirst + n] = 0;
  }
  table.lay("Dest1", cards(1, 10));
  table.lay("Dest2", cards(14, 26));
  table.lay("Dest3", cards(27, 39));
  table.lay("Dest4", cards(40, 49));
  table.lay("Fila1", pile({11, 12, 13}));
  table.lay("Fila2", pile({52, 50, 51}));
  table.lay("Fila3", "");
  table.lay("Mazzo", "");
  return table;
}

TEST(StuckCards, TopCardsOfFullFansTakeNothingFromEachOther) {
  EXPECT_TRUE(stuck(lockedFans()));
  // With the king of spades alone beside them the queen's fan has room for
  // the king of hearts, which frees the queen of hearts onto the king.
  TestTable room = lockedFans();
  room.lay("Fila2", pile({50, 51}));
  room.lay("Fila3", pile({52}));
  EXPECT_FALSE(stuck(room));
}

// Yukon's rules, any face-up cards moving together, five piles. Clubs are
// home, hearts and diamonds up to the fives, spades up to the threes. Under
// the king of spades lie, face down, the five of spades, the six of
// diamonds, the six of hearts and at the bottom the four of spades. The
// five of spades shows once the king leaves for the space, but then needs a
// red six, both under it, or its four home, under them both. The other
// piles hold the rest of the cards in runs down, free to go home.
TestTable buriedFive(std::initializer_list<int> firstPile) {
  TestTable table;
  table.set({{param::kTableauCount, 5}, {param::kMultiCardMoveRule, 0}});
  table.lay("Dest1", cards(1, 5));
  table.lay("Dest2", cards(14, 18));
  table.lay("Dest3", cards(27, 39));
  table.lay("Dest4", cards(40, 42));
  table.lay("Fila1", pile(firstPile));
  table.lay("Fila2", pile({13, 51, 11, 49, 9, 47, 7, 45}));
  table.lay("Fila3", pile({26, 25, 24, 23, 22, 21, 20}));
  table.lay("Fila4", pile({12, 50, 10, 48, 8, 46}));
  table.lay("Fila5", "");
  table.lay("Mazzo", "");
  return table;
}

TEST(StuckCards, FaceDownCardsHoldOnWhereAnyFaceUpCardsMove) {
  // Free, the four of spades over the sixes goes home once the king has
  // left, the sixes follow their fives, and the five of spades its four.
  expectOnlyTheLockedStuck(buriedFive({-43, -6, -19, -44, 52}), buriedFive({-44, -6, -19, -43, 52}));
}

// The same cards with the four of spades over the sixes, under the king of
// spades with a run down to the seven of spades on it, and the two other
// piles: with a fourth pile empty, the king takes its run there and every
// card goes home; without it, no space ever comes (each pile's bottom card
// waits for a card under the king), and the king keeps them all covered.
TestTable kingOverBuriedCards(bool space) {
  TestTable table;
  table.set({{param::kTableauCount, space ? 4 : 3}, {param::kMultiCardMoveRule, 0}});
  table.lay("Dest1", cards(1, 5));
  table.lay("Dest2", cards(14, 18));
  table.lay("Dest3", cards(27, 39));
  table.lay("Dest4", cards(40, 42));
  table.lay("Fila1", pile({-44, -6, -19, -43, 52, 12, 50, 10, 48, 8, 46}));
  table.lay("Fila2", pile({13, 51, 11, 49, 9, 47, 7, 45}));
  table.lay("Fila3", pile({26, 25, 24, 23, 22, 21, 20}));
  if (space) table.lay("Fila4", "");
  table.lay("Mazzo", "");
  return table;
}

TEST(StuckCards, AKingGoesIntoASpaceOnlyWhereOneMayCome) {
  expectOnlyTheLockedStuck(kingOverBuriedCards(false), kingOverBuriedCards(true));
}

// Yukon as dealt, with no stock: hearts home up to the five, diamonds and
// clubs whole, spades up to the two. The four of spades lies on the three,
// both face up; a red five would take the four, and a red four both, but
// they come back only onto a black six or, for the kings that must come
// first, into a space. Locked, the six of spades lies face down under the
// three and the king of hearts under it: the six of clubs waits under the
// rest of its suit behind its king, no pile ever empties (a king of spades
// and a queen of spades lie at the bottom, and the spades above the three
// wait for it), and the four and the three never part. Free, the six of
// spades lies alone on a fourth pile: the five of hearts comes back onto it
// and takes the four, and every card goes home.
TestTable spadesUnderTheirFives(bool free) {
  TestTable table;
  table.set({{param::kTableauCount, free ? 4 : 3}, {param::kMultiCardMoveRule, 0}, {param::kShowWaste, 0}});
  table.lay("Dest1", cards(1, 5));
  table.lay("Dest2", cards(14, 26));
  table.lay("Dest3", cards(27, 39));
  table.lay("Dest4", cards(40, 41));
  table.lay("Fila1", free ? pile({-13, 42, 43}) : pile({-13, -45, 42, 43}));
  table.lay("Fila2", pile({52, 12, 11, 10, 9, 8, 7, 6}));
  table.lay("Fila3", pile({51, 50, 49, 48, 47, 46, 44}));
  if (free) table.lay("Fila4", pile({45}));
  table.lay("Mazzo", "");
  return table;
}

TEST(StuckCards, ACardAtHomeServesOnlyWhereItCanComeBack) {
  expectOnlyTheLockedStuck(spadesUnderTheirFives(false), spadesUnderTheirFives(true));
}

class StuckCardsOnDeals : public SolverSessionTest {};

// Yukon deal 1024 is won, but on its way the cards let go one after another
// include ones that only a card back from home takes, and that card may come
// back only once other cards have dropped: a count that did not look at the
// held cards again with fresh answers about the cards at home called a
// position on the way lost, and the deal with it.
TEST_F(StuckCardsOnDeals, AYukonDealWonWhereCardsComeBackOnlyOnceOthersHaveDropped) {
  constexpr int kYukon = 9;
  cli::SolverSession play = session(kYukon);
  play.deal("1024");
  EXPECT_EQ(solve(SolverStart::of(play.game()), Budget{.nodes = 30'000, .milliseconds = 600'000}).verdict,
            Verdict::Won);
}

}  // namespace
}  // namespace quilloro::solver::stuck_cards_test
