// "Game won": the player's totals for the game just won, the pie of won and
// lost games, and the ways on to the next game.
#pragma once

#include <QDialog>
#include <functional>
#include <utility>
#include <vector>

#include "app/selection/game_selection_context.hpp"
#include "engine/engine_observer.hpp"

class QGroupBox;
class QLabel;
class QPushButton;

namespace quilloro {

class GameWonDialog : public QDialog {
  Q_OBJECT

 public:
  // Built once at start-up; lives for the whole run.
  explicit GameWonDialog(GameSelectionContext context, QWidget* parent = nullptr);

  // The catalogue and the select-number dialog, shown modally; each answers
  // whether a game was started.
  void setOpenCatalogue(std::function<bool()> open) { openCatalogue_ = std::move(open); }
  void setSelectNumber(std::function<bool()> select) { selectNumber_ = std::move(select); }

  // Fills the dialog from the summary.
  void showSummary(const GameWonSummary& summary);
  // Fills it, centres it on the screen and shows it modally.
  int showModal(const GameWonSummary& summary);

  const GameWonSummary& summary() const { return summary_; }
  QString groupTitle() const;
  // The labels in their order: won, lost, total captions, then the totals and
  // the two percentages.
  QStringList labelTexts() const;
  // The pie as shown (colours exchanged for a larger won share).
  QPixmap chart() const;

 public Q_SLOTS:
  void newGameClicked();
  void restartClicked();
  void statisticsClicked();
  void openGameClicked();
  void selectGameClicked();

 Q_SIGNALS:
  // A new deal is under way after one of the buttons.
  void gameStarted();
  // Closed with no game under way: the table is shown without cards.
  void closedWithoutGame();

 private:
  void refreshTotals();
  void applyTexts();
  int runModal();
  void hideForAnother(const std::function<bool()>& show);
  bool gameUnderWay() const;

  // The buttons with the text number and English text of their captions.
  struct Caption {
    QPushButton* button;
    int text;
    const char* english;
  };
  std::vector<Caption> captions_;
  GameSelectionContext context_;
  GameWonSummary summary_;
  std::function<bool()> openCatalogue_;
  std::function<bool()> selectNumber_;
  // Shown through showModal(): a return to it runs the modal loop again.
  bool runningModal_ = false;
  bool showAgain_ = false;

  QGroupBox* group_ = nullptr;
  QLabel* wonCaption_ = nullptr;
  QLabel* lostCaption_ = nullptr;
  QLabel* totalCaption_ = nullptr;
  QLabel* won_ = nullptr;
  QLabel* lost_ = nullptr;
  QLabel* total_ = nullptr;
  QLabel* wonPercent_ = nullptr;
  QLabel* lostPercent_ = nullptr;
  QLabel* chart_ = nullptr;
};

}  // namespace quilloro
