// Selection, pairing and poker games: which clicks complete a selection, what
// is thrown, what beeps, how the poker grid scores, and the rank hints.
#include <gtest/gtest.h>

#include <string>

#include "engine/poker_hand.hpp"
#include "game_fixture.hpp"

namespace quilloro {
namespace {

using testing::TestTable;

std::string up(CardNumber card) {
  std::string token = cardToken(card);
  return token + "1";
}

// Hearts 1-13, diamonds 14-26, clubs 27-39, spades 40-52.
constexpr CardNumber heart(int rank) { return rank; }
constexpr CardNumber diamond(int rank) { return 13 + rank; }
constexpr CardNumber club(int rank) { return 26 + rank; }
constexpr CardNumber spade(int rank) { return 39 + rank; }

PileRef tableau(int n) { return {PileList::Tableau, n - 1}; }

// A game whose tableau piles hold one face-up card each.
struct OneCardPiles : TestTable {
  OneCardPiles(int family, int sum, std::initializer_list<CardNumber> cards) {
    set({{param::kGameFamily, family}, {param::kSelectByClick, sum},
         {param::kTableauCount, static_cast<int>(cards.size())}});
    int n = 1;
    for (const CardNumber card : cards) lay("Fila" + std::to_string(n++), up(card));
  }
  SelectOutcome click(int pile) {
    return game.pressInSelectionGame(tableau(pile), game.state.piles.pile(tableau(pile)).bottomCard());
  }
};

TEST(PyramidSelection, ThirteenCompletesAloneOrInPairsAndAThirdCardBeeps) {
  TestTable t;
  t.set({{param::kGameFamily, 4}, {param::kTableauCount, 2}, {param::kTableauFan, 4}});
  t.lay("Fila1", up(spade(kKing)) + up(heart(5)));
  t.lay("Fila2", up(heart(kQueen)) + up(club(kAce)) + up(diamond(3)));
  // The king of the first row is covered by the second row's first two cards.
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(1), spade(kKing)), SelectOutcome::Ignored);
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(2), heart(kQueen)), SelectOutcome::Marked);
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(2), club(kAce)), SelectOutcome::Thrown);
  EXPECT_EQ(t.tokens("Waste"), up(heart(kQueen)) + up(club(kAce)));
  // Thrown cards leave holes, so the rows keep their shape.
  EXPECT_EQ(t.tokens("Fila2"), "0000" "0000" + up(diamond(3)));
  EXPECT_TRUE(t.game.selection().empty());

  // Now the king is free: alone it makes 13.
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(1), spade(kKing)), SelectOutcome::Thrown);

  // Every card of the last pile is free; two cards at most make a selection.
  TestTable three;
  three.set({{param::kGameFamily, 4}, {param::kTableauCount, 1}, {param::kTableauFan, 4}});
  three.lay("Fila1", up(heart(2)) + up(heart(3)) + up(heart(4)));
  EXPECT_EQ(three.game.pressInSelectionGame(tableau(1), heart(2)), SelectOutcome::Marked);
  EXPECT_EQ(three.game.pressInSelectionGame(tableau(1), heart(4)), SelectOutcome::Marked);
  EXPECT_EQ(three.game.pressInSelectionGame(tableau(1), heart(3)), SelectOutcome::Refused);
  EXPECT_EQ(three.observer.beeps, 1);
  EXPECT_EQ(three.game.selection(), (std::vector<CardNumber>{heart(2), heart(4)}));
}

TEST(PyramidSelection, WasteAndStockCardsJoinAsTheRulesAllow) {
  TestTable t;
  t.set({{param::kGameFamily, 4}, {param::kTableauCount, 1}, {param::kTableauFan, 4}});
  t.lay("Fila1", up(heart(9)));
  t.lay("Mazzo", up(club(4)));
  t.lay("Mazzo_Vis", up(diamond(7)) + up(spade(8)));
  // The stock joins only a selection already begun.
  EXPECT_EQ(t.game.pressInSelectionGame(kStockPile, club(4)), SelectOutcome::Ignored);
  EXPECT_EQ(t.game.pressInSelectionGame(kWastePile, diamond(7)), SelectOutcome::Ignored);
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(1), heart(9)), SelectOutcome::Marked);
  EXPECT_EQ(t.game.pressInSelectionGame(kStockPile, club(4)), SelectOutcome::Thrown);
  EXPECT_TRUE(t.game.won() == false);
  EXPECT_EQ(t.game.pressInSelectionGame(kWastePile, spade(8)), SelectOutcome::Marked);
}

TEST(SumFourteenSelection, OnlyTopCardsCountAndTheDealCanBeWon) {
  TestTable t;
  t.set({{param::kGameFamily, 3}, {param::kTableauCount, 2}});
  t.lay("Fila1", up(heart(6)) + up(spade(8)));
  t.lay("Fila2", up(club(8)));
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(1), heart(6)), SelectOutcome::Ignored);
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(1), spade(8)), SelectOutcome::Marked);
  // Clicking a selected card again takes it out of the selection.
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(1), spade(8)), SelectOutcome::Marked);
  EXPECT_TRUE(t.game.selection().empty());
  EXPECT_EQ(t.observer.markToggles, (std::vector<CardNumber>{spade(8), spade(8)}));
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(1), spade(8)), SelectOutcome::Marked);
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(1), heart(6)), SelectOutcome::Ignored);
  t.lay("Fila2", up(diamond(6)));
  EXPECT_EQ(t.game.pressInSelectionGame(tableau(2), diamond(6)), SelectOutcome::Thrown);
  EXPECT_EQ(t.tokens("Fila1"), up(heart(6)));
}

TEST(GridPairs, EqualRanksThatTouchAreThrownOthersBeep) {
  // A row of five, then the next row: piles 1 and 7 touch diagonally.
  OneCardPiles diagonal(8, 1, {heart(7), heart(2), heart(3), heart(4), heart(5), heart(6), club(7)});
  EXPECT_EQ(diagonal.click(1), SelectOutcome::Marked);
  EXPECT_EQ(diagonal.click(7), SelectOutcome::Thrown);
  EXPECT_EQ(diagonal.tokens("Waste"), up(heart(7)) + up(club(7)));

  OneCardPiles apart(8, 1, {heart(7), heart(2), club(7), heart(4), heart(5)});
  EXPECT_EQ(apart.click(1), SelectOutcome::Marked);
  EXPECT_EQ(apart.click(3), SelectOutcome::Refused);
  EXPECT_EQ(apart.observer.beeps, 1);
  EXPECT_EQ(apart.game.selection(), std::vector<CardNumber>{heart(7)});

  EXPECT_TRUE(Game::adjacentInGrid(0, 6));
  EXPECT_TRUE(Game::adjacentInGrid(4, 8));
  EXPECT_FALSE(Game::adjacentInGrid(4, 5));  // end of one row, start of the next
  EXPECT_FALSE(Game::adjacentInGrid(3, 3));
}

TEST(GridPairs, AClickOnTheStockClosesTheGapsAndRefills) {
  OneCardPiles t(8, 1, {heart(7), club(7), heart(3), heart(4)});
  t.lay("Mazzo", up(spade(1)) + up(spade(2)));
  ASSERT_EQ(t.click(1), SelectOutcome::Marked);
  ASSERT_EQ(t.click(2), SelectOutcome::Thrown);
  // The grid keeps its holes until the player asks.
  EXPECT_EQ(t.tokens("Fila1"), "");
  EXPECT_EQ(t.game.pressInSelectionGame(kStockPile, spade(2)), SelectOutcome::GapsClosed);
  EXPECT_EQ(t.tokens("Fila1"), up(heart(3)));
  EXPECT_EQ(t.tokens("Fila2"), up(heart(4)));
  EXPECT_EQ(t.tokens("Fila3"), up(spade(2)));
  EXPECT_EQ(t.tokens("Fila4"), up(spade(1)));
}

TEST(FifteensSelection, SumsOfFifteenAndFourOfARankComplete) {
  OneCardPiles t(1, 15, {heart(5), club(4), spade(6), diamond(10), heart(kQueen), club(kQueen), spade(kQueen),
                         diamond(kQueen)});
  t.lay("Mazzo", up(heart(1)) + up(heart(2)) + up(heart(3)) + up(heart(8)) + up(heart(9)) + up(heart(11)) +
                     up(heart(13)));
  EXPECT_EQ(t.click(1), SelectOutcome::Marked);
  // A ten does not go with a five.
  EXPECT_EQ(t.click(4), SelectOutcome::Refused);
  EXPECT_EQ(t.click(2), SelectOutcome::Marked);
  EXPECT_EQ(t.click(3), SelectOutcome::Thrown);
  // Thrown piles are refilled from the stock.
  EXPECT_EQ(t.tokens("Fila1"), up(heart(13)));
  EXPECT_EQ(t.tokens("Fila3"), up(heart(9)));
  for (const int pile : {5, 6, 7}) EXPECT_EQ(t.click(pile), SelectOutcome::Marked);
  EXPECT_EQ(t.click(8), SelectOutcome::Thrown);
  EXPECT_EQ(t.game.state.piles.discard().cardCount(), 7);
}

TEST(PairsAndSums, EqualRanksAndTargetSumsComplete) {
  OneCardPiles pairs(14, 1, {heart(9), club(9), spade(3)});
  EXPECT_EQ(pairs.click(1), SelectOutcome::Marked);
  EXPECT_EQ(pairs.click(3), SelectOutcome::Refused);
  EXPECT_EQ(pairs.click(2), SelectOutcome::Thrown);

  OneCardPiles sum(7, 13, {heart(6), club(2), spade(5)});
  EXPECT_EQ(sum.click(1), SelectOutcome::Marked);
  EXPECT_EQ(sum.click(2), SelectOutcome::Marked);
  // Two cards at most, whatever the sum.
  EXPECT_EQ(sum.click(3), SelectOutcome::Refused);
}

TEST(SelectionUndo, UndoAfterAThrowBringsTheCardsBackAndClearsTheSelection) {
  OneCardPiles t(14, 1, {heart(9), club(9), spade(3)});
  ASSERT_EQ(t.click(1), SelectOutcome::Marked);
  ASSERT_EQ(t.click(2), SelectOutcome::Thrown);
  ASSERT_EQ(t.click(3), SelectOutcome::Marked);
  ASSERT_TRUE(t.game.undo());
  EXPECT_EQ(t.tokens("Fila1"), up(heart(9)));
  EXPECT_EQ(t.tokens("Fila2"), up(club(9)));
  EXPECT_EQ(t.tokens("Waste"), "");
  EXPECT_TRUE(t.game.selection().empty());
}

// --- the poker grid ---

struct PokerGrid : TestTable {
  PokerGrid() {
    set({{param::kGameFamily, 9}, {param::kTableauCount, 25}, {param::kFoundationCount, 0}});
    settings.set(field::Score, "0");
  }
};

TEST(PokerGrid, ACompletedRowIsAnnouncedWithItsRunningTotal) {
  PokerGrid t;
  // Row 1: 7 7 7 K K once the last king comes.
  t.lay("Fila1", up(heart(7)));
  t.lay("Fila2", up(club(7)));
  t.lay("Fila3", up(spade(7)));
  t.lay("Fila4", up(heart(kKing)));
  t.lay("Mazzo_Vis", up(club(kKing)));
  ASSERT_TRUE(t.game.executeMove(club(kKing), "Fila5"));
  ASSERT_EQ(t.observer.pokerHands.size(), 1u);
  EXPECT_EQ(t.observer.pokerHands[0].name, "Full House");
  EXPECT_EQ(t.observer.pokerHands[0].points, 25);
  EXPECT_EQ(t.observer.pokerHands[0].runningTotal, 25);
  EXPECT_EQ(t.observer.pokerHands[0].piles, (std::array<int, 5>{0, 1, 2, 3, 4}));
  EXPECT_EQ(t.observer.pokerTotals.back(), 25);
  EXPECT_EQ(t.game.score(), 25);
  EXPECT_FALSE(t.game.won());
}

TEST(PokerGrid, ACardCompletingARowAndAColumnAnnouncesTheRowFirst) {
  PokerGrid t;
  // Row 1 ends in pile 5, column 5 runs down piles 5, 10, 15, 20, 25.
  t.lay("Fila1", up(heart(2)));
  t.lay("Fila2", up(club(2)));
  t.lay("Fila3", up(heart(9)));
  t.lay("Fila4", up(club(4)));
  t.lay("Fila10", up(spade(10)));
  t.lay("Fila15", up(spade(11)));
  t.lay("Fila20", up(spade(12)));
  t.lay("Fila25", up(spade(13)));
  t.lay("Mazzo_Vis", up(spade(kAce)));
  ASSERT_TRUE(t.game.executeMove(spade(kAce), "Fila5"));
  ASSERT_EQ(t.observer.pokerHands.size(), 2u);
  EXPECT_EQ(t.observer.pokerHands[0].name, "One Pair");
  EXPECT_EQ(t.observer.pokerHands[0].runningTotal, 2);
  EXPECT_EQ(t.observer.pokerHands[1].name, "Royal Flush");
  EXPECT_EQ(t.observer.pokerHands[1].runningTotal, 102);
  EXPECT_EQ(t.game.score(), 102);
  // Undo recounts without announcing.
  t.observer.clear();
  ASSERT_TRUE(t.game.undo());
  EXPECT_TRUE(t.observer.pokerHands.empty());
  EXPECT_EQ(t.game.score(), 0);
}

TEST(PokerHands, TheFullDeckFallsIntoTheKnownCategories) {
  std::map<std::string, long long> counts;
  std::array<CardNumber, 5> hand{};
  for (hand[0] = 1; hand[0] <= 48; ++hand[0])
    for (hand[1] = hand[0] + 1; hand[1] <= 49; ++hand[1])
      for (hand[2] = hand[1] + 1; hand[2] <= 50; ++hand[2])
        for (hand[3] = hand[2] + 1; hand[3] <= 51; ++hand[3])
          for (hand[4] = hand[3] + 1; hand[4] <= 52; ++hand[4])
            ++counts[std::string(evaluatePokerHand(hand).name)];
  const std::map<std::string, long long> expected{
      {"Royal Flush", 4},          {"Straight Flush", 36},  {"Flush", 5108},    {"Straight", 10200},
      {"Four of a Kind", 624},     {"Full House", 3744},    {"Three of a Kind", 54912},
      {"Two Pair", 123552},        {"One Pair", 1098240},   {"", 1302540}};
  EXPECT_EQ(counts, expected);
  EXPECT_EQ(evaluatePokerHand({1, 10, 11, 12, 13}).points, 100);
  EXPECT_EQ(evaluatePokerHand({1, 15, 29, 43, 5}), (PokerHand{"Straight", 15}));  // ace to five
}

TEST(RankHints, EachFoundationShowsTheRankItNeedsNext) {
  TestTable t;
  t.set({{param::kGameFamily, 10}});
  t.lay("Dest1", up(heart(kAce)));
  t.lay("Dest2", up(club(kKing)));
  t.lay("Dest3", up(spade(kQueen)));
  const auto hints = t.game.rankHints();
  EXPECT_EQ(hints[0], "2");
  EXPECT_EQ(hints[1], "2");  // 13 + 2 - 13
  EXPECT_EQ(hints[2], "2");  // 12 + 3 - 13
  EXPECT_EQ(hints[3], "");   // empty: no box
  t.lay("Dest1", up(heart(9)));
  EXPECT_EQ(t.game.rankHints()[0], "10");
  t.lay("Dest4", up(diamond(7)));
  EXPECT_EQ(t.game.rankHints()[3], "J");
}

}  // namespace
}  // namespace quilloro
