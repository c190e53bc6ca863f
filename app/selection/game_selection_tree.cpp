// Building the catalogue's tree from the game list.
#include "app/selection/game_selection_tree.hpp"

#include <QIcon>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <cctype>

#include "app/selection/game_selection_pictures.hpp"
#include "app/core/shared_routines.hpp"
#include "engine/games_dat.hpp"

namespace quilloro {

const std::array<CatalogueCategory, 11> kCatalogueCategories{{
    {"All games (alphabetically)", 0, -1},
    {"Canfield type", 2, 11},
    {"Fan type", 11, 12},
    {"Forty Thieves type", 3, 13},
    {"FreeCell type", 4, 14},
    {"Klondike type", 5, 15},
    {"Pairing games", 6, 16},
    {"Simple games", 7, 17},
    {"Spider type", 8, 18},
    {"1 deck games", 9, 19},
    {"2 decks games", 10, 20},
}};

namespace {

constexpr int kTagRole = Qt::UserRole;
constexpr int kNameWidth = 50;

QIcon nodeIcon(int image, int selectedImage) {
  QIcon icon;
  if (image < 0) return icon;
  icon.addPixmap(treeImage(image), QIcon::Normal);
  icon.addPixmap(treeImage(selectedImage), QIcon::Selected);
  return icon;
}

QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text, int tag, int image, int selectedImage) {
  auto* item = new QTreeWidgetItem(parent, QStringList{text});
  item->setData(0, kTagRole, tag);
  item->setIcon(0, nodeIcon(image, selectedImage));
  return item;
}

QTreeWidgetItem* addGame(QTreeWidgetItem* parent, const GamesDat& games, int gameIndex) {
  const int image = gameImageOf(games, gameIndex);
  return addNode(parent, QString::fromStdString(games.catalogue()[static_cast<std::size_t>(gameIndex)].name()),
                 gameIndex, image, image);
}

QTreeWidgetItem* addTopFolder(QTreeWidget& tree, const QString& name, int tag, int image, int selectedImage) {
  auto* item = new QTreeWidgetItem(&tree, QStringList{name});
  item->setData(0, kTagRole, tag);
  item->setIcon(0, nodeIcon(image, selectedImage));
  return item;
}

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

int gameImageOf(const GamesDat& games, int gameIndex) {
  if (gameIndex < 0 || gameIndex >= games.gameCount()) return -1;
  const auto code = games.catalogue()[static_cast<std::size_t>(gameIndex)].category();
  if (!code) return -1;
  for (const CatalogueCategory& category : kCatalogueCategories)
    if (category.gameImage >= 0 && category.code == *code) return category.gameImage;
  return -1;
}

std::vector<int> gamesByName(const GamesDat& games) {
  std::vector<std::pair<std::string, int>> keyed;
  for (int index = 0; index < games.gameCount(); ++index)
    keyed.emplace_back(upper(fnPadRight(games.catalogue()[static_cast<std::size_t>(index)].name(), kNameWidth)),
                       index);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> order;
  for (const auto& entry : keyed) order.push_back(entry.second);
  return order;
}

QTreeWidgetItem* favouritesFolder(QTreeWidget& tree) {
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = tree.topLevelItem(i);
    if (nodeTag(item) == kCustomizeTag) return item;
  }
  return nullptr;
}

void rebuildFavouritesFolder(QTreeWidget& tree, const GamesDat& games, const std::vector<std::string>& favourites,
                             const TextLookup& textOf) {
  QTreeWidgetItem* folder = favouritesFolder(tree);
  if (folder != nullptr) {
    qDeleteAll(folder->takeChildren());
  } else {
    folder = new QTreeWidgetItem(QStringList{textOf(seltext::FavouriteGames, kFavouritesFolderName)});
    folder->setData(0, kTagRole, kCustomizeTag);
    folder->setIcon(0, nodeIcon(7, 8));
    tree.insertTopLevelItem(0, folder);
  }
  for (const std::string& favourite : favourites) {
    const std::string wanted = fnTrimRight(favourite);
    int tag = kFolderTag;
    for (int index = 0; index < games.gameCount(); ++index) {
      if (fnTrimRight(games.catalogue()[static_cast<std::size_t>(index)].name()) == wanted) {
        tag = index;
        break;
      }
    }
    const int image = tag >= 0 ? gameImageOf(games, tag) : -1;
    addNode(folder, QString::fromStdString(wanted), tag, image, image);
  }
  if (favourites.empty())
    addNode(folder, textOf(seltext::DoubleClickToCustomize, kCustomizeNodeName), kCustomizeTag, 4, 4);
}

void buildCatalogueTree(QTreeWidget& tree, const GamesDat& games, const std::vector<std::string>& favourites,
                        const TextLookup& textOf) {
  tree.clear();
  rebuildFavouritesFolder(tree, games, favourites, textOf);
  auto categoryName = [&textOf](std::size_t c) {
    return textOf(seltext::Categories + static_cast<int>(c), kCatalogueCategories[c].name);
  };

  const std::vector<int> byName = gamesByName(games);
  QTreeWidgetItem* selected = addTopFolder(tree, textOf(seltext::SelectedGames, kSelectedGamesName), kFolderTag, 5, 6);
  // Every "[SectS]" line is a child, in name order like every other folder.
  const std::vector<int>& chosen = games.selectedGames();
  for (const int index : byName)
    for (const int listed : chosen)
      if (listed == index) addGame(selected, games, index);
  QTreeWidgetItem* folders = addTopFolder(tree, textOf(seltext::FoldersList, kFoldersListName), kFolderTag, 9, 10);
  QTreeWidgetItem* all = addTopFolder(tree, categoryName(0), kFolderTag, 0, 1);

  for (const int index : byName) addGame(all, games, index);
  for (std::size_t c = 1; c < kCatalogueCategories.size(); ++c) {
    const CatalogueCategory& category = kCatalogueCategories[c];
    QTreeWidgetItem* folder = addNode(folders, categoryName(c), kFolderTag, 0, 1);
    for (const int index : byName)
      if (games.catalogue()[static_cast<std::size_t>(index)].category() == category.code)
        addGame(folder, games, index);
  }
}

int nodeTag(const QTreeWidgetItem* item) {
  if (item == nullptr) return kFolderTag;
  bool ok = false;
  const int tag = item->data(0, kTagRole).toInt(&ok);
  return ok ? tag : kFolderTag;
}

std::vector<QTreeWidgetItem*> nodesInTreeOrder(QTreeWidget& tree) {
  std::vector<QTreeWidgetItem*> nodes;
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) nodes.push_back(*it);
  return nodes;
}

int treePosition(QTreeWidget& tree, const QTreeWidgetItem* item) {
  const std::vector<QTreeWidgetItem*> nodes = nodesInTreeOrder(tree);
  const auto found = std::find(nodes.begin(), nodes.end(), item);
  return found == nodes.end() ? -1 : static_cast<int>(found - nodes.begin());
}

QTreeWidgetItem* initialSelection(QTreeWidget& tree, long long rememberedPosition) {
  const std::vector<QTreeWidgetItem*> nodes = nodesInTreeOrder(tree);
  if (nodes.empty()) return nullptr;
  if (rememberedPosition >= 0 && rememberedPosition < static_cast<long long>(nodes.size()))
    return nodes[static_cast<std::size_t>(rememberedPosition)];
  for (auto it = nodes.rbegin(); it != nodes.rend(); ++it)
    if (nodeTag(*it) == 1) return *it;
  return nodes.size() > 1 ? nodes[1] : nodes[0];
}

}  // namespace quilloro
