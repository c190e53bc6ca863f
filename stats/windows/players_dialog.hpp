// The players window: add, rename and delete players and choose who plays.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class QListWidget;
class QPushButton;

namespace quilloro {

struct StatisticsContext;

class PlayersDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PlayersDialog(const StatisticsContext& context, QWidget* parent = nullptr);

  // Asks for a name in the name dialog (title, text to start with); nullopt
  // when cancelled. The name dialog itself unless a test gives its own.
  using NameAsker = std::function<std::optional<QString>(const QString& title, const QString& name)>;
  void setNameAsker(NameAsker ask) { askName_ = std::move(ask); }

  QListWidget* list() const { return list_; }
  QStringList names() const;
  QString selectedName() const;
  void select(const QString& name);
  // Whether OK changed the current player.
  bool playerChanged() const { return playerChanged_; }

  void newPlayer();
  void editPlayer();
  void deletePlayer();
  void okClicked();
  // Closing without OK keeps the player who played and saves the list.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::optional<QString> askName(const QString& title, const QString& name);
  // The name typed until it is one the list can take, or nullopt; except is
  // the entry being renamed.
  std::optional<QString> askAcceptableName(const QString& title, const QString& start, const QString& except);
  void fillList(const QStringList& names, const QString& selected);
  void updateButtons();
  void save();
  void showFileError(const std::optional<std::string>& error);

  const StatisticsContext& context_;
  NameAsker askName_;
  QListWidget* list_;
  QPushButton* edit_;
  QPushButton* delete_;
  QPushButton* ok_;
  QString current_;
  bool listChanged_ = false;
  bool playerChanged_ = false;
  bool saved_ = false;
};

}  // namespace quilloro
