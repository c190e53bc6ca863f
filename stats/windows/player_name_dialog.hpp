// The small dialog where a player's name is typed, for a new player or a renamed one.
#pragma once

#include <QDialog>

class QLineEdit;

namespace quilloro {

struct StatisticsContext;

class PlayerNameDialog : public QDialog {
  Q_OBJECT

 public:
  PlayerNameDialog(const StatisticsContext& context, const QString& title, const QString& name,
                   QWidget* parent = nullptr);

  QString name() const;
  QLineEdit* edit() const { return edit_; }

 private:
  QLineEdit* edit_;
};

}  // namespace quilloro
