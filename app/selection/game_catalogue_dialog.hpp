// The game catalogue "Open a game": every game kind in folders, with its
// description and preview, the player list and the way to a saved game.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "app/selection/game_selection_context.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace quilloro {

class GameCatalogueDialog : public QDialog {
  Q_OBJECT

 public:
  // Built once at start-up; lives for the whole run.
  explicit GameCatalogueDialog(GameSelectionContext context, QWidget* parent = nullptr);

  // The open dialog of saved games (the main window's); the catalogue closes
  // when a game is under way afterwards.
  void setOpenSavedGame(std::function<void()> open) { openSavedGame_ = std::move(open); }

  // Describes the selection, fills the player list, then shows the catalogue
  // modally. Answers QDialog::Accepted when a game kind was confirmed.
  int showCatalogue();
  // The steps before the catalogue is shown (also for a non-modal show).
  void prepareToShow();
  // The favourites folder again from the preferences file.
  void fnRebuildFavourites();
  // The favourites dialog, modally; its OK rebuilds the folder.
  void customizeFavourites();

  QTreeWidget* tree() const { return tree_; }
  // The tag of the selected node: a game index, or below 0 for anything else.
  int selectedTag() const;
  // The description texts as shown, for the tests and the accessibility tree.
  QString descriptionText() const;
  const QImage& previewImage() const { return preview_; }

 public Q_SLOTS:
  void okClicked();
  void rulesClicked();
  void statisticsClicked();
  void openSavedGameClicked();

 Q_SIGNALS:
  // OK on a game: the choice and whether a new deal of it started.
  void gameChosen(int gameIndex, const QString& player, bool started, bool justChosen);
  // The catalogue closed in any way: the table's selection marks want redrawing.
  void catalogueClosed();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void buildWidgets();
  // Every caption in the language of the settings.
  void applyTexts();
  QString text(int offset, const char* english) const;
  // The tree anew, the node at the position selected.
  void buildTree(long long selectedPosition);
  // The tree as wide as its longest name needs, never narrower than designed.
  void fitTreeToNames();
  void describeSelected();
  void paintPreview();
  void fillPlayers();
  void itemDoubleClicked(QTreeWidgetItem* item);
  QString chosenPlayer() const;

  GameSelectionContext context_;
  std::function<void()> openSavedGame_;
  bool firstChoice_ = true;
  // Shown through showCatalogue(): a return to it runs the modal loop again.
  bool runningModal_ = false;
  bool showAgain_ = false;
  int textsLanguage_ = 0;
  QImage background_;
  QImage preview_;

  QLabel* selectLabel_ = nullptr;
  QLabel* playerLabel_ = nullptr;
  // The captions of the facts: decks, difficulty, chance, redeals, game time.
  std::array<QLabel*, 5> captions_{};
  QTreeWidget* tree_ = nullptr;
  QComboBox* players_ = nullptr;
  QPushButton* statistics_ = nullptr;
  QPushButton* demo_ = nullptr;
  QPushButton* rules_ = nullptr;
  QStackedWidget* description_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* name_ = nullptr;
  QLabel* decks_ = nullptr;
  QLabel* difficulty_ = nullptr;
  QLabel* difficultyPicture_ = nullptr;
  QLabel* chance_ = nullptr;
  QLabel* chancePicture_ = nullptr;
  QLabel* redeals_ = nullptr;
  QLabel* gameTime_ = nullptr;
  QLabel* gameTimePicture_ = nullptr;
  QLabel* previewArea_ = nullptr;
  QCheckBox* showPreview_ = nullptr;
  QPushButton* openSaved_ = nullptr;
  QPushButton* help_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace quilloro
