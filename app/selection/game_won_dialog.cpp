// The "Game won" dialog: totals, percentages, the pie and the next steps.
#include "app/selection/game_won_dialog.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/selection/game_selection_pictures.hpp"
#include "app/selection/game_selection_start.hpp"
#include "app/selection/selection_texts.hpp"
#include "engine/game_session.hpp"
#include "engine/game_won_summary.hpp"
#include "stats/booking.hpp"
#include "stats/result_files.hpp"

namespace quilloro {

namespace {
constexpr int kWonText = 1905;
constexpr int kLostText = 1906;
constexpr int kTotalText = 1907;
constexpr QSize kChartSize(110, 90);

QPushButton* makeButton(QWidget* parent, const char* text, const char* name) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setAutoDefault(false);
  return button;
}
}  // namespace

GameWonDialog::GameWonDialog(GameSelectionContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("TfrmNuova"));
  setModal(true);

  auto* root = new QHBoxLayout(this);
  group_ = new QGroupBox(this);
  auto* grid = new QGridLayout(group_);
  auto label = [this](const char* name) {
    auto* l = new QLabel(group_);
    l->setObjectName(QString::fromUtf8(name));
    return l;
  };
  wonCaption_ = label("lblTotVin");
  lostCaption_ = label("lblTotPer");
  totalCaption_ = label("lblTotNumPar");
  won_ = label("lblGraphTotWon");
  lost_ = label("lblGraphTotLost");
  total_ = label("lblGraphTotTotal");
  wonPercent_ = label("lblGraphTotPercWon");
  lostPercent_ = label("lblGraphTotPercLost");
  for (QLabel* l : {won_, lost_, total_, wonPercent_, lostPercent_}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(wonCaption_, 0, 0);
  grid->addWidget(won_, 0, 1);
  grid->addWidget(wonPercent_, 0, 2);
  grid->addWidget(lostCaption_, 1, 0);
  grid->addWidget(lost_, 1, 1);
  grid->addWidget(lostPercent_, 1, 2);
  grid->addWidget(totalCaption_, 2, 0);
  grid->addWidget(total_, 2, 1);
  chart_ = label("imgGraphTot");
  chart_->setFixedSize(kChartSize);
  chart_->setAlignment(Qt::AlignCenter);
  chart_->setBackgroundRole(QPalette::Button);
  chart_->setAutoFillBackground(true);
  grid->addWidget(chart_, 0, 3, 3, 1);
  root->addWidget(group_, 1);

  auto* buttons = new QVBoxLayout;
  QPushButton* newGame = makeButton(this, "New game...", "newGame");
  newGame->setDefault(true);
  QPushButton* restart = makeButton(this, "Restart game...", "restart");
  QPushButton* statistics = makeButton(this, " Statistics...     ", "statistics");
  QPushButton* open = makeButton(this, "Open a game...", "openGame");
  QPushButton* select = makeButton(this, "Select game... ", "selectGame");
  QPushButton* cancel = makeButton(this, "Cancel", "cancel");
  QPushButton* help = makeButton(this, "&?", "help");
  captions_ = {{newGame, seltext::NewGame, "New game..."},
               {restart, seltext::RestartGame, "Restart game..."},
               {statistics, seltext::Statistics, " Statistics...     "},
               {open, seltext::OpenAGameButton, "Open a game..."},
               {select, seltext::SelectGame, "Select game... "},
               {cancel, seltext::Cancel, "Cancel"}};
  applyTexts();
  for (QPushButton* b : {newGame, restart, statistics, open, select, cancel, help}) buttons->addWidget(b);
  root->addLayout(buttons);

  connect(newGame, &QPushButton::clicked, this, &GameWonDialog::newGameClicked);
  connect(restart, &QPushButton::clicked, this, &GameWonDialog::restartClicked);
  connect(statistics, &QPushButton::clicked, this, &GameWonDialog::statisticsClicked);
  connect(open, &QPushButton::clicked, this, &GameWonDialog::openGameClicked);
  connect(select, &QPushButton::clicked, this, &GameWonDialog::selectGameClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { context_.dialogHelp(QStringLiteral("game_won")); });
  connect(this, &QDialog::finished, this, [this] {
    if (!gameUnderWay()) Q_EMIT closedWithoutGame();
  });
}

void GameWonDialog::showSummary(const GameWonSummary& summary) {
  summary_ = summary;
  // In the language of the moment: the options may have changed it since the last game.
  applyTexts();
  group_->setTitle(
      context_.text(seltext::TotalOfGame, "Total [%1]").arg(QString::fromStdString(summary.gameName).trimmed()));
  wonCaption_->setText(context_.text(kWonText, "Won") + QStringLiteral(":"));
  lostCaption_->setText(context_.text(kLostText, "Lost") + QStringLiteral(":"));
  totalCaption_->setText(context_.text(kTotalText, "Total") + QStringLiteral(": "));
  won_->setText(QString::number(summary.won));
  lost_->setText(QString::number(summary.lost));
  total_->setText(QString::number(summary.won + summary.lost));
  auto percent = [&summary](int value) {
    return summary.played ? QStringLiteral("(%1%)").arg(value) : QString();
  };
  wonPercent_->setText(percent(summary.wonPercent));
  lostPercent_->setText(percent(summary.lostPercent));
  chart_->setPixmap(piePicture(context_.pictureDirectory(), summary.picture, summary.exchangeColours));
}

void GameWonDialog::applyTexts() {
  setWindowTitle(context_.text(seltext::GameWon, "Game won"));
  for (const Caption& caption : captions_) caption.button->setText(context_.text(caption.text, caption.english));
}

int GameWonDialog::showModal(const GameWonSummary& summary) {
  showSummary(summary);
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  return runModal();
}

int GameWonDialog::runModal() {
  runningModal_ = true;
  int result = QDialog::Rejected;
  do {
    showAgain_ = false;
    result = exec();
  } while (showAgain_);
  runningModal_ = false;
  return result;
}

QString GameWonDialog::groupTitle() const { return group_->title(); }

QStringList GameWonDialog::labelTexts() const {
  return {wonCaption_->text(), lostCaption_->text(), totalCaption_->text(), won_->text(),
          lost_->text(),       total_->text(),       wonPercent_->text(),   lostPercent_->text()};
}

QPixmap GameWonDialog::chart() const { return chart_->pixmap(); }

bool GameWonDialog::gameUnderWay() const {
  return context_.session != nullptr && context_.session->game().underWay();
}

void GameWonDialog::newGameClicked() {
  hide();
  const StartOutcome outcome = dealNewNumber(context_);
  if (!outcome.error.empty()) context_.info(this, QString::fromStdString(outcome.error));
  if (outcome.started) Q_EMIT gameStarted();
  accept();
}

void GameWonDialog::restartClicked() {
  hide();
  if (context_.session != nullptr && context_.session->restart()) Q_EMIT gameStarted();
  accept();
}

void GameWonDialog::statisticsClicked() {
  if (context_.showStatistics && context_.settings != nullptr) {
    const int game = static_cast<int>(context_.settings->getInteger(field::Game).value_or(0));
    context_.showStatistics(game, QString::fromStdString(context_.settings->get(field::UserDefault)));
  }
  refreshTotals();
}

void GameWonDialog::refreshTotals() {
  if (context_.settings == nullptr) return;
  const int game = static_cast<int>(context_.settings->getInteger(field::Game).value_or(0));
  const std::string player = context_.settings->get(field::UserDefault);
  const stats::Totals totals =
      stats::readTotals(stats::ResultFiles::under(context_.programDirectory), *context_.settings, game, player);
  showSummary(summariseTotals(context_.gameName(game), totals.record.won, totals.record.lost));
}

void GameWonDialog::hideForAnother(const std::function<bool()>& show) {
  const bool wasVisible = isVisible();
  hide();
  const bool started = show && show();
  if (started) {
    Q_EMIT gameStarted();
    accept();
    return;
  }
  if (!wasVisible) return;
  // Back again; hiding a modal dialog has ended its loop, so runModal() runs it anew.
  if (runningModal_) showAgain_ = true;
  else show();
}

void GameWonDialog::openGameClicked() { hideForAnother(openCatalogue_); }

void GameWonDialog::selectGameClicked() { hideForAnother(selectNumber_); }

}  // namespace quilloro
