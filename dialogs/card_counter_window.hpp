// The card counter: a small tool window above the main window showing which cards of the game the player has seen.
#pragma once

#include <QImage>
#include <QWidget>
#include <map>
#include <vector>

#include "table/card_counter_grid.hpp"

class QAction;
class QMenuBar;

namespace quilloro {

class DialogHost;

class TfrmCardCounter : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmCardCounter(DialogHost& host, QWidget* parent = nullptr);

  // Every card of the game not counted, the window sized for the game's cards.
  void reset();
  // Reset, then every card marked from the piles as the options allow.
  void refresh();
  // A card moved or turned: the cells follow at the next pass of the event loop.
  void cardMoved();
  // The saved place, options and visibility, at start-up.
  void loadSettings();
  void saveSettings();
  // F8: shown when hidden, hidden when shown.
  void toggle();
  // The captions in the current language.
  void applyLanguage();

  const std::vector<CounterCell>& cells() const { return cells_; }
  int rowCount() const { return static_cast<int>((cells_.size() + 12) / 13); }
  QAction* mnuTableau() const { return tableau_; }
  QAction* mnuStock() const { return stock_; }
  QAction* mnuInverted() const { return inverted_; }
  // The picture name the cell of the card shows now.
  std::string cellPicture(int card) const;
  // The grid as drawn, for tests and screenshots.
  QImage gridImage() const;

 Q_SIGNALS:
  // The window was shown or hidden, by F8 or by its own close box.
  void shownChanged(bool shown);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void optionChanged(QAction* which);
  const QImage& picture(const std::string& name);
  void drawGrid(QPainter& painter) const;
  int gridTop() const;

  DialogHost& host_;
  QMenuBar* menu_ = nullptr;
  QAction* options_ = nullptr;
  QAction* tableau_ = nullptr;
  QAction* stock_ = nullptr;
  QAction* inverted_ = nullptr;
  std::vector<CounterCell> cells_;
  int cardsInPlay_ = 52;
  bool refreshPending_ = false;
  mutable std::map<std::string, QImage> pictures_;
};

}  // namespace quilloro
