// The game catalogue: tree, description, preview, players and its buttons.
#include "app/selection/game_catalogue_dialog.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>
#include <functional>
#include <utility>

#include "app/selection/favourite_games_dialog.hpp"
#include "app/selection/game_selection_description.hpp"
#include "app/core/game_selection_favourites.hpp"
#include "app/selection/game_selection_pictures.hpp"
#include "app/selection/game_selection_start.hpp"
#include "app/selection/game_selection_tree.hpp"
#include "app/selection/selection_texts.hpp"
#include "engine/game_session.hpp"
#include "engine/games_dat.hpp"
#include "stats/player_results.hpp"

namespace quilloro {

namespace {

constexpr QSize kWindowSize(530, 405);
constexpr QSize kPreviewSize(300, 185);
constexpr int kOpenSavedGameText = 1520;

QLabel* boldLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

constexpr int kTreeWidth = 200;

}  // namespace

GameCatalogueDialog::GameCatalogueDialog(GameSelectionContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("TfrmApri"));
  setModal(true);
  // Never smaller than designed; larger where the texts of a language need it.
  setMinimumSize(kWindowSize);
  background_ = previewBackground(kPreviewSize);
  const IniFile preferences = context_.preferences();
  const long long rememberedNode = preferences.readInteger(prefkey::Section, prefkey::GameTreeNum, -1);
  const bool preview = preferences.readString(prefkey::Section, prefkey::OpenPreviewGame, "Y") == "Y";

  buildWidgets();
  showPreview_->setChecked(preview);
  applyTexts();

  tree_->setEnabled(false);
  buildTree(rememberedNode);
  tree_->setEnabled(true);

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] {
    if (isVisible()) describeSelected();
  });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { itemDoubleClicked(item); });
  connect(showPreview_, &QCheckBox::toggled, this, [this] { paintPreview(); });
  connect(ok_, &QPushButton::clicked, this, &GameCatalogueDialog::okClicked);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(rules_, &QPushButton::clicked, this, &GameCatalogueDialog::rulesClicked);
  connect(statistics_, &QPushButton::clicked, this, &GameCatalogueDialog::statisticsClicked);
  connect(openSaved_, &QPushButton::clicked, this, &GameCatalogueDialog::openSavedGameClicked);
  connect(help_, &QPushButton::clicked, this, [this] { context_.dialogHelp(QStringLiteral("game_catalogue")); });
  // The Demo button carries no action: a demo starts from the Game menu.
  connect(this, &QDialog::finished, this, [this] {
    context_.refresh();
    Q_EMIT catalogueClosed();
  });
}

void GameCatalogueDialog::buildWidgets() {
  auto* root = new QVBoxLayout(this);
  root->setSizeConstraint(QLayout::SetMinimumSize);
  auto* top = new QHBoxLayout;
  root->addLayout(top, 1);

  auto* left = new QVBoxLayout;
  top->addLayout(left);
  selectLabel_ = new QLabel(this);
  auto* selectLabel = selectLabel_;
  left->addWidget(selectLabel);
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("tree"));
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setMinimumWidth(kTreeWidth);
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree_->setIconSize(QSize(16, 16));
  selectLabel->setBuddy(tree_);
  left->addWidget(tree_, 1);

  auto* right = new QVBoxLayout;
  top->addLayout(right, 1);
  auto* strip = new QHBoxLayout;
  right->addLayout(strip);
  playerLabel_ = new QLabel(this);
  auto* playerLabel = playerLabel_;
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("players"));
  players_->setEditable(false);
  playerLabel->setBuddy(players_);
  strip->addWidget(playerLabel);
  strip->addWidget(players_, 1);
  auto* buttons = new QHBoxLayout;
  right->addLayout(buttons);
  statistics_ = new QPushButton(this);
  statistics_->setObjectName(QStringLiteral("statistics"));
  demo_ = new QPushButton(this);
  demo_->setObjectName(QStringLiteral("demo"));
  rules_ = new QPushButton(this);
  rules_->setObjectName(QStringLiteral("rules"));
  for (QPushButton* button : {statistics_, demo_, rules_}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }

  description_ = new QStackedWidget(this);
  right->addWidget(description_, 1);
  title_ = new QLabel(description_);
  title_->setAlignment(Qt::AlignCenter);
  title_->setAutoFillBackground(true);
  QPalette silver = title_->palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  title_->setPalette(silver);
  description_->addWidget(title_);

  auto* facts = new QWidget(description_);
  auto* grid = new QGridLayout(facts);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setVerticalSpacing(1);
  name_ = boldLabel(QString(), facts);
  name_->setObjectName(QStringLiteral("name"));
  grid->addWidget(name_, 0, 0, 1, 3);
  auto row = [&](int line, QLabel*& value, QLabel** picture) {
    captions_[static_cast<std::size_t>(line - 1)] = new QLabel(facts);
    grid->addWidget(captions_[static_cast<std::size_t>(line - 1)], line, 0);
    value = new QLabel(facts);
    grid->addWidget(value, line, 1);
    if (picture != nullptr) {
      *picture = new QLabel(facts);
      grid->addWidget(*picture, line, 2);
    }
  };
  row(1, decks_, nullptr);
  row(2, difficulty_, &difficultyPicture_);
  row(3, chance_, &chancePicture_);
  row(4, redeals_, nullptr);
  row(5, gameTime_, &gameTimePicture_);
  previewArea_ = new QLabel(facts);
  previewArea_->setObjectName(QStringLiteral("preview"));
  previewArea_->setFixedSize(kPreviewSize);
  grid->addWidget(previewArea_, 6, 0, 1, 3, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  description_->addWidget(facts);

  auto* bottom = new QHBoxLayout;
  root->addLayout(bottom);
  openSaved_ = new QPushButton(this);
  openSaved_->setObjectName(QStringLiteral("openSaved"));
  openSaved_->setAutoDefault(false);
  bottom->addWidget(openSaved_);
  showPreview_ = new QCheckBox(this);
  showPreview_->setObjectName(QStringLiteral("showPreview"));
  bottom->addWidget(showPreview_);
  bottom->addStretch(1);
  help_ = new QPushButton(QStringLiteral("&?"), this);
  help_->setAutoDefault(false);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setAutoDefault(false);
  for (QPushButton* button : {help_, ok_, cancel_}) bottom->addWidget(button);
}

int GameCatalogueDialog::showCatalogue() {
  runningModal_ = true;
  int result = QDialog::Rejected;
  do {
    showAgain_ = false;
    prepareToShow();
    result = exec();
  } while (showAgain_);
  runningModal_ = false;
  return result;
}

void GameCatalogueDialog::fitTreeToNames() {
  // The widest name at its depth, with its picture, the frame and the scroll bar.
  int widest = 0;
  std::function<void(QTreeWidgetItem*, int)> measure = [&](QTreeWidgetItem* item, int depth) {
    const int width = (depth + 1) * tree_->indentation() + tree_->iconSize().width() + 8 +
                      tree_->fontMetrics().horizontalAdvance(item->text(0));
    widest = std::max(widest, width);
    for (int i = 0; i < item->childCount(); ++i) measure(item->child(i), depth + 1);
  };
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) measure(tree_->topLevelItem(i), 0);
  const int chrome = 2 * tree_->frameWidth() + tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  tree_->setMinimumWidth(std::max(kTreeWidth, widest + chrome));
}

QString GameCatalogueDialog::text(int offset, const char* english) const { return context_.text(offset, english); }

void GameCatalogueDialog::applyTexts() {
  textsLanguage_ = context_.languageBase();
  setWindowTitle(withoutAccelerators(text(seltext::OpenAGame, "&Open a game")));
  selectLabel_->setText(text(seltext::SelectAGameLabel, "Select a game:"));
  playerLabel_->setText(text(seltext::Player, "Pla&yer:"));
  statistics_->setText(text(seltext::StatisticsButton, "Statis."));
  demo_->setText(text(seltext::DemoButton, "Demo"));
  rules_->setText(text(seltext::RulesButton, "Rules"));
  title_->setPixmap(catalogueTitlePicture(QSize(300, 280), text(seltext::TitlePictureHint, "Select a game in the tree.")));
  const std::array<std::pair<int, const char*>, 5> facts{{{seltext::Decks, "Decks:"},
                                                          {seltext::Difficulty, "Difficulty level:"},
                                                          {seltext::Chance, "Chance of winning:"},
                                                          {seltext::Redeals, "Redeals:"},
                                                          {seltext::GameTime, "Game time:"}}};
  for (std::size_t i = 0; i < facts.size(); ++i) captions_[i]->setText(text(facts[i].first, facts[i].second));
  openSaved_->setText(text(kOpenSavedGameText, "Open a sa&ved game..."));
  showPreview_->setText(text(seltext::Preview, "&Preview"));
  cancel_->setText(text(seltext::Cancel, "Cancel"));
}

void GameCatalogueDialog::buildTree(long long selectedPosition) {
  if (context_.games != nullptr)
    buildCatalogueTree(*tree_, *context_.games, readFavourites(context_.preferences()),
                       [this](int offset, const char* english) { return text(offset, english); });
  fitTreeToNames();
  if (QTreeWidgetItem* first = initialSelection(*tree_, selectedPosition)) {
    tree_->scrollToItem(first);
    tree_->setCurrentItem(first);
  }
}

void GameCatalogueDialog::prepareToShow() {
  WaitCursor wait;
  // The language may have changed in the options since the catalogue was last shown.
  if (textsLanguage_ != context_.languageBase()) {
    applyTexts();
    const QSignalBlocker quiet(tree_);
    buildTree(treePosition(*tree_, tree_->currentItem()));
  }
  describeSelected();
  tree_->setFocus();
  fillPlayers();
}

void GameCatalogueDialog::fillPlayers() {
  players_->clear();
  for (const std::string& name : stats::playersList(context_.preferences()))
    players_->addItem(QString::fromStdString(name));
  const QString current =
      context_.settings != nullptr ? QString::fromStdString(context_.settings->get(field::UserDefault)) : QString();
  const int found = players_->findText(current, Qt::MatchExactly);
  if (found >= 0) players_->setCurrentIndex(found);
}

QString GameCatalogueDialog::chosenPlayer() const { return players_->currentText(); }

int GameCatalogueDialog::selectedTag() const { return nodeTag(tree_->currentItem()); }

void GameCatalogueDialog::describeSelected() {
  const int tag = selectedTag();
  const bool game = tag >= 0 && tag < context_.gameCount();
  for (QWidget* widget : {static_cast<QWidget*>(showPreview_), static_cast<QWidget*>(ok_),
                          static_cast<QWidget*>(rules_), static_cast<QWidget*>(statistics_)})
    widget->setEnabled(game);
  if (!game) {
    description_->setCurrentWidget(title_);
    preview_ = QImage();
    return;
  }
  const GameDescription facts =
      describeGame(*context_.games, tag, [this](int offset, const char* english) { return text(offset, english); });
  name_->setText(QString::fromStdString(facts.name));
  decks_->setText(QString::fromStdString(facts.decks));
  difficulty_->setText(QString::fromStdString(facts.difficulty));
  difficultyPicture_->setPixmap(meterPicture(Meter::Difficulty, facts.difficultyLevel));
  chance_->setText(QString::fromStdString(facts.chance));
  chancePicture_->setPixmap(meterPicture(Meter::Chance, facts.chanceLevel));
  redeals_->setText(QString::fromStdString(facts.redeals));
  gameTime_->setText(QString::fromStdString(facts.gameTime));
  gameTimePicture_->setPixmap(meterPicture(Meter::GameTime, facts.timeLevel));
  description_->setCurrentIndex(1);
  paintPreview();
  // A longer fact widens the dialog at once rather than being cut.
  description_->currentWidget()->updateGeometry();
  description_->updateGeometry();
  if (layout() != nullptr) layout()->activate();
  resize(size().expandedTo(minimumSizeHint()));
}

void GameCatalogueDialog::paintPreview() {
  preview_ = background_;
  const int tag = selectedTag();
  if (showPreview_->isChecked() && tag >= 0) {
    // A game without its preview picture keeps the empty background.
    const QImage picture = loadPreviewPicture(context_.pictureDirectory(), tag);
    if (!picture.isNull()) {
      QPainter painter(&preview_);
      painter.drawImage((preview_.width() - picture.width()) / 2, (preview_.height() - picture.height()) / 2,
                        picture);
    }
  }
  previewArea_->setPixmap(QPixmap::fromImage(preview_));
}

QString GameCatalogueDialog::descriptionText() const {
  if (description_->currentWidget() == title_) return {};
  const std::array<QLabel*, 5> values{decks_, difficulty_, chance_, redeals_, gameTime_};
  QStringList lines{name_->text()};
  for (std::size_t i = 0; i < values.size(); ++i) lines << captions_[i]->text() + QLatin1Char(' ') + values[i]->text();
  return lines.join(QLatin1Char('\n'));
}

void GameCatalogueDialog::okClicked() {
  const int tag = selectedTag();
  if (tag < 0 || tag >= context_.gameCount()) {
    context_.info(this, withoutAccelerators(text(seltext::OpenAGame, "&Open a game")));
    tree_->setFocus();
    return;
  }
  WaitCursor wait;
  QApplication::processEvents();
  IniFile preferences = context_.preferences();
  preferences.writeInteger(prefkey::Section, prefkey::GameTreeNum, treePosition(*tree_, tree_->currentItem()));
  preferences.writeString(prefkey::Section, prefkey::OpenPreviewGame, showPreview_->isChecked() ? "Y" : "N");

  StartOutcome outcome;
  const QString player = chosenPlayer();
  hide();
  context_.refresh();
  if (context_.settings != nullptr) {
    const GameChoice choice = makeGameChoice(*context_.settings, tag, player.toStdString());
    outcome = startChosenGame(context_, choice, firstChoice_);
    if (outcome.started) firstChoice_ = false;
  }
  wait.restore();
  if (!outcome.error.empty()) context_.info(this, QString::fromStdString(outcome.error));
  Q_EMIT gameChosen(tag, player, outcome.started, outcome.justChosen);
  accept();
}

void GameCatalogueDialog::rulesClicked() {
  const int tag = selectedTag();
  if (tag < 0 || tag >= context_.gameCount()) {
    context_.info(this, withoutAccelerators(text(seltext::SelectAGame, "Select a game")));
  } else if (context_.openRules) {
    const auto topic = context_.games->catalogue()[static_cast<std::size_t>(tag)].helpTopic();
    // A game without a help topic still opens the rules window, which says the page is missing.
    context_.openRules(topic.value_or(0));
  }
  tree_->setFocus();
}

void GameCatalogueDialog::statisticsClicked() {
  const int tag = selectedTag();
  if (tag >= 0 && context_.showStatistics) context_.showStatistics(tag, chosenPlayer());
  tree_->setFocus();
}

void GameCatalogueDialog::openSavedGameClicked() {
  const bool wasVisible = isVisible();
  hide();
  context_.refresh();
  if (openSavedGame_) openSavedGame_();
  if (context_.session != nullptr && context_.session->game().underWay()) {
    reject();
    return;
  }
  // Nothing opened: back to the catalogue (a hidden modal dialog has left its loop).
  if (!wasVisible) return;
  // Hiding a modal dialog has ended its loop: showCatalogue() runs it anew.
  if (runningModal_) {
    showAgain_ = true;
    return;
  }
  prepareToShow();
  show();
}

void GameCatalogueDialog::itemDoubleClicked(QTreeWidgetItem* item) {
  const int tag = nodeTag(item);
  if (tag >= 0) {
    okClicked();
  } else if (tag == kCustomizeTag) {
    customizeFavourites();
  }
}

void GameCatalogueDialog::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(text(seltext::CustomizeFavourites, "Customize favourite games..."), this,
                 &GameCatalogueDialog::customizeFavourites);
  menu.exec(event->globalPos());
}

void GameCatalogueDialog::customizeFavourites() {
  FavouriteGamesDialog dialog(context_, this);
  connect(&dialog, &FavouriteGamesDialog::favouritesSaved, this, &GameCatalogueDialog::fnRebuildFavourites);
  dialog.exec();
}

void GameCatalogueDialog::fnRebuildFavourites() {
  if (context_.games == nullptr) return;
  const bool hadSelection = tree_->currentItem() != nullptr;
  rebuildFavouritesFolder(*tree_, *context_.games, readFavourites(context_.preferences()),
                          [this](int offset, const char* english) { return text(offset, english); });
  QTreeWidgetItem* folder = favouritesFolder(*tree_);
  if (folder != nullptr) folder->setExpanded(true);
  // The selected favourite may have gone with the old folder.
  if (hadSelection && tree_->currentItem() == nullptr) tree_->setCurrentItem(folder);
  if (isVisible()) describeSelected();
}

}  // namespace quilloro
