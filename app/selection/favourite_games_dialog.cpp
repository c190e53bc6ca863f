// The favourites dialog: two sorted lists, the move buttons, drag and drop.
#include "app/selection/favourite_games_dialog.hpp"

#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "app/core/game_selection_favourites.hpp"
#include "app/selection/selection_texts.hpp"
#include "engine/games_dat.hpp"

namespace quilloro {

namespace {

// A sorted list that takes drops only from the other list of the dialog and
// hands them to the dialog's move instead of copying items itself.
class MoveList : public QListWidget {
 public:
  explicit MoveList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSortingEnabled(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
  }
  QListWidget* partner = nullptr;
  std::function<void()> dropped;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->source() == partner) event->acceptProposedAction();
    else event->ignore();
  }
  void dragMoveEvent(QDragMoveEvent* event) override {
    if (event->source() == partner) event->acceptProposedAction();
    else event->ignore();
  }
  void dropEvent(QDropEvent* event) override {
    if (event->source() != partner || !dropped) {
      event->ignore();
      return;
    }
    // The items move through the dialog; the source must not delete its own.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    dropped();
  }
};

// Moves the selected items of from into to; to stays sorted.
void moveSelected(QListWidget* from, QListWidget* to) {
  const QList<QListWidgetItem*> chosen = from->selectedItems();
  for (QListWidgetItem* item : chosen) {
    const QString text = item->text();
    delete from->takeItem(from->row(item));
    to->addItem(text);
  }
}

}  // namespace

FavouriteGamesDialog::FavouriteGamesDialog(GameSelectionContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("TfrmFavorite"));
  setWindowTitle(context_.text(seltext::FavouriteGames, "Favorite games"));
  // Never smaller than designed; larger where the texts of a language need it.
  setMinimumSize(298, 266);

  auto* gamesList = new MoveList(this);
  auto* favouritesList = new MoveList(this);
  gamesList->partner = favouritesList;
  favouritesList->partner = gamesList;
  gamesList->dropped = [this] { removeSelected(); };
  favouritesList->dropped = [this] { addSelected(); };
  games_ = gamesList;
  favourites_ = favouritesList;
  games_->setObjectName(QStringLiteral("games"));
  favourites_->setObjectName(QStringLiteral("favourites"));

  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetMinimumSize);
  auto* gamesLabel = new QLabel(context_.text(seltext::GamesList, "&Games list:"), this);
  auto* favouritesLabel = new QLabel(context_.text(seltext::FavouriteGamesList, "&Favorite games:"), this);
  gamesLabel->setBuddy(games_);
  favouritesLabel->setBuddy(favourites_);
  grid->addWidget(gamesLabel, 0, 0);
  grid->addWidget(favouritesLabel, 0, 2);
  grid->addWidget(games_, 1, 0);
  grid->addWidget(favourites_, 1, 2);

  auto* moves = new QVBoxLayout;
  auto button = [this](const QString& text, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    b->setFixedWidth(32);
    return b;
  };
  QPushButton* add = button(QStringLiteral(">"), "add");
  QPushButton* remove = button(QStringLiteral("<"), "remove");
  QPushButton* removeAllButton = button(QStringLiteral("<<"), "removeAll");
  moves->addStretch(1);
  for (QPushButton* b : {add, remove, removeAllButton}) moves->addWidget(b);
  moves->addStretch(1);
  grid->addLayout(moves, 1, 1);

  auto* bottom = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(context_.text(seltext::Cancel, "Cancel"), this);
  cancel->setAutoDefault(false);
  auto* help = new QPushButton(QStringLiteral("&?"), this);
  help->setAutoDefault(false);
  bottom->addStretch(1);
  for (QPushButton* b : {ok, cancel, help}) bottom->addWidget(b);
  grid->addLayout(bottom, 2, 0, 1, 3);

  // The game list without the favourites (each name taken out once).
  QStringList names;
  if (context_.games != nullptr)
    for (const CatalogueEntry& entry : context_.games->catalogue()) names << QString::fromStdString(entry.name());
  for (const std::string& favourite : readFavourites(context_.preferences())) {
    const QString name = QString::fromStdString(favourite);
    favourites_->addItem(name);
    names.removeOne(name);
  }
  games_->addItems(names);

  connect(add, &QPushButton::clicked, this, &FavouriteGamesDialog::addSelected);
  connect(remove, &QPushButton::clicked, this, &FavouriteGamesDialog::removeSelected);
  connect(removeAllButton, &QPushButton::clicked, this, &FavouriteGamesDialog::removeAll);
  connect(games_, &QListWidget::itemDoubleClicked, this, [this] { addSelected(); });
  connect(favourites_, &QListWidget::itemDoubleClicked, this, [this] { removeSelected(); });
  connect(ok, &QPushButton::clicked, this, &FavouriteGamesDialog::okClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { context_.dialogHelp(QStringLiteral("favourite_games")); });
}

QStringList FavouriteGamesDialog::favourites() const {
  QStringList names;
  for (int row = 0; row < favourites_->count(); ++row) names << favourites_->item(row)->text();
  return names;
}

void FavouriteGamesDialog::addSelected() { moveSelected(games_, favourites_); }

void FavouriteGamesDialog::removeSelected() { moveSelected(favourites_, games_); }

void FavouriteGamesDialog::removeAll() {
  favourites_->selectAll();
  removeSelected();
}

void FavouriteGamesDialog::okClicked() {
  std::vector<std::string> names;
  for (const QString& name : favourites()) names.push_back(name.toStdString());
  IniFile preferences = context_.preferences();
  if (FileError error = writeFavourites(preferences, names)) {
    // Nothing was stored: say so and let the player try again or cancel.
    context_.info(this, QString::fromStdString(*error));
    return;
  }
  Q_EMIT favouritesSaved();
  accept();
}

}  // namespace quilloro
