// The toolbar strip of the main window: both toolbars, their pop-up menu, the time and score
// panels, the lines under the toolbar and the status bar.
#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

#include "app/window/info_panel.hpp"
#include "app/window/main_window.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/tool_strip.hpp"

namespace quilloro {
namespace {

// Text numbers of the panels' captions and of the pop-up menus' items.
constexpr int kHideTimeCaption = 4612;
constexpr int kHideScoreCaption = 4613;
constexpr int kLargeIconsCaption = 4614;
constexpr int kSmallIconsCaption = 4615;
constexpr int kFlatButtonCaption = 4616;
constexpr int kNoFlatButtonCaption = 4617;
constexpr int kShowTimeCaption = 4618;
constexpr int kShowScoreCaption = 4619;
constexpr int kStatusBoxWidths[] = {116, 81};

QFrame* line(QWidget* parent, const QColor& colour) {
  auto* frame = new QFrame(parent);
  frame->setAutoFillBackground(true);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, colour);
  frame->setPalette(palette);
  frame->setFixedHeight(1);
  return frame;
}

}  // namespace

void MainWindow::buildTopArea() {
  largeBar_ = new ToolStrip(true, table_);
  smallBar_ = new ToolStrip(false, table_);
  for (ToolStrip* bar : {largeBar_, smallBar_}) {
    connect(bar, &ToolStrip::clicked, this, &MainWindow::runToolButton);
    connect(bar, &ToolStrip::popupRequested, this, &MainWindow::showToolbarPopup);
  }
  largeBar_->hide();

  // The widest values the panels are sized for: hours of play, a four-digit
  // score below zero. Longer texts widen them again.
  timePanel_ = new InfoPanel(text(kTimeCaption), QStringLiteral("0:00:00"), kTimePanelWidth, kTimePanelHeight,
                             QStringLiteral("0:00:00"), table_);
  scorePanel_ = new InfoPanel(text(kScoreCaption), QStringLiteral("0"), kScorePanelWidth, kScorePanelHeight,
                              QStringLiteral("-0000"), table_);
  for (InfoPanel* panel : {timePanel_, scorePanel_})
    connect(panel, &InfoPanel::widened, this, [this] { fnLayoutTopArea(); });
  auto* timeMenu = new QMenu(this);
  captioned_.push_back(
      {timeMenu->addAction(QStringLiteral("&Hide"), this, [this] { fnShowTimePanel(false, true); }), kHideTimeCaption});
  connect(timePanel_, &InfoPanel::popupRequested, timeMenu, [timeMenu](const QPoint& at) { timeMenu->popup(at); });
  auto* scoreMenu = new QMenu(this);
  captioned_.push_back(
      {scoreMenu->addAction(QStringLiteral("Hide"), this, [this] { fnShowScorePanel(false, true); }), kHideScoreCaption});
  connect(scorePanel_, &InfoPanel::popupRequested, scoreMenu,
          [scoreMenu](const QPoint& at) { scoreMenu->popup(at); });

  greyLine_ = line(table_, QColor(128, 128, 128));
  blackLine_ = line(table_, Qt::black);

  toolbarPopup_ = new QMenu(this);
  auto* sizes = new QActionGroup(this);
  largeIcons_ = toolbarPopup_->addAction(QStringLiteral("Large icons"), this, [this] { setLargeToolbar(true, true); });
  smallIcons_ = toolbarPopup_->addAction(QStringLiteral("Small icons"), this, [this] { setLargeToolbar(false, true); });
  toolbarPopup_->addSeparator();
  auto* looks = new QActionGroup(this);
  flatButtons_ = toolbarPopup_->addAction(QStringLiteral("Flat button"), this, [this] { setFlatToolbar(true, true); });
  raisedButtons_ =
      toolbarPopup_->addAction(QStringLiteral("No flat button"), this, [this] { setFlatToolbar(false, true); });
  toolbarPopup_->addSeparator();
  showTime_ = toolbarPopup_->addAction(QStringLiteral("Show time"), this, [this] { fnShowTimePanel(true, true); });
  showScore_ = toolbarPopup_->addAction(QStringLiteral("Show score"), this, [this] { fnShowScorePanel(true, true); });
  for (QAction* a : {largeIcons_, smallIcons_}) {
    a->setCheckable(true);
    sizes->addAction(a);
  }
  for (QAction* a : {flatButtons_, raisedButtons_}) {
    a->setCheckable(true);
    looks->addAction(a);
  }
  largeIcons_->setObjectName(QStringLiteral("popLargeIcons"));
  smallIcons_->setObjectName(QStringLiteral("popSmallIcons"));
  flatButtons_->setObjectName(QStringLiteral("popFlatButton"));
  raisedButtons_->setObjectName(QStringLiteral("popNoFlatButton"));
  showTime_->setObjectName(QStringLiteral("popShowTime"));
  showScore_->setObjectName(QStringLiteral("popShowScore"));
  smallIcons_->setChecked(true);
  flatButtons_->setChecked(true);
  showTime_->setEnabled(false);
  showScore_->setEnabled(false);
  captioned_.insert(captioned_.end(), {{largeIcons_, kLargeIconsCaption},
                                       {smallIcons_, kSmallIconsCaption},
                                       {flatButtons_, kFlatButtonCaption},
                                       {raisedButtons_, kNoFlatButtonCaption},
                                       {showTime_, kShowTimeCaption},
                                       {showScore_, kShowScoreCaption}});
}

void MainWindow::buildStatusBar() {
  statusBar_ = new QFrame(table_);
  statusBar_->setAutoFillBackground(true);
  statusBar_->setFixedHeight(kStatusBarHeight);
  auto* boxes = new QHBoxLayout(statusBar_);
  boxes->setContentsMargins(2, 2, 2, 2);
  boxes->setSpacing(2);
  for (const int width : kStatusBoxWidths) {
    auto* box = new QFrame(statusBar_);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    box->setFixedWidth(width);
    boxes->addWidget(box);
  }
  boxes->addStretch(1);
  statusBar_->setCursor(Qt::ArrowCursor);
}

ToolStrip* MainWindow::visibleToolbar() const { return largeBar_->isVisibleTo(table_) ? largeBar_ : smallBar_; }

void MainWindow::fnLayoutTopArea() {
  timePanel_->hide();
  scorePanel_->hide();
  ToolStrip* bar = visibleToolbar();
  const int width = table_->width();
  bar->setGeometry(0, 0, width, bar->height());

  TopAreaInput input;
  input.windowWidth = width;
  input.toolbarTop = bar->y();
  input.toolbarHeight = bar->height();
  input.toolbarWidth = bar->width();
  input.exitRight = bar->exitRight();
  input.showTime = settings().get(field::ShowTime) == "Y";
  input.showScore = settings().get(field::ShowScore) == "Y";
  input.demo = session_->demoMode();
  input.timeWidth = timePanel_->width();
  input.scoreWidth = scorePanel_->width();
  topArea_ = layoutTopArea(input);

  greyLine_->setGeometry(0, topArea_.greyLineTop, topArea_.lineWidth, 1);
  blackLine_->setGeometry(0, topArea_.blackLineTop, topArea_.lineWidth, 1);
  greyLine_->show();
  blackLine_->show();
  if (demoBar_ != nullptr) {
    demoBar_->setVisible(topArea_.demoShown);
    demoBar_->setGeometry(0, topArea_.demoPanelTop, width, kDemoPanelHeight);
    demoBar_->raise();
  }
  timePanel_->move(topArea_.time.left, topArea_.time.top);
  scorePanel_->move(topArea_.score.left, topArea_.score.top);
  if (topArea_.scoreVisible) {
    scorePanel_->show();
    scorePanel_->raise();
  }
  if (topArea_.timeVisible) {
    timePanel_->show();
    timePanel_->raise();
  }
}

void MainWindow::fnShowTimePanel(bool show, bool save) {
  timePanel_->setVisible(show);
  showTime_->setEnabled(!show);
  if (save) {
    if (const FileError error = store_.setAndSave(field::ShowTime, show ? "Y" : "N")) fileError(*error);
  }
  fnLayoutTopArea();
}

void MainWindow::fnShowScorePanel(bool show, bool save) {
  scorePanel_->setVisible(show);
  showScore_->setEnabled(!show);
  if (save) {
    if (const FileError error = store_.setAndSave(field::ShowScore, show ? "Y" : "N")) fileError(*error);
  }
  fnLayoutTopArea();
}

void MainWindow::setLargeToolbar(bool large, bool save) {
  largeBar_->setVisible(large);
  smallBar_->setVisible(!large);
  (large ? largeIcons_ : smallIcons_)->setChecked(true);
  if (save) {
    if (const FileError error = store_.preferences().writeString(prefkey::Section, prefkey::ToolBarLarge,
                                                                 large ? "Y" : "N"))
      fileError(*error);
  }
  // The table starts below whichever toolbar shows.
  runResizeSteps();
}

void MainWindow::setFlatToolbar(bool flat, bool save) {
  largeBar_->setFlat(flat);
  smallBar_->setFlat(flat);
  (flat ? flatButtons_ : raisedButtons_)->setChecked(true);
  if (save) {
    if (const FileError error = store_.preferences().writeString(prefkey::Section, prefkey::ToolBarFlat,
                                                                 flat ? "Y" : "N"))
      fileError(*error);
  }
}

void MainWindow::showToolbarPopup(const QPoint& at) { toolbarPopup_->popup(at); }

void MainWindow::runToolButton(ToolButton which) {
  // The window is drawn again first, so the pressed button does not linger on a stale table.
  table_->repaint();
  switch (which) {
    case ToolButton::New: newGame(); break;
    case ToolButton::Open: openGameCatalogue(); break;
    case ToolButton::Restart: restartGame(); break;
    case ToolButton::Save: saveGame(); break;
    case ToolButton::Undo: undo(); break;
    case ToolButton::Redo: redo(); break;
    case ToolButton::Autoplay: toggleAutoplay(); break;
    case ToolButton::Statistics: showStatistics(); break;
    case ToolButton::Rules: showRules(); break;
    case ToolButton::Exit: close(); break;
  }
}

void MainWindow::syncAutoplay() {
  const Game& game = session_->game();
  const bool on = game.autoplayOn();
  const bool available = !gameOnTable_ || game.autoplayAvailable();
  if (QAction* item = action(QStringLiteral("mnuAutoplay"))) {
    item->setChecked(on);
    item->setEnabled(available);
  }
  for (ToolStrip* bar : {largeBar_, smallBar_}) {
    bar->button(ToolButton::Autoplay)->setChecked(on);
    bar->button(ToolButton::Autoplay)->setEnabled(available);
  }
}

}  // namespace quilloro
