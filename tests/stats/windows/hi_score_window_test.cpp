// "Compliments!" after a result enters a table, and the hi-score window from F9.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "stats/hi_score_table.hpp"
#include "stats/windows/hi_score_dialog.hpp"
#include "stats/windows/new_hi_score_dialog.hpp"
#include "stats/windows/statistics_windows.hpp"
#include "tests/stats/windows/statistics_windows_fixture.hpp"

namespace quilloro {
namespace {

using testing::StatisticsWindowTest;
using testing::whenModal;

class HiScoreWindowTest : public StatisticsWindowTest {
 protected:
  int offer(long long score, int seconds) {
    stats::HiScoreOffer result;
    result.gameIndex = kKlondike;
    result.player = "Tester";
    result.scoringKind = "01";
    result.score = score;
    result.elapsedSeconds = seconds;
    result.gameNumber = "1234";
    result.won = false;
    result.end = localNow();
    return stats::HiScoreFile(files().hiScores).offer(result, result.end).position;
  }
};

TEST_F(HiScoreWindowTest, AFirstResultOfFortySixTakesSecondPlaceAndLeadsToItsRow) {
  start();
  window->settings().set(field::ScoringKind, "01");
  const int place = offer(46, 230);
  ASSERT_EQ(place, 1);
  bool tableShown = false;
  whenModal<NewHiScoreDialog>(&guard, [&](NewHiScoreDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Compliments!");
    EXPECT_EQ(dialog->positionText(), "2nd best");
    EXPECT_EQ(dialog->gauge()->value(), 19);
    EXPECT_EQ(dialog->gauge()->maximum(), 20);
    EXPECT_EQ(dialog->gameText(), "You entered the " + gameName(kKlondike).left(30).trimmed() + " Hi-Scores!");
    whenModal<HiScoreDialog>(&guard, [&](HiScoreDialog* table) {
      tableShown = true;
      QTableWidget* grid = table->scores();
      EXPECT_EQ(table->windowTitle(), "Hi-Scores [" + gameName(kKlondike) + "]");
      EXPECT_EQ(grid->rowCount(), 20);
      EXPECT_EQ(grid->columnCount(), 7);
      EXPECT_EQ(grid->horizontalHeaderItem(6)->text(), "Game number");
      ASSERT_EQ(grid->selectionModel()->selectedRows().size(), 1);
      EXPECT_EQ(grid->selectionModel()->selectedRows()[0].row(), 1);
      EXPECT_EQ(grid->item(1, 0)->text(), "02");
      EXPECT_EQ(grid->item(1, 1)->text(), "Tester");
      EXPECT_EQ(grid->item(1, 2)->text(), "46");
      EXPECT_EQ(grid->item(1, 3)->text(), "0:03:50");
      EXPECT_EQ(grid->item(1, 4)->text(), "Lost");
      EXPECT_EQ(grid->item(1, 6)->text(), "1234");
      EXPECT_EQ(grid->item(0, 2)->text(), "52");
      // The last default entry (2 points) has dropped out.
      EXPECT_EQ(grid->item(19, 2)->text(), "3");
      table->accept();
    });
    dialog->findChild<QPushButton*>("btnHiScores")->click();
  });
  window->newHiScore({place + 1, 46, 230, "Tester", window->games().catalogue()[0].name()});
  EXPECT_TRUE(tableShown);
}

TEST_F(HiScoreWindowTest, ClearScoresEmptiesEveryTableForGoodAndItalianPlacesRead) {
  start(kItalianBase);
  ASSERT_EQ(offer(100, 10), 0);
  bool shown = false;
  whenModal<HiScoreDialog>(&guard, [&](HiScoreDialog* table) {
    shown = true;
    EXPECT_TRUE(table->windowTitle().startsWith("Record ["));
    EXPECT_EQ(table->scores()->item(0, 2)->text(), "100");
    boxes.answer = false;
    table->clearScores();
    EXPECT_EQ(table->scores()->item(0, 2)->text(), "100");
    boxes.answer = true;
    ASSERT_EQ(table->popup()->actions().size(), 1);
    EXPECT_EQ(table->popup()->actions()[0]->text(), "Azzera i record");
    table->popup()->actions()[0]->trigger();
    EXPECT_EQ(table->scores()->item(0, 0)->text(), "01");
    EXPECT_EQ(table->scores()->item(0, 1), nullptr);
    // Another game: empty as well, no default table comes back.
    table->games()->setCurrentIndex(table->games()->findText(gameName(kFreeCell)));
    EXPECT_EQ(table->scores()->item(0, 1), nullptr);
    table->accept();
  });
  QAction* item = window->action(QStringLiteral("mnuHiScores"));
  ASSERT_NE(item, nullptr);
  item->trigger();
  EXPECT_TRUE(shown);
  ASSERT_EQ(boxes.asked.size(), 2u);
  EXPECT_EQ(boxes.asked[1], "Azzerare i record di tutti i giocatori e di tutti i giochi?");
  EXPECT_EQ(offer(1, 999), 0);
  EXPECT_EQ(hiScorePlaceText(dialogs->statistics().context(), 11), "11° posto");
}

TEST(HiScorePlaceText, EnglishOrdinals) {
  StatisticsContext english;
  EXPECT_EQ(hiScorePlaceText(english, 1), "1st best");
  EXPECT_EQ(hiScorePlaceText(english, 3), "3rd best");
  EXPECT_EQ(hiScorePlaceText(english, 11), "11th best");
  EXPECT_EQ(hiScorePlaceText(english, 20), "20th best");
}

}  // namespace
}  // namespace quilloro
