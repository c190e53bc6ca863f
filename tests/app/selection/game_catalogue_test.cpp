// The game catalogue: its tree, the description, choosing a game and the
// messages of its buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <set>

#include "app/selection/favourite_games_dialog.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/selection/game_selection_pictures.hpp"
#include "app/core/game_selection_favourites.hpp"
#include "app/selection/game_selection_tree.hpp"
#include "tests/app/selection/game_selection_test_support.hpp"

namespace quilloro {
namespace {

using testing::builtCollection;
using testing::kFreeCell;
using testing::kKlondike;
using testing::kSpider;
using testing::SelectionSession;

QStringList childNames(const QTreeWidgetItem* folder) {
  QStringList names;
  for (int i = 0; i < folder->childCount(); ++i) names << folder->child(i)->text(0);
  return names;
}

QTreeWidgetItem* child(QTreeWidgetItem* folder, const QString& name) {
  for (int i = 0; i < folder->childCount(); ++i)
    if (folder->child(i)->text(0) == name) return folder->child(i);
  return nullptr;
}

QTreeWidgetItem* topLevel(QTreeWidget* tree, const QString& name) {
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    if (tree->topLevelItem(i)->text(0) == name) return tree->topLevelItem(i);
  return nullptr;
}

// The Klondike node of "All games (alphabetically)".
void selectGame(GameCatalogueDialog& catalogue, const QString& name) {
  QTreeWidgetItem* all = topLevel(catalogue.tree(), QStringLiteral("All games (alphabetically)"));
  ASSERT_NE(all, nullptr);
  catalogue.tree()->setCurrentItem(child(all, name));
}

TEST(CatalogueTree, HoldsEveryGameUnderItsFoldersInNameOrder) {
  SelectionSession s;
  GameCatalogueDialog catalogue(s.context());
  QTreeWidget* tree = catalogue.tree();
  ASSERT_EQ(tree->topLevelItemCount(), 4);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "Favorite games");
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "Selected games");
  EXPECT_EQ(tree->topLevelItem(2)->text(0), "Folders list");
  EXPECT_EQ(tree->topLevelItem(3)->text(0), "All games (alphabetically)");

  const GamesDat& games = builtCollection();
  QTreeWidgetItem* all = tree->topLevelItem(3);
  ASSERT_EQ(all->childCount(), games.gameCount());
  std::set<int> listed;
  for (int i = 0; i < all->childCount(); ++i) {
    const int tag = nodeTag(all->child(i));
    listed.insert(tag);
    EXPECT_EQ(QString::fromStdString(games.catalogue()[static_cast<std::size_t>(tag)].name()), all->child(i)->text(0));
    EXPECT_FALSE(all->child(i)->icon(0).isNull());
    if (i > 0) {
      EXPECT_LE(all->child(i - 1)->text(0).compare(all->child(i)->text(0), Qt::CaseInsensitive), 0)
          << all->child(i - 1)->text(0).toStdString() << " before " << all->child(i)->text(0).toStdString();
    }
  }
  EXPECT_EQ(static_cast<int>(listed.size()), games.gameCount());
  // Names that begin alike: the shorter name, padded with blanks, comes first.
  const QStringList names = childNames(all);
  EXPECT_LT(names.indexOf("Spider"), names.indexOf("Spider One Suit"));
  EXPECT_LT(names.indexOf("Spider One Suit"), names.indexOf("Spiderette"));
  EXPECT_LT(names.indexOf("Klondike"), names.indexOf("Klondike by Threes"));

  // "Selected games" lists the games of "[SectS]", also in name order.
  QStringList selected;
  for (const int g : games.selectedGames()) selected << QString::fromStdString(games.catalogue()[static_cast<std::size_t>(g)].name());
  std::sort(selected.begin(), selected.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  EXPECT_EQ(childNames(tree->topLevelItem(1)), selected);
  EXPECT_TRUE(selected.contains("Klondike") && selected.contains("FreeCell") && selected.contains("Spider"));

  QTreeWidgetItem* folders = tree->topLevelItem(2);
  ASSERT_EQ(folders->childCount(), 10);
  EXPECT_EQ(folders->child(0)->text(0), "Canfield type");
  EXPECT_EQ(folders->child(1)->text(0), "Fan type");
  EXPECT_EQ(folders->child(9)->text(0), "2 decks games");
  int placed = 0;
  for (int c = 0; c < folders->childCount(); ++c) {
    QTreeWidgetItem* category = folders->child(c);
    EXPECT_EQ(nodeTag(category), kFolderTag);
    for (int g = 0; g < category->childCount(); ++g) {
      const int tag = nodeTag(category->child(g));
      EXPECT_EQ(games.catalogue()[static_cast<std::size_t>(tag)].category(), kCatalogueCategories[c + 1].code);
      ++placed;
    }
  }
  EXPECT_EQ(placed, games.gameCount());
  EXPECT_EQ(nodeTag(child(folders->child(4), "Klondike")), kKlondike);
  EXPECT_EQ(nodeTag(child(folders->child(3), "FreeCell")), kFreeCell);
  EXPECT_EQ(nodeTag(child(folders->child(7), "Spider")), kSpider);
}

TEST(CatalogueTree, FavouritesFolderFollowsThePreferencesFile) {
  SelectionSession s;
  {
    GameCatalogueDialog catalogue(s.context());
    QTreeWidgetItem* favourites = catalogue.tree()->topLevelItem(0);
    ASSERT_EQ(favourites->childCount(), 1);
    EXPECT_EQ(favourites->child(0)->text(0), "(Double click to customize)");
    EXPECT_EQ(nodeTag(favourites->child(0)), kCustomizeTag);
    EXPECT_EQ(nodeTag(favourites), kCustomizeTag);
  }
  IniFile preferences = s.preferences();
  ASSERT_FALSE(writeFavourites(preferences, {"Spider", "Gone Away", "Klondike"}));
  GameCatalogueDialog catalogue(s.context());
  QTreeWidgetItem* favourites = catalogue.tree()->topLevelItem(0);
  EXPECT_EQ(childNames(favourites), (QStringList{"Spider", "Gone Away", "Klondike"}));
  EXPECT_EQ(nodeTag(favourites->child(0)), kSpider);
  EXPECT_EQ(nodeTag(favourites->child(1)), kFolderTag);
  EXPECT_EQ(nodeTag(favourites->child(2)), kKlondike);

  // A favourite that no game carries behaves like a folder.
  catalogue.prepareToShow();
  catalogue.tree()->setCurrentItem(favourites->child(1));
  catalogue.okClicked();
  EXPECT_EQ(s.infos, std::vector<QString>{"Open a game"});
  EXPECT_FALSE(s.session.game().underWay());
}

TEST(CatalogueTree, InitialSelectionUsesTheRememberedNodeOrTheLastNodeOfGameOne) {
  SelectionSession s;
  IniFile preferences = s.preferences();
  ASSERT_FALSE(preferences.writeInteger("Preference", "Game_TreeNum", 3));
  {
    GameCatalogueDialog catalogue(s.context());
    EXPECT_EQ(treePosition(*catalogue.tree(), catalogue.tree()->currentItem()), 3);
  }
  ASSERT_FALSE(preferences.writeInteger("Preference", "Game_TreeNum", 999));
  GameCatalogueDialog catalogue(s.context());
  const std::vector<QTreeWidgetItem*> nodes = nodesInTreeOrder(*catalogue.tree());
  QTreeWidgetItem* lastOfGameOne = nullptr;
  for (QTreeWidgetItem* node : nodes)
    if (nodeTag(node) == 1) lastOfGameOne = node;
  EXPECT_EQ(catalogue.tree()->currentItem(), lastOfGameOne);
  EXPECT_EQ(catalogue.selectedTag(), 1);
}

// Every fact and every game name shows whole: the dialog grows where its texts need it.
TEST(CatalogueDescription, NoFactOrGameNameIsCut) {
  SelectionSession s;
  GameCatalogueDialog catalogue(s.context());
  catalogue.show();
  QApplication::processEvents();
  QTreeWidget* tree = catalogue.tree();
  for (const char* name : {"Klondike", "Beleaguered Castle", "Spider", "Grandfather's Clock"}) {
    selectGame(catalogue, QString::fromUtf8(name));
    QApplication::processEvents();
    for (QLabel* label : catalogue.findChildren<QLabel*>()) {
      if (!label->isVisible() || label->text().isEmpty() || label->text().contains('\n') || !label->pixmap().isNull())
        continue;
      const QString shown = QString(label->text()).remove('&');
      EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(shown))
          << name << ": " << label->text().toStdString();
    }
    const QTreeWidgetItem* item = tree->currentItem();
    ASSERT_NE(item, nullptr);
    const QRect row = tree->visualItemRect(item);
    EXPECT_LE(row.left() + tree->iconSize().width() + 8 + tree->fontMetrics().horizontalAdvance(item->text(0)),
              tree->viewport()->width())
        << name;
  }
  EXPECT_GE(catalogue.width(), 554);
}

TEST(CatalogueDescription, ShowsTheFactsOfTheGameAndDisablesForFolders) {
  SelectionSession s;
  GameCatalogueDialog catalogue(s.context());
  catalogue.show();
  // The measured odds, when the collection carries them, follow the chance.
  auto chance = [](int game) {
    const auto values = builtCollection().readParameters(game, {321, 322, 323, 0, 0, 0, 0});
    const QStringList texts{"Very high", "High", "Medium", "Low", "Very low"};
    QString text = texts.value(values[0]);
    if (values[2] != 0) text += QStringLiteral(" (about %1 in %2)").arg(values[1]).arg(values[2]);
    return text;
  };
  selectGame(catalogue, "Klondike");
  EXPECT_EQ(catalogue.descriptionText().toStdString(),
            ("Klondike\nDecks: 1\nDifficulty level: Easy\nChance of winning: " + chance(kKlondike) +
             "\nRedeals: Unlimited\nGame time: Medium").toStdString());
  selectGame(catalogue, "Spider");
  EXPECT_EQ(catalogue.descriptionText().toStdString(),
            ("Spider\nDecks: 2\nDifficulty level: Hard\nChance of winning: " + chance(kSpider) +
             "\nRedeals: 0\nGame time: Long").toStdString());
  selectGame(catalogue, "FreeCell");
  EXPECT_NE(catalogue.descriptionText().indexOf("Redeals: 0"), -1);
  auto* ok = catalogue.findChild<QPushButton*>("ok");
  auto* rules = catalogue.findChild<QPushButton*>("rules");
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_TRUE(rules->isEnabled());

  // The installed preview of FreeCell fills the preview area: its cards show,
  // and the colour of its top-left pixel lets the green-to-black background through.
  const QImage& preview = catalogue.previewImage();
  ASSERT_EQ(preview.size(), QSize(300, 185));
  EXPECT_EQ(QColor(preview.pixel(0, 0)), QColor(0, 127, 0));
  const QImage picture = loadPreviewPicture(s.context().pictureDirectory(), kFreeCell);
  ASSERT_FALSE(picture.isNull());
  int white = 0;
  for (int y = 0; y < preview.height(); ++y)
    for (int x = 0; x < preview.width(); ++x) white += QColor(preview.pixel(x, y)) == QColor(Qt::white) ? 1 : 0;
  EXPECT_GT(white, 300 * 185 / 50);

  // Without the box ticked the empty background shows.
  catalogue.findChild<QCheckBox*>("showPreview")->setChecked(false);
  EXPECT_EQ(QColor(catalogue.previewImage().pixel(150, 92)), QColor(catalogue.previewImage().pixel(10, 92)));
  EXPECT_EQ(QColor(catalogue.previewImage().pixel(10, 184)), QColor(0, 0, 0));
  catalogue.findChild<QCheckBox*>("showPreview")->setChecked(true);

  catalogue.tree()->setCurrentItem(catalogue.tree()->topLevelItem(2));
  EXPECT_TRUE(catalogue.descriptionText().isEmpty());
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_FALSE(rules->isEnabled());
  EXPECT_FALSE(catalogue.findChild<QCheckBox*>("showPreview")->isEnabled());
  catalogue.hide();
}

TEST(CatalogueChoice, OkStartsTheGameAndReportsItsIndex) {
  SelectionSession s;
  GameCatalogueDialog catalogue(s.context());
  QSignalSpy chosen(&catalogue, &GameCatalogueDialog::gameChosen);
  catalogue.prepareToShow();
  selectGame(catalogue, "Spider");
  const int position = treePosition(*catalogue.tree(), catalogue.tree()->currentItem());
  catalogue.okClicked();

  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen[0][0].toInt(), kSpider);
  EXPECT_TRUE(chosen[0][2].toBool());  // started
  EXPECT_TRUE(chosen[0][3].toBool());  // chosen by the player: a new kind
  EXPECT_TRUE(s.session.game().underWay());
  EXPECT_EQ(s.settings.getInteger(field::Game), kSpider);
  EXPECT_EQ(s.settings.get(field::GameNumber).size(), 13u);
  EXPECT_EQ(s.preference("Preference", "Game"), "2");
  EXPECT_EQ(s.preference("Preference", "Game_TreeNum"), std::to_string(position));
  EXPECT_EQ(s.preference("Preference", "Open_Preview_Game"), "Y");
  EXPECT_EQ(s.preference("Game_Numbers", "Game001"), s.settings.get(field::GameNumber));
  EXPECT_EQ(catalogue.result(), QDialog::Accepted);
  EXPECT_TRUE(s.observer.questions.empty());

  // The same game and player while it is under way: the game goes on unchanged.
  const std::string number = s.settings.get(field::GameNumber);
  catalogue.prepareToShow();
  selectGame(catalogue, "Spider");
  catalogue.okClicked();
  ASSERT_EQ(chosen.count(), 2);
  EXPECT_FALSE(chosen[1][2].toBool());
  EXPECT_EQ(s.settings.get(field::GameNumber), number);
  EXPECT_TRUE(s.observer.questions.empty());

  // Another game: the abandon question; Cancel keeps everything as it was.
  s.observer.answer = false;
  catalogue.prepareToShow();
  selectGame(catalogue, "Klondike");
  catalogue.findChild<QCheckBox*>("showPreview")->setChecked(false);
  catalogue.okClicked();
  ASSERT_EQ(chosen.count(), 3);
  EXPECT_EQ(chosen[2][0].toInt(), kKlondike);
  EXPECT_FALSE(chosen[2][2].toBool());
  EXPECT_EQ(s.observer.questions, std::vector<std::string>{"Quit this game?"});
  EXPECT_EQ(s.settings.getInteger(field::Game), kSpider);
  EXPECT_EQ(s.settings.get(field::GameNumber), number);
  EXPECT_EQ(s.preference("Preference", "Game"), "2");
  EXPECT_EQ(s.preference("Preference", "Open_Preview_Game"), "N");
}

TEST(CatalogueChoice, AnotherPlayerForTheSameGameBooksTheOldGameAndDealsAgain) {
  SelectionSession s;
  IniFile preferences = s.preferences();
  ASSERT_FALSE(preferences.writeStrings("Users", {{"User001", "Bob"}, {"User002", "alice"}, {"User003", "Tester"}}));
  ASSERT_FALSE(s.session.newGame({.deal = true, .newNumber = true}));
  s.settings.set(field::RunGamesWon, "0003");
  GameCatalogueDialog catalogue(s.context());
  catalogue.prepareToShow();
  auto* players = catalogue.findChild<QComboBox*>("players");
  ASSERT_EQ(players->count(), 3);
  EXPECT_EQ(players->itemText(0), "alice");
  EXPECT_EQ(players->currentText(), "Tester");

  selectGame(catalogue, "Klondike");
  players->setCurrentText("Bob");
  catalogue.okClicked();
  EXPECT_EQ(s.observer.questions, std::vector<std::string>{"Quit this game?"});
  EXPECT_EQ(s.settings.get(field::UserDefault), "Bob");
  EXPECT_EQ(s.preference("Preference", "UserDefault"), "Bob");
  EXPECT_EQ(s.settings.get(field::RunGamesWon), "0000");
  EXPECT_TRUE(s.session.game().underWay());
  // The abandoned game was booked for the old player.
  EXPECT_NE(testing::readFile(s.home / "DATA/STAT_LOG.DAT").find("Tester"), std::string::npos);
}

TEST(CatalogueButtons, RulesAndStatisticsReachTheWindowAndFoldersGetMessages) {
  SelectionSession s;
  GameCatalogueDialog catalogue(s.context());
  catalogue.prepareToShow();
  catalogue.tree()->setCurrentItem(catalogue.tree()->topLevelItem(1));
  catalogue.rulesClicked();
  catalogue.okClicked();
  EXPECT_EQ(s.infos, (std::vector<QString>{"Select a game", "Open a game"}));
  EXPECT_TRUE(s.rules.empty());

  selectGame(catalogue, "FreeCell");
  catalogue.rulesClicked();
  catalogue.statisticsClicked();
  EXPECT_EQ(s.rules, std::vector<int>{1001});
  ASSERT_EQ(s.statistics.size(), 1u);
  EXPECT_EQ(s.statistics[0].first, kFreeCell);
  EXPECT_EQ(catalogue.windowTitle(), "Open a game");
  EXPECT_EQ(catalogue.findChild<QPushButton*>("openSaved")->text(), "Open a sa&ved game...");
}

TEST(CatalogueButtons, OpenASavedGameComesBackWhenNothingWasOpened) {
  SelectionSession s;
  GameCatalogueDialog catalogue(s.context());
  int opened = 0;
  catalogue.setOpenSavedGame([&] { ++opened; });
  catalogue.show();
  catalogue.openSavedGameClicked();
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(catalogue.isVisible());
  catalogue.setOpenSavedGame([&] { ASSERT_FALSE(s.session.newGame({.deal = true, .newNumber = true})); });
  catalogue.openSavedGameClicked();
  EXPECT_FALSE(catalogue.isVisible());
}

TEST(CatalogueButtons, AReturnFromTheOpenDialogRunsTheModalCatalogueAgain) {
  SelectionSession s;
  GameCatalogueDialog catalogue(s.context());
  int opened = 0;
  bool shownAgain = false;
  catalogue.setOpenSavedGame([&] {
    ++opened;
    QTimer::singleShot(0, [&] {
      shownAgain = QApplication::activeModalWidget() == &catalogue && catalogue.isVisible();
      catalogue.reject();
    });
  });
  QTimer::singleShot(0, [&] { catalogue.findChild<QPushButton*>("openSaved")->click(); });
  EXPECT_EQ(catalogue.showCatalogue(), QDialog::Rejected);
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(shownAgain);
  EXPECT_FALSE(catalogue.isVisible());
}

TEST(CatalogueFavourites, DoubleClickOnTheCustomizeNodeOpensTheDialogAndOkRebuildsTheFolder) {
  SelectionSession s;
  GameCatalogueDialog catalogue(s.context());
  bool sawDialog = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<FavouriteGamesDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    sawDialog = true;
    dialog->gamesList()->findItems("Spider", Qt::MatchExactly).front()->setSelected(true);
    dialog->addSelected();
    dialog->okClicked();
  });
  QTreeWidgetItem* customize = catalogue.tree()->topLevelItem(0)->child(0);
  Q_EMIT catalogue.tree()->itemDoubleClicked(customize, 0);
  EXPECT_TRUE(sawDialog);
  EXPECT_EQ(childNames(catalogue.tree()->topLevelItem(0)), QStringList{"Spider"});
  EXPECT_EQ(nodeTag(catalogue.tree()->topLevelItem(0)->child(0)), kSpider);
}

}  // namespace
}  // namespace quilloro
