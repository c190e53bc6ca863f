// The select-number dialog: deals a given game number of the current game
// kind, offering the 20 most recent numbers.
#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "app/selection/game_selection_context.hpp"

class QComboBox;

namespace quilloro {

// What the typed text comes to.
struct GameNumberCheck {
  enum class Verdict { Deal, TooLong, NotDigits, Nothing };
  Verdict verdict = Verdict::Nothing;
  std::string number;    // for Deal: 13 digits, zero-padded on the left
  const char* message = nullptr;  // the information box for TooLong and NotDigits
};
GameNumberCheck checkGameNumberText(const std::string& text);

class SelectNumberDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SelectNumberDialog(GameSelectionContext context, QWidget* parent = nullptr);

  QComboBox* numbers() const { return numbers_; }
  // Whether OK dealt a game (the caption and the table follow the session).
  bool dealt() const { return dealt_; }

 public Q_SLOTS:
  void okClicked();

 Q_SIGNALS:
  void numberDealt(const QString& number);

 private:
  GameSelectionContext context_;
  QComboBox* numbers_ = nullptr;
  bool dealt_ = false;
};

}  // namespace quilloro
