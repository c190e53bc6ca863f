// The card counter's grid, options and saved place, and the tips window's pages.
#include <QAction>
#include <QCheckBox>
#include <QTest>

#include "dialogs/card_counter_window.hpp"
#include "dialogs/tips_dialog.hpp"
#include "tests/dialogs/dialogs_test_support.hpp"

namespace quilloro {
namespace {

// --- the grid, worked out without a window ---

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

// --- the window ---

TEST_F(DialogsTest, TheCounterFollowsTheGameItsOptionsAndF8) {
  MainWindow& w = start();
  TfrmCardCounter& counter = extras->cardCounter();
  QAction* item = w.action(QStringLiteral("mnuCardCounter"));
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(counter.isVisible());
  item->trigger();
  EXPECT_TRUE(counter.isVisible());
  EXPECT_TRUE(item->isChecked());
  const int cards = w.session().game().state.parameters[param::kCardsInPlay];
  ASSERT_EQ(static_cast<int>(counter.cells().size()), cards);
  EXPECT_EQ(counter.rowCount(), cards / 13);
  const auto seen = std::count(counter.cells().begin(), counter.cells().end(), CounterCell::Seen);
  EXPECT_GT(seen, 0);

  // A card turned from the stock shows up at the next pass of the event loop.
  ASSERT_EQ(w.session().game().pressStock(), StockPress::Moved);
  QApplication::processEvents();
  EXPECT_EQ(counter.cells(), countCards(w.session().game().state, {}));

  counter.mnuStock()->trigger();
  counter.mnuTableau()->trigger();
  EXPECT_TRUE(counter.mnuTableau()->isChecked());
  EXPECT_FALSE(counter.mnuStock()->isChecked());
  EXPECT_EQ(key("CardCounter_Tableau"), "Y");
  EXPECT_EQ(key("CardCounter_Stock"), "N");
  int firstSeen = 1;
  while (counter.cells()[static_cast<std::size_t>(firstSeen - 1)] != CounterCell::Seen) ++firstSeen;
  const std::string up = counter.cellPicture(firstSeen);
  counter.mnuInverted()->trigger();
  EXPECT_NE(counter.cellPicture(firstSeen), up);
  EXPECT_EQ(counter.cellPicture(firstSeen).substr(counter.cellPicture(firstSeen).size() - 5), "_Down");

  counter.close();
  EXPECT_FALSE(item->isChecked()) << "closing the window unchecks the menu entry";
  EXPECT_FALSE(counter.gridImage().isNull());
}

TEST_F(DialogsTest, ACounterSavedAtLeftZeroOpensAtTheDefaultPlace) {
  preferences().writeString("Preference", "CardCounter_Left", "0");
  preferences().writeString("Preference", "CardCounter_Top", "200");
  preferences().writeString("Preference", "CardCounter_Visible", "Y");
  preferences().writeString("Preference", "CardCounter_Inverse", "Y");
  MainWindow& w = start();
  TfrmCardCounter& counter = extras->cardCounter();
  EXPECT_TRUE(counter.isVisible());
  EXPECT_TRUE(counter.mnuInverted()->isChecked());
  EXPECT_TRUE(w.action(QStringLiteral("mnuCardCounter"))->isChecked());
  EXPECT_NE(counter.pos().x(), 0);
  counter.move(300, 150);
  w.close();
  EXPECT_EQ(key("CardCounter_Left"), "300");
  EXPECT_EQ(key("CardCounter_Visible"), "Y");
}

TEST_F(DialogsTest, TipsWrapRoundAndTheNextOpeningShowsTheNextTip) {
  preferences().writeString("Preference", "Tips_Num", "18");
  MainWindow& w = start();
  {
    TfrmTips tips(*extras, &w);
    EXPECT_EQ(tips.page(), 19);
    EXPECT_FALSE(tips.chkStartup()->isChecked());
    EXPECT_EQ(tips.tipText(), QString::fromUtf8(kTips[18]));
    tips.btnNextClick();
    EXPECT_EQ(tips.page(), 1);
    tips.btnPreviousClick();
    EXPECT_EQ(tips.page(), 19);
    tips.chkStartup()->setChecked(true);
    tips.accept();
  }
  EXPECT_EQ(key("Tips_Num"), "19");
  EXPECT_EQ(key("Tips_StartUp"), "Y");
  TfrmTips next(*extras, &w);
  EXPECT_EQ(next.page(), 1);
  EXPECT_TRUE(next.chkStartup()->isChecked());
}

}  // namespace
}  // namespace quilloro
