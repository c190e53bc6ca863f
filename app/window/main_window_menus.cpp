// The menu bar of the main window: every item, its shortcut and the text number of its caption.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "app/widgets/qt_texts.hpp"
#include "app/window/info_panel.hpp"
#include "app/window/main_window.hpp"
#include "app/window/tool_strip.hpp"

namespace quilloro {
namespace {

using Slot = void (MainWindow::*)();

struct ItemSpec {
  const char* name;       // the action's object name
  const char* caption;    // used when the item has no text number
  int textNumber;         // 0: the caption stays as given
  const char* shortcut;   // empty: none
  Slot slot;
  bool checkable = false;
  // Shown beside the caption without being bound: the key belongs to an earlier item.
  const char* shownShortcut = "";
};

struct MenuSpec {
  const char* name;
  const char* caption;
  int textNumber;
  std::vector<ItemSpec> items;
};

const std::vector<MenuSpec>& menuTable() {
  static const std::vector<MenuSpec> table{
      {"mnuFile", "&File", 203,
       {{"mnuNewGame", "&New game", 215, "F2", &MainWindow::newGame},
        {"mnuOpenGame", "&Open a game", 209, "Ctrl+F12", &MainWindow::openGameCatalogue},
        {"mnuRestartGame", "&Restart game", 239, "Ctrl+F2", &MainWindow::restartGame},
        {"mnuSelectGame", "&Select a game...", 241, "F3", &MainWindow::selectGameNumber},
        {"mnuSave", "&Save...", 210, "Shift+Ctrl+F12", &MainWindow::saveGame},
        {"mnuPlayers", "&Players...", 216, "Ctrl+Y", &MainWindow::showPlayers},
        {"-", "", 0, "", nullptr},
        {"mnuExit", "E&xit", 213, "", nullptr}}},
      {"mnuGame", "&Game", 206,
       {{"mnuUndo", "&Undo", 217, "Ctrl+Z", &MainWindow::undo},
        {"mnuRedo", "&Redo", 219, "Ctrl+Shift+Z", &MainWindow::redo},
        {"-", "", 0, "", nullptr},
        {"mnuPause", "Pa&use", 4602, "Ctrl+P", &MainWindow::pauseGame, true},
        {"mnuHint", "&Hint", 7600, "H", &MainWindow::showHint},
        {"mnuFinish", "&Finish for me", 7601, "", &MainWindow::finishForMe},
        {"mnuAutoplay", "&Autoplay", 226, "F7", &MainWindow::toggleAutoplay, true},
        {"-", "", 0, "", nullptr},
        {"mnuDemo", "&Demo", 4603, "Ctrl+D", &MainWindow::startDemo}}},
      {"mnuStatistics", "&Statistics", 4601,
       {{"mnuStatisticsDialog", "&Statistics...", 221, "F4", &MainWindow::showStatistics},
        {"mnuHiScores", "&Hi-Scores...", 5219, "F9", &MainWindow::showHiScores}}},
      {"mnuTools", "&Tools", 205,
       {{"mnuCustomize", "&Customize...", 212, "Ctrl+U", &MainWindow::showCustomize},
        {"mnuOptions", "&Options...", 223, "Ctrl+O", &MainWindow::showOptions},
        {"-", "", 0, "", nullptr},
        {"mnuFavourites", "&Favorite games...", 4605, "", &MainWindow::showFavourites},
        {"mnuCardCounter", "&Card counter...", 4606, "F8", &MainWindow::toggleCardCounter, true}}},
      {"mnuHelp", "&?", 0,
       {{"mnuRules", "&Rules", 231, "F1", &MainWindow::showRules},
        {"mnuContents", "&Contents", 233, "", &MainWindow::showHelpContents},
        {"mnuTipOfTheDay", "&Tip of the Day...", 4607, "", &MainWindow::showTipOfTheDay},
        {"-", "", 0, "", nullptr},
        {"mnuWeb", "[Program] on the &Web...", 4608, "", nullptr},
        {"-", "", 0, "", nullptr},
        {"mnuAbout", "&About...", 235, "", &MainWindow::showAbout}}},
  };
  return table;
}

constexpr int kWebSiteCaption = 4609;

// Start-up puts the program's name in place of the first "[Program]".
QString withProgramName(QString caption) {
  const QString placeholder = QStringLiteral("[Program]");
  const qsizetype at = caption.indexOf(placeholder);
  if (at >= 0) caption.replace(at, placeholder.size(), kProgramName);
  return caption;
}

}  // namespace

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  for (const MenuSpec& menuSpec : menuTable()) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(menuSpec.caption));
    menu->setObjectName(QString::fromLatin1(menuSpec.name));
    menu->menuAction()->setObjectName(QString::fromLatin1(menuSpec.name));
    if (menuSpec.textNumber != 0) captioned_.push_back({menu->menuAction(), menuSpec.textNumber});
    for (const ItemSpec& item : menuSpec.items) {
      if (std::string_view(item.name) == "-") {
        menu->addSeparator();
        continue;
      }
      const QString name = QString::fromLatin1(item.name);
      if (name == QLatin1String("mnuWeb")) {
        QMenu* web = menu->addMenu(withProgramName(QString::fromLatin1(item.caption)));
        web->menuAction()->setObjectName(name);
        captioned_.push_back({web->menuAction(), item.textNumber});
        QAction* site = web->addAction(withProgramName(QStringLiteral("[Program] &Web Site...")));
        site->setObjectName(QStringLiteral("mnuWebSite"));
        captioned_.push_back({site, kWebSiteCaption});
        connect(site, &QAction::triggered, this, &MainWindow::openWebSite);
        continue;
      }
      QAction* action = menu->addAction(QString::fromLatin1(item.caption));
      action->setObjectName(name);
      if (*item.shortcut != '\0') action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
      action->setProperty("shownShortcut", QString::fromLatin1(item.shownShortcut));
      if (*item.shownShortcut != '\0') action->setText(action->text() + '\t' + QString::fromLatin1(item.shownShortcut));
      action->setCheckable(item.checkable);
      if (item.textNumber != 0) captioned_.push_back({action, item.textNumber});
      if (name == QLatin1String("mnuExit")) connect(action, &QAction::triggered, this, &QWidget::close);
      else if (item.slot != nullptr) connect(action, &QAction::triggered, this, item.slot);
    }
  }
  buildViewMenu(bar->findChild<QMenu*>(QStringLiteral("mnuHelp")));
}

void MainWindow::applyLanguageCaptions() {
  const int base = languageBase();
  useQtTexts(base);
  for (const CaptionedItem& item : captioned_) {
    QString caption =
        withProgramName(QString::fromStdString(std::string(captionPart(strings_.text(base, item.textNumber)))));
    if (caption.isEmpty()) continue;
    const QString shown = item.action->property("shownShortcut").toString();
    if (!shown.isEmpty()) caption += '\t' + shown;
    item.action->setText(caption);
  }
  // The toolbar hints follow the buttons' order, from 5230 on.
  for (int i = 0; i < kToolButtonCount; ++i) {
    const auto which = static_cast<ToolButton>(i);
    const QString hint = windowText(kFirstToolHintText + i, toolTipOf(which).toUtf8().constData());
    for (ToolStrip* strip : {largeBar_, smallBar_}) strip->button(which)->setToolTip(hint);
  }
  timePanel_->setLabel(text(kTimeCaption));
  updateStatusCounts();
  scorePanel_->setLabel(text(kScoreCaption));
  fnLayoutTopArea();
}

QAction* MainWindow::action(const QString& objectName) const {
  for (QAction* candidate : findChildren<QAction*>(objectName)) return candidate;
  return nullptr;
}

}  // namespace quilloro
