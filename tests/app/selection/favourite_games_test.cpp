// The favourites dialog: its two lists, the moves and what OK stores.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QSet>

#include "app/selection/favourite_games_dialog.hpp"
#include "app/core/game_selection_favourites.hpp"
#include "tests/app/selection/game_selection_test_support.hpp"

namespace quilloro {
namespace {

using testing::SelectionSession;

QStringList texts(const QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  return names;
}

// Every game name of the built collection but the ones given, as a set: the
// dialog's list order is its own sorting.
QSet<QString> namesExcept(const QStringList& left) {
  QSet<QString> names;
  const GamesDat& games = testing::builtCollection();
  for (int g = 0; g < games.gameCount(); ++g)
    names.insert(QString::fromStdString(games.catalogue()[static_cast<std::size_t>(g)].name()));
  for (const QString& name : left) names.remove(name);
  return names;
}

QSet<QString> asSet(const QStringList& names) { return QSet<QString>(names.begin(), names.end()); }

void select(QListWidget* list, const QString& name) {
  list->findItems(name, Qt::MatchExactly).front()->setSelected(true);
}

TEST(FavouriteGames, ListsEachNameOnceAndKeepsFavouritesOutOfTheGameList) {
  SelectionSession s;
  testing::writeFile(s.home / "DATA/CFG.DAT",
                     "[Favourite Games]\nGame000=Spider\nGame001=Spider\nGame002=Gone Away\nGame004=Klondike\n");
  EXPECT_EQ(readFavourites(s.preferences()), (std::vector<std::string>{"Spider", "Gone Away"}));
  FavouriteGamesDialog dialog(s.context());
  EXPECT_EQ(texts(dialog.favouritesList()), (QStringList{"Gone Away", "Spider"}));
  EXPECT_EQ(asSet(texts(dialog.gamesList())), namesExcept({"Spider"}));
  EXPECT_EQ(dialog.gamesList()->count(), namesExcept({"Spider"}).size());
}

TEST(FavouriteGames, AddedAndRemovedGamesPersistInThePreferencesFile) {
  SelectionSession s;
  {
    FavouriteGamesDialog dialog(s.context());
    select(dialog.gamesList(), "Spider");
    select(dialog.gamesList(), "FreeCell");
    dialog.addSelected();
    EXPECT_EQ(asSet(texts(dialog.gamesList())), namesExcept({"Spider", "FreeCell"}));
    EXPECT_TRUE(dialog.gamesList()->findItems("Spider", Qt::MatchExactly).isEmpty());
    dialog.okClicked();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  EXPECT_EQ(s.preference("Favourite Games", "Game000"), "FreeCell");
  EXPECT_EQ(s.preference("Favourite Games", "Game001"), "Spider");
  EXPECT_EQ(s.preference("Favourite Games", "Game002"), "<absent>");
  {
    FavouriteGamesDialog dialog(s.context());
    EXPECT_EQ(texts(dialog.favouritesList()), (QStringList{"FreeCell", "Spider"}));
    select(dialog.favouritesList(), "FreeCell");
    dialog.removeSelected();
    dialog.okClicked();
  }
  EXPECT_EQ(s.preference("Favourite Games", "Game000"), "Spider");
  EXPECT_EQ(s.preference("Favourite Games", "Game001"), "<absent>");
  {
    // Cancel writes nothing.
    FavouriteGamesDialog dialog(s.context());
    dialog.removeAll();
    EXPECT_EQ(dialog.favouritesList()->count(), 0);
    EXPECT_EQ(asSet(texts(dialog.gamesList())), namesExcept({}));
    EXPECT_EQ(dialog.gamesList()->count(), testing::builtCollection().gameCount());
    dialog.reject();
  }
  EXPECT_EQ(s.preference("Favourite Games", "Game000"), "Spider");
  {
    FavouriteGamesDialog dialog(s.context());
    dialog.removeAll();
    dialog.okClicked();
  }
  EXPECT_TRUE(s.preferences().readSection("Favourite Games").empty());
}

TEST(FavouriteGames, OkAnnouncesTheSavedFavouritesOnlyWhenTheyWereWritten) {
  SelectionSession s;
  // A folder where the preferences file should be: nothing can be written.
  std::filesystem::create_directories(s.home / "DATA/CFG.DAT");
  FavouriteGamesDialog dialog(s.context());
  int saved = 0;
  QObject::connect(&dialog, &FavouriteGamesDialog::favouritesSaved, [&] { ++saved; });
  select(dialog.gamesList(), "Klondike");
  dialog.addSelected();
  dialog.okClicked();
  EXPECT_EQ(saved, 0);
  EXPECT_EQ(s.infos.size(), 1u);
  EXPECT_NE(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace quilloro
