// Clearing statistics after the question.
#include "stats/windows/clear_statistics_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/settings_store.hpp"
#include "stats/booking.hpp"
#include "stats/player_results.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

ClearStatisticsDialog::ClearStatisticsDialog(const StatisticsContext& context, const QString& player,
                                             int gameIndex, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("TfrmStatisCanc"));
  setWindowTitle(context_.text(statstext::ClearCaption, "Clear statistics"));
  auto* root = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("cboOperatori"));
  players_->addItem(context_.text(statstext::AllPlayers, "[All players]"));
  players_->addItems(context_.players());
  const int playerRow = player.isEmpty() ? 0 : players_->findText(player);
  players_->setCurrentIndex(playerRow > 0 ? playerRow : 0);
  games_ = new QComboBox(this);
  games_->setObjectName(QStringLiteral("cboGiochi"));
  games_->addItem(context_.text(statstext::AllGames, "[All games]"), -1);
  for (const int index : context_.gamesByName()) {
    games_->addItem(context_.gameName(index), index);
    if (index == gameIndex) games_->setCurrentIndex(games_->count() - 1);
  }
  form->addRow(context_.text(statstext::PlayerLabel, "Player:"), players_);
  form->addRow(context_.text(statstext::GameLabel, "Game:"), games_);
  root->addLayout(form);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(context_.text(statstext::Ok, "OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  QPushButton* cancel = buttons->addButton(context_.text(statstext::Cancel, "Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  root->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &ClearStatisticsDialog::okClicked);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ClearStatisticsDialog::okClicked() {
  const QString question = context_.text(statstext::ClearQuestionPlayer, "Clear statistics of player: ") +
                           players_->currentText() + QLatin1Char('\n') +
                           context_.text(statstext::ClearQuestionGame, "for game:") + QLatin1Char(' ') +
                           games_->currentText() + QLatin1Char('?');
  if (!context_.confirm(question)) return;
  std::optional<int> game;
  if (games_->currentIndex() > 0) game = games_->currentData().toInt();
  std::optional<std::string> player;
  if (players_->currentIndex() > 0) player = players_->currentText().toStdString();
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const FileError error = stats::clearStatistics(context_.resultFiles(), game, player);
  QGuiApplication::restoreOverrideCursor();
  if (error)
    context_.information(QString::fromStdString(*error));
  if (context_.store != nullptr && (!game || !player || *game == context_.currentGame()))
    stats::resetRunCounters(context_.store->record());
  cleared_ = true;
  accept();
}

}  // namespace quilloro
