// The players window from Ctrl+Y: adding, renaming, deleting, refusing and changing players.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QListWidget>
#include <deque>
#include <fstream>
#include <sstream>

#include "app/selection/game_catalogue_dialog.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/statistics_file.hpp"
#include "stats/windows/clear_statistics_dialog.hpp"
#include "stats/windows/players_dialog.hpp"
#include "stats/windows/statistics_windows.hpp"
#include "tests/stats/windows/statistics_windows_fixture.hpp"

namespace quilloro {
namespace {

using testing::StatisticsWindowTest;
using testing::whenModal;

std::string contentOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int linesWith(const std::string& content, const std::string& text) {
  int count = 0;
  for (std::size_t at = content.find(text); at != std::string::npos; at = content.find(text, at + 1)) ++count;
  return count;
}

class PlayersWindowTest : public StatisticsWindowTest {
 protected:
  // Opens the window with Ctrl+Y's command and runs the action on it.
  void withPlayers(std::function<void(PlayersDialog*)> action) {
    bool shown = false;
    whenModal<PlayersDialog>(&guard, [&](PlayersDialog* dialog) {
      shown = true;
      dialog->setNameAsker([this](const QString& title, const QString& start) -> std::optional<QString> {
        titles.push_back(title);
        starts.push_back(start);
        if (typed.empty()) return std::nullopt;
        QString next = typed.front();
        typed.pop_front();
        return next;
      });
      action(dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    QAction* item = window->action(QStringLiteral("mnuPlayers"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    item->trigger();
    EXPECT_TRUE(shown);
  }

  std::deque<QString> typed;
  std::vector<QString> titles;
  std::vector<QString> starts;
};

TEST_F(PlayersWindowTest, NewPlayersAreCheckedAndSavedSortedWithTheCancelButtonInEnglish) {
  start();
  typed = {"", "tester", "[Boss", "Anna"};
  withPlayers([this](PlayersDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Players");
    EXPECT_EQ(dialog->selectedName(), "Tester");
    EXPECT_EQ(dialog->findChild<QPushButton*>("btnCancel")->text(), "Cancel");
    dialog->newPlayer();
    EXPECT_EQ(dialog->names(), (QStringList{"Anna", "Tester"}));
    EXPECT_EQ(dialog->selectedName(), "Anna");
    // Back to the player who plays, so that OK changes nothing.
    dialog->select("Tester");
    dialog->okClicked();
  });
  EXPECT_EQ(titles, (std::vector<QString>{"Add a player", "Add a player", "Add a player", "Add a player"}));
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0], "Please enter at least 1 character.");
  // Names that differ in letter case only would share one statistics record.
  EXPECT_EQ(boxes.shown[1], "This player name already exists.");
  EXPECT_TRUE(boxes.shown[2].startsWith("This name cannot be used for a player."));
  EXPECT_EQ(preferences().readString("Users", "User001", ""), "Anna");
  EXPECT_EQ(preferences().readString("Users", "User002", ""), "Tester");
  EXPECT_EQ(preferences().readString("Preference", "UserDefault", ""), "Tester");
}

TEST_F(PlayersWindowTest, ATwentyFirstPlayerIsRefusedInsteadOfDroppingOneOnSaving) {
  std::vector<std::string> twenty;
  for (int i = 1; i <= 20; ++i) twenty.push_back(i == 20 ? "Tester" : "Player" + std::to_string(100 + i));
  addPlayers(twenty);
  start();
  typed = {"Latecomer"};
  withPlayers([](PlayersDialog* dialog) {
    ASSERT_EQ(dialog->list()->count(), 20);
    dialog->newPlayer();
    EXPECT_EQ(dialog->list()->count(), 20);
  });
  EXPECT_TRUE(titles.empty());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(boxes.shown[0].contains("20"));
  EXPECT_EQ(preferences().readString("Users", "User020", ""), "Tester");
}

TEST_F(PlayersWindowTest, RenamingChangesEveryResultFileAndLeavesALongerNameAlone) {
  addPlayers({"Tester", "Testers"});
  start();
  book("Tester", kKlondike, true);
  book("Testers", kKlondike, false);
  book("Tester", kFreeCell, true);
  stats::HiScoreOffer offer;
  offer.gameIndex = kKlondike;
  offer.player = "Tester";
  offer.scoringKind = "01";
  offer.score = 60;
  offer.elapsedSeconds = 50;
  offer.won = true;
  ASSERT_EQ(stats::HiScoreFile(files().hiScores).offer(offer, localNow()).position, 0);

  typed = {"Tester2"};
  withPlayers([](PlayersDialog* dialog) {
    dialog->select("Tester");
    dialog->editPlayer();
    EXPECT_EQ(dialog->names(), (QStringList{"Tester2", "Testers"}));
    dialog->okClicked();
  });
  EXPECT_EQ(starts, (std::vector<QString>{"Tester"}));
  EXPECT_EQ(titles, (std::vector<QString>{"Edit a player"}));
  // The player renamed was the one playing: the new name plays on, no abandon question.
  EXPECT_TRUE(boxes.asked.empty());
  EXPECT_EQ(preferences().readString("Preference", "UserDefault", ""), "Tester2");
  const stats::StatisticsFile statistics(files().statistics);
  EXPECT_EQ(statistics.read(kKlondike, "Tester2").won, 1);
  EXPECT_EQ(statistics.read(kFreeCell, "Tester2").won, 1);
  EXPECT_EQ(statistics.read(kKlondike, "Testers").lost, 1);
  EXPECT_EQ(statistics.read(kKlondike, "Tester").won, 0);
  const std::string log = contentOf(files().log);
  EXPECT_EQ(linesWith(log, "Tester2 "), 2);
  EXPECT_EQ(linesWith(log, "Testers "), 1);
  const std::string scores = contentOf(files().hiScores);
  EXPECT_EQ(linesWith(scores, "Tester2 "), 1);
  EXPECT_EQ(linesWith(scores, "Tester "), 0);
}

TEST_F(PlayersWindowTest, DeletingKeepsZeroRecordsDropsTheLogLinesAndSparesThePlayerAtTheTable) {
  addPlayers({"Other", "Tester"});
  start();
  book("Other", kKlondike, true);
  book("Other", kFreeCell, false);
  book("Tester", kKlondike, true);
  withPlayers([this](PlayersDialog* dialog) {
    dialog->select("Tester");
    dialog->deletePlayer();
    EXPECT_EQ(dialog->names().size(), 2);
    dialog->select("Other");
    boxes.answer = false;
    dialog->deletePlayer();
    EXPECT_EQ(dialog->names().size(), 2);
    boxes.answer = true;
    dialog->deletePlayer();
    EXPECT_EQ(dialog->names(), (QStringList{"Tester"}));
    EXPECT_EQ(dialog->selectedName(), "Tester");
  });
  ASSERT_GE(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], "It is impossible to delete the selected player.");
  ASSERT_EQ(boxes.asked.size(), 2u);
  EXPECT_TRUE(boxes.asked[0].startsWith("Are you sure you want to delete the selected player?\nNote:"));
  const stats::StatisticsFile statistics(files().statistics);
  EXPECT_EQ(statistics.read(kKlondike, "Other"), stats::StatisticsRecord{});
  EXPECT_EQ(IniFile(files().statistics).lookup("0000", "Other").value_or("<absent>"),
            stats::StatisticsRecord{}.format());
  EXPECT_EQ(statistics.read(kKlondike, "Tester").won, 1);
  const std::string log = contentOf(files().log);
  EXPECT_EQ(linesWith(log, "Other "), 0);
  EXPECT_EQ(linesWith(log, "Tester "), 1);
  // Closed without OK: the list is saved all the same.
  EXPECT_EQ(preferences().readString("Users", "User001", ""), "Tester");
  EXPECT_EQ(preferences().readString("Users", "User002", "<absent>"), "");
}

TEST_F(PlayersWindowTest, AnotherPlayerAsksTheAbandonQuestionResetsTheSessionAndOpensTheCatalogue) {
  addPlayers({"Anna", "Tester"});
  start();
  book("Tester", kKlondike, true);
  ASSERT_EQ(window->settings().get(field::RunGamesWon), "0001");
  window->dealNewGame();
  ASSERT_TRUE(window->session().game().underWay());
  bool catalogueOpened = false;
  withPlayers([this, &catalogueOpened](PlayersDialog* dialog) {
    dialog->select("Anna");
    boxes.answer = false;
    dialog->okClicked();
    EXPECT_TRUE(dialog->isVisible());
    boxes.answer = true;
    whenModal<GameCatalogueDialog>(&guard, [&catalogueOpened](GameCatalogueDialog* catalogue) {
      catalogueOpened = true;
      catalogue->reject();
    });
    dialog->okClicked();
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_TRUE(catalogueOpened);
  ASSERT_FALSE(boxes.asked.empty());
  EXPECT_EQ(boxes.asked.back(), "Start new game for player Anna?");
  // The abandoned game was booked for the player who played it, then the counters started anew.
  EXPECT_EQ(stats::StatisticsFile(files().statistics).read(kKlondike, "Tester").lost, 1);
  EXPECT_FALSE(window->session().game().underWay());
  EXPECT_EQ(window->settings().get(field::RunGamesWon), "0000");
  EXPECT_EQ(preferences().readString("Preference", "UserDefault", ""), "Anna");
  EXPECT_EQ(window->settings().get(field::UserDefault).substr(0, 4), "Anna");
}

TEST_F(PlayersWindowTest, TheClearDialogAsksAndClearsOneGameOfOnePlayer) {
  addPlayers({"Anna", "Tester"});
  start();
  book("Tester", kKlondike, true);
  book("Tester", kFreeCell, true);
  book("Anna", kKlondike, true);
  const StatisticsContext& context = dialogs->statistics().context();
  ClearStatisticsDialog dialog(context, "Tester", kKlondike);
  EXPECT_EQ(dialog.windowTitle(), "Clear statistics");
  EXPECT_EQ(dialog.players()->itemText(0), "[All players]");
  EXPECT_EQ(dialog.games()->itemText(0), "[All games]");
  boxes.answer = false;
  dialog.okClicked();
  EXPECT_FALSE(dialog.cleared());
  boxes.answer = true;
  dialog.okClicked();
  ASSERT_EQ(boxes.asked.size(), 2u);
  EXPECT_EQ(boxes.asked[1], "Clear statistics of player: Tester\nfor game: " + gameName(kKlondike) + "?");
  const stats::StatisticsFile statistics(files().statistics);
  EXPECT_EQ(statistics.read(kKlondike, "Tester").won, 0);
  EXPECT_EQ(statistics.read(kFreeCell, "Tester").won, 1);
  EXPECT_EQ(statistics.read(kKlondike, "Anna").won, 1);
  EXPECT_EQ(window->settings().get(field::RunGamesWon), "0000");

  ClearStatisticsDialog everything(context, "", -1);
  everything.okClicked();
  EXPECT_EQ(statistics.read(kFreeCell, "Tester").won, 0);
  EXPECT_EQ(statistics.read(kKlondike, "Anna").won, 0);
  EXPECT_EQ(contentOf(files().log).find("Anna"), std::string::npos);
}

}  // namespace
}  // namespace quilloro
