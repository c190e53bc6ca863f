// The main window's Options, Customize, Card counter and Tip of the Day commands, and what those windows change in it.
#include "app/window/window_extras.hpp"

#include <QAction>
#include <QApplication>

#include "app/window/main_window.hpp"
#include "app/window/table_widget.hpp"
#include "dialogs/card_counter_window.hpp"
#include "dialogs/customize_dialog.hpp"
#include "dialogs/options_dialog.hpp"
#include "dialogs/tips_dialog.hpp"

namespace quilloro {

WindowExtras::WindowExtras(MainWindow& window) : QObject(&window), window_(window) {
  counter_ = new TfrmCardCounter(*this, &window);
  window_.setDialog(WindowDialog::Options, [this] { showOptions(); });
  window_.setDialog(WindowDialog::Customize, [this] { showCustomize(); });
  window_.setDialog(WindowDialog::TipOfTheDay, [this] { showTips(); });
  window_.setDialog(WindowDialog::CardCounter, [this] { toggleCardCounter(); });
  CardCounterLink link;
  link.cardMoved = [this] {
    if (counter_->isVisible()) counter_->cardMoved();
  };
  link.refresh = [this] {
    if (counter_->isVisible()) counter_->cardMoved();
  };
  link.restore = [this] { counter_->loadSettings(); };
  link.save = [this] { counter_->saveSettings(); };
  window_.setCardCounterLink(std::move(link));
  // The menu's check mark follows the window, however it was shown or closed.
  connect(counter_, &TfrmCardCounter::shownChanged, this, [this](bool shown) {
    if (QAction* item = window_.action(QStringLiteral("mnuCardCounter"))) item->setChecked(shown);
  });
}

void WindowExtras::showOptions() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TfrmOpzioni dialog(*this, &window_);
  QApplication::restoreOverrideCursor();
  dialog.exec();
  window_.redrawTable();
}

void WindowExtras::showCustomize() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TfrmPersonalizza dialog(*this, &window_);
  QApplication::restoreOverrideCursor();
  dialog.exec();
}

void WindowExtras::showTips() {
  TfrmTips dialog(*this, &window_);
  dialog.exec();
}

void WindowExtras::toggleCardCounter() {
  const bool wasShown = counter_->isVisible();
  counter_->hide();
  window_.redrawTable();
  if (!wasShown) counter_->toggle();
  counter_->saveSettings();
}

SettingsStore& WindowExtras::store() { return window_.store(); }
const StringTable& WindowExtras::strings() const { return window_.strings(); }
int WindowExtras::languageBase() const { return window_.languageBase(); }
MessageBoxes& WindowExtras::boxes() { return window_.boxes(); }
SoundPlayer& WindowExtras::sounds() { return window_.sounds(); }
std::filesystem::path WindowExtras::installFolder() const { return window_.paths().install; }
std::filesystem::path WindowExtras::homeFolder() const { return window_.paths().home; }
long long WindowExtras::displayColours() const { return window_.displayColours(); }

void WindowExtras::applyToolbar(bool large, bool flat) {
  window_.setLargeToolbar(large, false);
  window_.setFlatToolbar(flat, false);
}

void WindowExtras::applyPanels(bool showTime, bool showScore) {
  window_.fnShowTimePanel(showTime, false);
  window_.fnShowScorePanel(showScore, false);
}

void WindowExtras::applyStatusBar(bool visible) { window_.setStatusBarShown(visible); }

void WindowExtras::applyLanguage() {
  window_.applyLanguageCaptions();
  counter_->applyLanguage();
}

void WindowExtras::applyLook() {
  window_.renderer().loadCardImages(window_.tableLayout().cardSize());
  window_.runResizeSteps();
}

void WindowExtras::applyPointer() {
  window_.table()->setPointerShape(static_cast<int>(window_.settings().getInteger(field::Cursor).value_or(11)));
}

void WindowExtras::showHelp() { window_.showHelpContents(); }

const GameState* WindowExtras::gameOnTable() const { return window_.tableGame(); }

}  // namespace quilloro
