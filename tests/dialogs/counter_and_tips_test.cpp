// The card counter's grid, options and saved place, and the tips window's pages.
#include <QAction>
#include <QCheckBox>
#include <QTest>

#include "dialogs/card_counter_window.hpp"
#include "dialogs/tips_dialog.hpp"
#include "tests/dialogs/dialogs_test_support.hpp"

namespace quilloro {
namespace {


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

TEST_F(DialogsTest, ATwoPackGameFillsEightRowsAndTheWindowGrows) {
  MainWindow& w = start();
  TfrmCardCounter& counter = extras->cardCounter();
  counter.toggle();
  const int oneDeckHeight = counter.height();
  int twoPacks = -1;
  for (int index = 0; index < w.games().gameCount() && twoPacks < 0; ++index) {
    GameParameters parameters;
    w.games().loadParameters(index, parameters);
    if (parameters[param::kCardsInPlay] == 104) twoPacks = index;
  }
  ASSERT_GE(twoPacks, 0) << "the collection has a game of two packs";
  w.settings().setInteger(field::Game, twoPacks);
  w.dealNewGame();
  QApplication::processEvents();
  ASSERT_EQ(counter.cells().size(), 104u);
  EXPECT_EQ(counter.rowCount(), 8);
  EXPECT_EQ(counter.height() - oneDeckHeight, counterGridHeight(104) - counterGridHeight(52));
  // Card 53, the ace of hearts of the second pack, in the fifth row (row 4).
  const QImage grid = counter.gridImage();
  EXPECT_GE(grid.height(), counterCellTop(104) + kCounterCellHeight);
  EXPECT_NE(grid.pixel(counterCellLeft(53) + 6, counterCellTop(53) + 8), grid.pixel(1, counterCellTop(53) - 2));
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
