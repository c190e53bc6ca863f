// The statistics window from F4 and the windows of its buttons, after scripted bookings.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <fstream>

#include "stats/statistics_file.hpp"
#include "stats/windows/all_games_dialog.hpp"
#include "stats/windows/bar_chart.hpp"
#include "stats/windows/log_dialog.hpp"
#include "stats/windows/players_ranking_dialog.hpp"
#include "stats/windows/result_log_model.hpp"
#include "stats/windows/statistics_dialog.hpp"
#include "stats/windows/totals_block.hpp"
#include "tests/stats/windows/statistics_windows_fixture.hpp"

namespace quilloro {
namespace {

using testing::StatisticsWindowTest;
using testing::whenModal;

class StatisticsTest : public StatisticsWindowTest {
 protected:
  // Opens the window with F4's command and runs the action on it.
  void withStatistics(std::function<void(StatisticsDialog*)> action) {
    bool shown = false;
    whenModal<StatisticsDialog>(&guard, [&](StatisticsDialog* dialog) {
      shown = true;
      action(dialog);
      dialog->accept();
    });
    QAction* item = window->action(QStringLiteral("mnuStatisticsDialog"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F4));
    item->trigger();
    EXPECT_TRUE(shown);
  }

  // The sub-window the button opens, handed to the check and closed.
  template <typename Dialog>
  void fromButton(StatisticsDialog* statistics, void (StatisticsDialog::*button)(),
                  std::function<void(Dialog*)> check) {
    bool shown = false;
    whenModal<Dialog>(&guard, [&](Dialog* dialog) {
      shown = true;
      check(dialog);
      dialog->accept();
    });
    (statistics->*button)();
    EXPECT_TRUE(shown);
  }
};

TEST_F(StatisticsTest, ThreeWonAndOneLostShowTheirSharesTheRunsAndTheBestTimes) {
  start();
  book("Tester", kKlondike, true, 10, 300);
  book("Tester", kKlondike, false, -20, 50);
  book("Tester", kKlondike, true, 30, 100);
  book("Tester", kKlondike, true, 40, 200);
  withStatistics([this](StatisticsDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Statistics [" + gameName(kKlondike) + "]");
    EXPECT_EQ(dialog->chosenPlayer(), "Tester");
    EXPECT_EQ(dialog->total()->labelTexts(),
              (QStringList{"Won:", "Lost:", "Total: ", "3", "1", "4", "(75%)", "(25%)"}));
    EXPECT_EQ(dialog->total()->pictureName(), "imgGraph0750");
    EXPECT_TRUE(dialog->total()->coloursExchanged());
    // The run counters of this session count the same four games.
    EXPECT_EQ(dialog->session()->labelTexts().mid(3), (QStringList{"3", "1", "4", "(75%)", "(25%)"}));
    EXPECT_EQ(dialog->currentRunText(), "Current: 2 won");
    EXPECT_EQ(dialog->seriesTexts(), (QStringList{"2", "1"}));
    const std::vector<ChartBar>& bars = dialog->seriesChart()->bars();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].label, "Won");
    EXPECT_EQ(bars[0].value, 2);
    EXPECT_EQ(bars[1].value, 1);
    EXPECT_GT(bars[0].colour.green(), bars[0].colour.red());
    EXPECT_GT(bars[1].colour.red(), bars[1].colour.green());
    EXPECT_EQ(dialog->bestTimeTexts(), (QStringList{"0:01:40", "0:03:20"}));

    // Another game: no games, no percentages, the bare word for no run.
    dialog->games()->setCurrentIndex(dialog->games()->findText(gameName(kFreeCell)));
    EXPECT_EQ(dialog->windowTitle(), "Statistics [" + gameName(kFreeCell) + "]");
    EXPECT_EQ(dialog->total()->labelTexts().mid(3), (QStringList{"0", "0", "0", "", ""}));
    EXPECT_EQ(dialog->total()->pictureName(), "imgGraphNoValues");
    EXPECT_EQ(dialog->currentRunText(), "Current");
    EXPECT_EQ(dialog->bestTimeTexts()[0], "no won games yet");
  });
}

TEST_F(StatisticsTest, ItalianTextsAndALostRunOfOne) {
  start(kItalianBase);
  book("Tester", kKlondike, true);
  book("Tester", kKlondike, false);
  withStatistics([](StatisticsDialog* dialog) {
    EXPECT_TRUE(dialog->windowTitle().startsWith("Statistiche ["));
    EXPECT_EQ(dialog->total()->labelTexts(),
              (QStringList{"Vinte:", "Perse:", "Totale: ", "1", "1", "2", "(50%)", "(50%)"}));
    EXPECT_EQ(dialog->currentRunText(), "Corrente: 1 persa");
  });
}

TEST_F(StatisticsTest, AllGamesListsEveryGameOrOnlyTheCurrentOneForThisSession) {
  start();
  book("Tester", kKlondike, true);
  book("Tester", kFreeCell, true);
  book("Tester", kFreeCell, false);
  withStatistics([this](StatisticsDialog* statistics) {
    fromButton<AllGamesDialog>(statistics, &StatisticsDialog::showAllGames, [this](AllGamesDialog* dialog) {
      EXPECT_EQ(dialog->windowTitle(), "All games statistics");
      EXPECT_EQ(dialog->kind()->currentText(), "Total ");
      QTableWidget* grid = dialog->grid();
      EXPECT_EQ(grid->rowCount(), window->games().gameCount());
      EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "Percent");
      for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->item(row, 0)->text() == gameName(kFreeCell)) {
          EXPECT_EQ(grid->item(row, 1)->text(), "1");
          EXPECT_EQ(grid->item(row, 3)->text(), "50 %");
        } else if (grid->item(row, 0)->text() != gameName(kKlondike)) {
          EXPECT_EQ(grid->item(row, 3)->text(), "0");
        }
      }
      dialog->kind()->setCurrentIndex(0);
      ASSERT_EQ(grid->rowCount(), 1);
      EXPECT_EQ(grid->item(0, 0)->text(), gameName(kKlondike));
      // The session's counters: every game booked since the counters started.
      EXPECT_EQ(grid->item(0, 1)->text(), "2");
      EXPECT_EQ(grid->item(0, 2)->text(), "1");
      EXPECT_EQ(grid->item(0, 3)->text(), "67 %");
    });
  });
}

TEST_F(StatisticsTest, PlayersWithEqualSharesRankInTheReverseOfTheirListOrder) {
  addPlayers({"Anna", "Bruno", "Carla", "Dario", "Tester"});
  start();
  for (const char* player : {"Anna", "Bruno"}) {
    book(player, kKlondike, true, 40);
    book(player, kKlondike, false, 0);
  }
  book("Carla", kKlondike, true, -10);
  book("Tester", kKlondike, false, 5);
  withStatistics([this](StatisticsDialog* statistics) {
    fromButton<PlayersRankingDialog>(statistics, &StatisticsDialog::showRanking, [](PlayersRankingDialog* dialog) {
      EXPECT_EQ(dialog->windowTitle(), "Players statistics");
      const std::vector<ChartBar>& bars = dialog->chart()->bars();
      ASSERT_EQ(bars.size(), 5u);
      EXPECT_EQ(bars[0].label, "Carla");
      EXPECT_EQ(bars[1].label, "Bruno");
      EXPECT_EQ(bars[2].label, "Anna");
      EXPECT_EQ(bars[1].value, 50);
      EXPECT_EQ(bars[0].colour, QColor(Qt::blue));
      EXPECT_EQ(bars[1].colour, QColor(Qt::yellow));
      EXPECT_EQ(bars[2].colour, QColor(Qt::red));
      EXPECT_EQ(bars[3].label, "Tester");
      EXPECT_EQ(bars[4].label, "Dario");
      EXPECT_EQ(bars[4].colour, QColor(Qt::white));
      dialog->averageScore()->setChecked(true);
      const std::vector<ChartBar>& average = dialog->chart()->bars();
      EXPECT_EQ(average[0].label, "Bruno");
      EXPECT_EQ(average[0].value, 20);
      EXPECT_EQ(average.back().value, -10);
      // Below zero the axis reaches half as far again.
      EXPECT_EQ(dialog->chart()->axisLow(), -15);
    });
  });
}

TEST_F(StatisticsTest, TheLogShowsNewestFirstFiltersAndKeepsItsHeadingsWhenEmpty) {
  addPlayers({"Anna", "Tester"});
  start();
  book("Tester", kKlondike, true, 25, 330);
  book("Tester", kFreeCell, false, -3, 40);
  withStatistics([this](StatisticsDialog* statistics) {
    fromButton<LogDialog>(statistics, &StatisticsDialog::showLog, [this](LogDialog* dialog) {
      EXPECT_EQ(dialog->windowTitle(), "Log statistics");
      EXPECT_EQ(dialog->games()->currentText(), "[All games]");
      EXPECT_EQ(dialog->players()->currentText(), "[All players]");
      ResultLogModel* model = dialog->model();
      ASSERT_EQ(model->rowCount(), 2);
      QStringList headings;
      for (int c = 0; c < model->columnCount(); ++c) headings << model->headerData(c, Qt::Horizontal).toString();
      EXPECT_EQ(headings,
                (QStringList{"Date", "Start", "Time", "Game", "W/L", "Score", "Player", "Game number"}));
      EXPECT_EQ(model->cell(0, 3), gameName(kFreeCell));
      EXPECT_EQ(model->cell(0, 4), "Lost");
      EXPECT_EQ(model->cell(0, 5), "-3");
      EXPECT_EQ(model->cell(1, 2), "0:05:30");
      EXPECT_EQ(model->cell(1, 4), "Won");
      EXPECT_EQ(model->cell(1, 6), "Tester");
      EXPECT_EQ(model->cell(1, 7), "42");
      EXPECT_FALSE(model->cell(1, 0).isEmpty());
      EXPECT_EQ(model->cell(1, 1).size(), 5);

      dialog->games()->setCurrentIndex(dialog->games()->findText(gameName(kKlondike)));
      ASSERT_EQ(model->rowCount(), 1);
      EXPECT_EQ(model->cell(0, 4), "Won");
      dialog->players()->setCurrentIndex(dialog->players()->findText("Anna"));
      EXPECT_EQ(model->keptLines(), 0u);
      ASSERT_EQ(model->rowCount(), 1);
      for (int c = 0; c < model->columnCount(); ++c) EXPECT_EQ(model->cell(0, c), "");
      EXPECT_EQ(model->headerData(7, Qt::Horizontal).toString(), "Game number");
    });
  });
}

TEST_F(StatisticsTest, DamagedResultFilesShowWhatCanBeRead) {
  start();
  book("Tester", kKlondike, true, 10, 60);
  {
    std::ofstream log(files().log, std::ios::app | std::ios::binary);
    log << "garbage\r\n\r\n20231301 99:99 abcdef 00x0 broken line\r\n";
    log << std::string(400, '\xff') << "\n";
  }
  IniFile(files().statistics).writeString("0000", "Tester", "000002 00000x 000001");
  withStatistics([this](StatisticsDialog* statistics) {
    EXPECT_EQ(statistics->total()->labelTexts().mid(3, 2), (QStringList{"2", "0"}));
    EXPECT_EQ(statistics->bestTimeTexts()[0], "0:01:00");
    fromButton<LogDialog>(statistics, &StatisticsDialog::showLog, [](LogDialog* dialog) {
      ResultLogModel* model = dialog->model();
      ASSERT_EQ(model->rowCount(), 4);
      for (int row = 0; row < model->rowCount(); ++row)
        for (int c = 0; c < model->columnCount(); ++c) (void)model->cell(row, c);
      EXPECT_EQ(model->cell(1, 0), "");
      EXPECT_EQ(model->cell(1, 2), "");
      EXPECT_EQ(model->cell(3, 6), "Tester");
      dialog->grid()->grab();
    });
  });
}

}  // namespace
}  // namespace quilloro
