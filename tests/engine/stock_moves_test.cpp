// Stock clicks, redeals, reshuffles, dealt rows, filling and the finishing sweep.
#include <gtest/gtest.h>

#include "game_fixture.hpp"

namespace quilloro {
namespace {

using testing::TestTable;

// Clicks the stock as a player does: press, and release where the press held it.
bool click(Game& game) {
  const StockPress press = game.pressStock();
  return press == StockPress::Pressed ? game.releaseStock() : press == StockPress::Moved;
}

int redealsPossible(int passes) {
  TestTable t;
  t.set({{param::kStockPasses, passes}});
  t.lay("Mazzo", "0010" "0020" "0030");
  int redeals = 0;
  for (int clicks = 0; clicks < 40; ++clicks) {
    const int before = t.game.redealCount();
    if (!click(t.game)) break;
    if (t.game.redealCount() > before) ++redeals;
  }
  return redeals;
}

TEST(StockClick, RedealCountFollowsStockPasses) {
  EXPECT_EQ(redealsPossible(1), 0);
  EXPECT_EQ(redealsPossible(3), 2);
  EXPECT_GE(redealsPossible(-1), 9);
}

TEST(StockClick, TurnsUpToTheCountAndStopsWhenTheStockRunsOut) {
  TestTable t;
  t.set({{param::kCardsPerClick, 3}});
  t.lay("Mazzo", "0010" "0020");
  ASSERT_TRUE(click(t.game));
  EXPECT_EQ(t.tokens("Mazzo_Vis"), "0021" "0011");
  EXPECT_EQ(t.tokens("Mazzo"), "");
  EXPECT_EQ(t.game.undoHistory().stepCount(), 1);
  EXPECT_EQ(t.observer.sounds.size(), 2U);
}

TEST(StockClick, ASingleWasteCardIsNotRedealt) {
  TestTable t;
  t.lay("Mazzo_Vis", "0011");
  EXPECT_EQ(t.game.pressStock(), StockPress::Nothing);
  EXPECT_FALSE(t.game.stockPressed());
}

TEST(StockClick, RedealTurnsTheWasteOverAndOneUndoTakesItBack) {
  TestTable t;
  t.lay("Mazzo_Vis", "0011" "0021" "0031");
  t.lay("Fila1", "0401");
  const PileLists before = t.game.state.piles;
  ASSERT_EQ(t.game.pressStock(), StockPress::Pressed);
  EXPECT_EQ(t.game.state.piles, before);
  ASSERT_TRUE(t.game.releaseStock());
  // The waste's bottom card is on top of the face-down stock, and is turned at once.
  EXPECT_EQ(t.tokens("Mazzo"), "0030" "0020");
  EXPECT_EQ(t.tokens("Mazzo_Vis"), "0011");
  EXPECT_EQ(t.game.redealCount(), 2);
  EXPECT_EQ(t.game.undoHistory().stepCount(), 1);
  EXPECT_EQ(t.observer.pauses, std::vector<int>{100});

  ASSERT_TRUE(t.game.undo());
  EXPECT_EQ(t.game.state.piles, before);
  EXPECT_EQ(t.game.redealCount(), 1);
  ASSERT_TRUE(t.game.redo());
  EXPECT_EQ(t.game.redealCount(), 2);
  EXPECT_EQ(t.tokens("Mazzo_Vis"), "0011");
}

TEST(StockClick, LeavingTheStockCancelsTheRedeal) {
  TestTable t;
  t.lay("Mazzo_Vis", "0011" "0021");
  ASSERT_EQ(t.game.pressStock(), StockPress::Pressed);
  t.game.cancelStockPress();
  EXPECT_FALSE(t.game.releaseStock());
  EXPECT_EQ(t.tokens("Mazzo_Vis"), "0011" "0021");
}

TEST(StockClick, ReshuffleMixesTheGatheredCardsWithoutChance) {
  TestTable t;
  t.set({{param::kRedealReshuffles, 1}, {param::kTableauCount, 1}, {param::kTableauWalkOrder, 1},
         {param::kStockPasses, 2}});
  // Gathered pile by pile from the bottom: g0 .. g8 are the cards 1 .. 9.
  t.lay("Fila1", "0011" "0021" "0031" "0041" "0051" "0061" "0071" "0081" "0091");
  ASSERT_EQ(t.game.pressStock(), StockPress::Pressed);
  ASSERT_TRUE(t.game.releaseStock());
  EXPECT_EQ(t.tokens("Fila1"), "0051" "0081" "0011" "0041" "0021" "0071" "0031" "0061" "0091");
  EXPECT_EQ(t.game.redealCount(), 2);
  // The only redeal is spent.
  EXPECT_EQ(t.game.pressStock(), StockPress::Nothing);
}

TEST(StockClick, RowsAreDealtOnlyOntoAFilledTableau) {
  TestTable t;
  t.set({{param::kShowWaste, 0}, {param::kTableauCount, 3}});
  for (int i = 0; i < 3; ++i) t.game.state.parameters[param::kTableauRowDealFirst + i] = 2;
  t.lay("Mazzo", "0100" "0110" "0120" "0130");
  t.lay("Fila1", "0011");
  t.lay("Fila2", "0021");
  const PileLists before = t.game.state.piles;
  EXPECT_EQ(t.game.pressStock(), StockPress::Refused);
  EXPECT_EQ(t.observer.messages, std::vector<std::string>{"Before deal, fill any gaps in the tableau"});
  EXPECT_EQ(t.game.state.piles, before);
  EXPECT_TRUE(t.game.undoHistory().empty());

  t.lay("Fila3", "0031");
  ASSERT_EQ(t.game.pressStock(), StockPress::Moved);
  EXPECT_EQ(t.tokens("Fila1"), "0011" "0131");
  EXPECT_EQ(t.tokens("Fila3"), "0031" "0111");
  EXPECT_EQ(t.tokens("Mazzo"), "0100");
  EXPECT_EQ(t.game.undoHistory().stepCount(), 1);
}

TEST(StockClick, ClosingGapsMovesPilesUpAndRefillsFromTheStock) {
  TestTable t;
  t.set({{param::kTableauCount, 4}});
  t.lay("Fila2", "0011");
  t.lay("Fila4", "0021" "0031");
  t.lay("Mazzo", "0100" "0110");
  ASSERT_TRUE(t.game.executeMove(0, "Stock_To_Pile_Monte_Carlo"));
  EXPECT_EQ(t.tokens("Fila1"), "0011");
  EXPECT_EQ(t.tokens("Fila2"), "0021" "0031");
  EXPECT_EQ(t.tokens("Fila3"), "0111");
  EXPECT_EQ(t.tokens("Fila4"), "0101");
  ASSERT_TRUE(t.game.undo());
  EXPECT_EQ(t.tokens("Fila4"), "0021" "0031");
}

TEST(Autoplay, SweepsAcesThenWhatTheyUncover) {
  TestTable t;
  t.game.setAutoplay(true);
  t.lay("Fila1", "0021" "0011");
  t.lay("Fila2", "0141");
  t.lay("Mazzo_Vis", "0151");
  t.lay("Mazzo", "0300");
  EXPECT_TRUE(t.game.finishingSweep());
  EXPECT_EQ(t.tokens("Dest1"), "0011" "0021");
  EXPECT_EQ(t.tokens("Dest2"), "0141" "0151");
  EXPECT_EQ(t.observer.sounds.front().fileName, "Autoplay.wav");
  EXPECT_FALSE(t.game.finishingSweep());

  t.game.autoplayCommand();
  EXPECT_FALSE(t.game.autoplayOn());
  t.lay("Mazzo_Vis", "0031");
  EXPECT_FALSE(t.game.finishingSweep());
  t.game.autoplayCommand();
  EXPECT_TRUE(t.game.autoplayOn());
  EXPECT_EQ(t.tokens("Dest1"), "0011" "0021" "0031");
}

TEST(Autoplay, AutomaticFillingUndoesWithTheMoveBeforeIt) {
  TestTable t;
  t.set({{param::kAutoFillTableau, 2}, {param::kTableauCount, 2}});
  t.lay("Fila1", "0011");
  t.lay("Fila2", "0401");
  t.lay("Mazzo", "0100" "0200");
  const PileLists before = t.game.state.piles;
  ASSERT_TRUE(t.game.executeMove(1, "Dest1"));
  EXPECT_TRUE(t.game.autoFill());
  EXPECT_EQ(t.tokens("Fila1"), "0201");
  EXPECT_EQ(t.game.undoHistory().stepCount(), 1);
  ASSERT_TRUE(t.game.undo());
  EXPECT_EQ(t.game.state.piles, before);

  // Filling from reserve 1 waits while the reserve is empty.
  TestTable r;
  r.set({{param::kAutoFillTableau, 1}, {param::kReserveCount, 1}, {param::kTableauCount, 2}});
  r.lay("Fila2", "0011");
  EXPECT_FALSE(r.game.autoFill());
  r.lay("Appogg1", "0051" "0061");
  EXPECT_TRUE(r.game.autoFill());
  EXPECT_EQ(r.tokens("Fila1"), "0061");
}

TEST(WonCheck, EveryCardHomeWinsWhateverTheFoundationsHold) {
  TestTable t;
  t.lay("Fila1", "0011");
  EXPECT_FALSE(t.game.wonCheck());
  ASSERT_TRUE(t.game.executeMove(1, "Dest1"));
  EXPECT_TRUE(t.game.won());
  t.lay("Mazzo", "0020");
  EXPECT_FALSE(t.game.wonCheck());

  // The poker grid is won once every grid pile holds a card.
  TestTable poker;
  poker.set({{param::kGameFamily, 9}, {param::kTableauCount, 2}});
  poker.lay("Fila1", "0011");
  poker.lay("Mazzo", "0020");
  EXPECT_FALSE(poker.game.wonCheck());
  poker.lay("Fila2", "0031");
  EXPECT_TRUE(poker.game.wonCheck());
}

}  // namespace
}  // namespace quilloro
