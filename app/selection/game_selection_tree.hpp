// The catalogue's tree: the fixed folders, the categories and the games in
// them, the favourites folder, and positions in tree order.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/selection/selection_texts.hpp"

class QTreeWidget;
class QTreeWidgetItem;

namespace quilloro {

class GamesDat;

// Node tags: a game node carries its game index.
inline constexpr int kFolderTag = -1;
inline constexpr int kCustomizeTag = -11;

struct CatalogueCategory {
  const char* name;
  int code;
  int gameImage;  // -1: each game keeps the image of its own category
};
extern const std::array<CatalogueCategory, 11> kCatalogueCategories;

inline constexpr const char* kFavouritesFolderName = "Favorite games";
inline constexpr const char* kCustomizeNodeName = "(Double click to customize)";
inline constexpr const char* kSelectedGamesName = "Selected games";
inline constexpr const char* kFoldersListName = "Folders list";

// The game image of the game's category; -1 when its code is not in the table.
int gameImageOf(const GamesDat& games, int gameIndex);
// Game indices ordered by name (the 50-character field, without regard to case).
std::vector<int> gamesByName(const GamesDat& games);

// The whole tree, favourites folder first; the folder names in the language of textOf.
void buildCatalogueTree(QTreeWidget& tree, const GamesDat& games, const std::vector<std::string>& favourites,
                        const TextLookup& textOf = englishText);
// Empties the favourites folder (creating it on top when missing) and fills
// it from the names; a name that no game carries gets the folder tag.
void rebuildFavouritesFolder(QTreeWidget& tree, const GamesDat& games, const std::vector<std::string>& favourites,
                             const TextLookup& textOf = englishText);
QTreeWidgetItem* favouritesFolder(QTreeWidget& tree);

int nodeTag(const QTreeWidgetItem* item);
std::vector<QTreeWidgetItem*> nodesInTreeOrder(QTreeWidget& tree);
// The node's position among all nodes in tree order; -1 for none.
int treePosition(QTreeWidget& tree, const QTreeWidgetItem* item);
// A valid remembered position, else the last node of game index 1, else position 1.
QTreeWidgetItem* initialSelection(QTreeWidget& tree, long long rememberedPosition);

}  // namespace quilloro
