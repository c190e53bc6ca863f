// The card counter's grid worked out without a window: where each card's cell lies and what it shows.
#include <gtest/gtest.h>

#include "table/card_counter_grid.hpp"

namespace quilloro {
namespace {

GameState twoPackGame() {
  GameState state;
  state.parameters[param::kCardsInPlay] = 104;
  state.parameters[param::kShowStock] = 0;
  state.parameters[param::kShowWaste] = 1;
  state.parameters[param::kTableauCount] = 1;
  state.parameters[param::kFoundationCount] = 1;
  state.parameters[param::kReserveCount] = 1;
  state.putCard(PileList::Stock, kStockIndex, 53, "0");
  state.putCard(PileList::Stock, kWasteIndex, 2, "1");
  state.putCard(PileList::Stock, kWasteIndex, 3, "1");
  state.putCard(PileList::Tableau, 0, 40, "0");
  state.putCard(PileList::Tableau, 0, kNoCard, "");
  state.putCard(PileList::Tableau, 0, 41, "1");
  state.putCard(PileList::Reserves, 0, 104, "0");
  state.putCard(PileList::Tableau, 1, 60, "1");  // a pile the game does not use
  return state;
}

TEST(CardCounterGrid, TwoPacksFillEightRowsAndTheSecondPackStartsInRowFour) {
  EXPECT_EQ(counterRow(53), 4);
  EXPECT_EQ(counterRank(53), 1);
  EXPECT_EQ(counterCellTop(53), 18 * 4 + 3);
  EXPECT_EQ(counterCellLeft(53), 16);
  EXPECT_EQ(counterCellLeft(13), 14 * 13 + 2);
  EXPECT_EQ(counterRow(104), 7);
  EXPECT_EQ(counterWindowHeight(52), 121);
  EXPECT_EQ(counterWindowHeight(104), 194);
  EXPECT_GE(counterGridHeight(104), counterCellTop(104) + kCounterCellHeight);
}

TEST(CardCounterGrid, PilesAreCountedByTheirFaceAndTheFilterLeavesTheOthersOut) {
  const GameState state = twoPackGame();
  const auto all = countCards(state, {});
  ASSERT_EQ(all.size(), 104u);
  auto cell = [](const std::vector<CounterCell>& cells, int card) { return cells[static_cast<std::size_t>(card - 1)]; };
  EXPECT_EQ(cell(all, 53), CounterCell::NotSeen);   // stock
  EXPECT_EQ(cell(all, 2), CounterCell::NotSeen);    // waste, under the top card
  EXPECT_EQ(cell(all, 3), CounterCell::Seen);       // waste top
  EXPECT_EQ(cell(all, 40), CounterCell::NotSeen);   // face down on the tableau
  EXPECT_EQ(cell(all, 41), CounterCell::Seen);
  EXPECT_EQ(cell(all, 104), CounterCell::Seen);     // reserves always show
  EXPECT_EQ(cell(all, 60), CounterCell::NotCounted);
  EXPECT_EQ(cell(all, 1), CounterCell::NotCounted);

  const auto stockOnly = countCards(state, {true, false});
  EXPECT_EQ(cell(stockOnly, 3), CounterCell::Seen);
  EXPECT_EQ(cell(stockOnly, 41), CounterCell::NotCounted);
  const auto tableauOnly = countCards(state, {false, true});
  EXPECT_EQ(cell(tableauOnly, 53), CounterCell::NotCounted);
  EXPECT_EQ(cell(tableauOnly, 41), CounterCell::Seen);

  EXPECT_EQ(counterCellPicture(41, CounterCell::Seen, false), "Card_2_Up");
  EXPECT_EQ(counterCellPicture(41, CounterCell::Seen, true), "Card_2_Down");
  EXPECT_EQ(counterCellPicture(40, CounterCell::NotSeen, true), "Card_1_Up");
  EXPECT_EQ(counterCellPicture(40, CounterCell::NotCounted, true), "Card_None");
}

}  // namespace
}  // namespace quilloro
