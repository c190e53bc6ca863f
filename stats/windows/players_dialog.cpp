// The players window and what its buttons do to the preferences and the result files.
#include "stats/windows/players_dialog.hpp"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/core/settings_store.hpp"
#include "engine/game_session.hpp"
#include "stats/booking.hpp"
#include "stats/player_name.hpp"
#include "stats/player_results.hpp"
#include "stats/windows/player_name_dialog.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

void sortNames(QStringList& names) {
  std::stable_sort(names.begin(), names.end(),
                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

// The hourglass while the result files are rewritten.
struct BusyPointer {
  BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

PlayersDialog::PlayersDialog(const StatisticsContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("TfrmOperatori"));
  setWindowTitle(context_.text(statstext::PlayersCaption, "Players"));
  auto* root = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(context_.text(statstext::SelectPlayer, "Select a player:"), this));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lboOperatori"));
  list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 16, 200);
  left->addWidget(list_);
  root->addLayout(left, 1);

  auto* buttons = new QVBoxLayout;
  auto button = [this, buttons](int text, const char* fallback, const char* name) {
    auto* b = new QPushButton(context_.text(text, fallback), this);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* add = button(statstext::NewButton, " &New", "btnNew");
  edit_ = button(statstext::EditButton, "&Edit", "btnEdit");
  delete_ = button(statstext::DeleteButton, "&Delete", "btnDelete");
  buttons->addStretch(1);
  ok_ = button(statstext::Ok, "OK", "btnOK");
  ok_->setDefault(true);
  QPushButton* cancel = button(statstext::Cancel, "Cancel", "btnCancel");
  QPushButton* help = button(0, "&?", "btnHelp");
  help->setText(QStringLiteral("&?"));
  root->addLayout(buttons);

  connect(add, &QPushButton::clicked, this, &PlayersDialog::newPlayer);
  connect(edit_, &QPushButton::clicked, this, &PlayersDialog::editPlayer);
  connect(delete_, &QPushButton::clicked, this, &PlayersDialog::deletePlayer);
  connect(ok_, &QPushButton::clicked, this, &PlayersDialog::okClicked);
  connect(cancel, &QPushButton::clicked, this, &PlayersDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { context_.help(QStringLiteral("players")); });
  connect(list_, &QListWidget::itemSelectionChanged, this, &PlayersDialog::updateButtons);
  connect(list_, &QListWidget::itemDoubleClicked, this, &PlayersDialog::okClicked);

  current_ = context_.currentPlayer();
  fillList(context_.players(), current_);
}

QStringList PlayersDialog::names() const {
  QStringList all;
  for (int i = 0; i < list_->count(); ++i) all << list_->item(i)->text();
  return all;
}

QString PlayersDialog::selectedName() const {
  const QList<QListWidgetItem*> chosen = list_->selectedItems();
  return chosen.isEmpty() ? QString() : chosen.first()->text();
}

void PlayersDialog::select(const QString& name) {
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->text() == name) {
      list_->setCurrentRow(i);
      return;
    }
  list_->clearSelection();
}

void PlayersDialog::fillList(const QStringList& names, const QString& selected) {
  list_->clear();
  list_->addItems(names);
  select(selected);
  updateButtons();
}

void PlayersDialog::updateButtons() {
  const bool chosen = !selectedName().isEmpty();
  edit_->setEnabled(chosen);
  delete_->setEnabled(chosen);
  ok_->setEnabled(chosen);
}

std::optional<QString> PlayersDialog::askName(const QString& title, const QString& name) {
  if (askName_) return askName_(title, name);
  PlayerNameDialog dialog(context_, title, name, this);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.name();
}

std::optional<QString> PlayersDialog::askAcceptableName(const QString& title, const QString& start,
                                                        const QString& except) {
  QString typed = start;
  for (;;) {
    const std::optional<QString> answer = askName(title, typed);
    if (!answer) return std::nullopt;
    typed = answer->trimmed();
    if (typed.isEmpty()) {
      context_.information(context_.text(statstext::NameEmpty, "Please enter at least 1 character."));
      continue;
    }
    if (typed == except) return typed;
    // Names differing in letter case only would share their statistics.
    const QStringList all = names();
    const bool exists = std::any_of(all.begin(), all.end(), [&](const QString& other) {
      return other != except && sameName(other, typed);
    });
    if (exists) {
      context_.information(context_.text(statstext::NameExists, "This player name already exists."));
      continue;
    }
    if (!stats::isStorablePlayerName(typed.toStdString())) {
      context_.information(context_.text(statstext::NameNotStorable, "This name cannot be used for a player."));
      continue;
    }
    return typed;
  }
}

void PlayersDialog::newPlayer() {
  if (list_->count() >= stats::kMaxPlayers) {
    context_.information(context_.text(statstext::ListFull, "There can be at most 20 players."));
    return;
  }
  const std::optional<QString> name =
      askAcceptableName(context_.text(statstext::AddPlayer, "Add a player"), QString(), QString());
  if (!name) return;
  QStringList all = names();
  all << *name;
  sortNames(all);
  listChanged_ = true;
  fillList(all, *name);
}

void PlayersDialog::editPlayer() {
  const QString old = selectedName();
  if (old.isEmpty()) return;
  const std::optional<QString> name =
      askAcceptableName(context_.text(statstext::EditPlayer, "Edit a player"), old, old);
  if (!name || *name == old) return;
  QStringList all = names();
  all.replace(all.indexOf(old), *name);
  sortNames(all);
  listChanged_ = true;
  fillList(all, *name);
  if (current_ == old) current_ = *name;
  BusyPointer busy;
  showFileError(stats::renamePlayerInResultFiles(context_.resultFiles(), old.toStdString(), name->toStdString()));
}

void PlayersDialog::deletePlayer() {
  const QString name = selectedName();
  if (name.isEmpty()) return;
  if (sameName(name, current_)) {
    context_.information(
        context_.text(statstext::CannotDeleteCurrent, "It is impossible to delete the selected player."));
    return;
  }
  if (!context_.confirm(context_.text(statstext::DeleteQuestion,
                                      "Are you sure you want to delete the selected player?\nNote: also "
                                      "statistics of this player will be deleted.")))
    return;
  {
    BusyPointer busy;
    showFileError(stats::clearStatistics(context_.resultFiles(), std::nullopt, name.toStdString()));
  }
  QStringList all = names();
  all.removeAll(name);
  listChanged_ = true;
  fillList(all, all.isEmpty() ? QString() : all.first());
}

void PlayersDialog::okClicked() {
  const QString chosen = selectedName();
  if (chosen.isEmpty()) {
    context_.information(context_.text(statstext::NoPlayerSelected, "Select a player."));
    return;
  }
  if (chosen != current_) {
    const QString question =
        context_.text(statstext::StartNewGameFor, "Start new game for player") + QLatin1Char(' ') + chosen +
        QLatin1Char('?');
    if (context_.confirmAbandon && !context_.confirmAbandon(question)) return;
    // The game on the table is booked for the player who played it.
    if (context_.session != nullptr) context_.session->endGame();
    if (context_.store != nullptr) stats::resetRunCounters(context_.store->record());
    current_ = chosen;
    playerChanged_ = true;
  }
  save();
  QDialog::accept();
  if (playerChanged_ && context_.playerChanged) context_.playerChanged();
}

void PlayersDialog::reject() {
  save();
  QDialog::reject();
}

void PlayersDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert) {
    newPlayer();
    return;
  }
  if (event->key() == Qt::Key_Delete) {
    deletePlayer();
    return;
  }
  QDialog::keyPressEvent(event);
}

void PlayersDialog::save() {
  if (saved_ || context_.store == nullptr) return;
  saved_ = true;
  showFileError(context_.store->setAndSave(field::UserDefault, current_.toStdString()));
  if (listChanged_) {
    IniFile preferences = context_.store->preferences();
    showFileError(stats::writePlayersList(preferences, toNames(names())));
  }
  if (context_.updateCaption) context_.updateCaption();
}

void PlayersDialog::showFileError(const std::optional<std::string>& error) {
  if (!error) return;
  context_.information(context_.text(statstext::FileProblem, "The players could not be saved:") +
                       QLatin1Char('\n') + QString::fromStdString(*error));
}

}  // namespace quilloro
