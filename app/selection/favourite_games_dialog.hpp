// "Favorite games": the player moves games between the game list and the
// favourites; OK stores the favourites in the preferences file.
#pragma once

#include <QDialog>
#include <QStringList>

#include "app/selection/game_selection_context.hpp"

class QListWidget;
class QPushButton;

namespace quilloro {

class FavouriteGamesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FavouriteGamesDialog(GameSelectionContext context, QWidget* parent = nullptr);

  QListWidget* gamesList() const { return games_; }
  QListWidget* favouritesList() const { return favourites_; }
  QStringList favourites() const;

 public Q_SLOTS:
  // ">": the selected games become favourites.
  void addSelected();
  // "<": the selected favourites go back to the game list.
  void removeSelected();
  // "<<": every favourite goes back.
  void removeAll();
  // Writes the favourites (alphabetical) and closes.
  void okClicked();

 Q_SIGNALS:
  // The favourites were written: the catalogue rebuilds its folder.
  void favouritesSaved();

 private:
  GameSelectionContext context_;
  QListWidget* games_ = nullptr;
  QListWidget* favourites_ = nullptr;
};

}  // namespace quilloro
