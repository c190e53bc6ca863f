// The View menu of the main window: zoom in and out, fit to window, full screen, and keeping the choice.
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/window/main_window.hpp"
#include "app/window/table_widget.hpp"

namespace quilloro {
namespace {

constexpr int kViewCaption = 7801;
constexpr int kZoomInCaption = 7802;
constexpr int kZoomOutCaption = 7803;
constexpr int kFitCaption = 7804;
constexpr int kFullScreenCaption = 7805;

}  // namespace

void MainWindow::buildViewMenu(QMenu* before) {
  auto* menu = new QMenu(QStringLiteral("&View"), this);
  menu->setObjectName(QStringLiteral("mnuView"));
  menu->menuAction()->setObjectName(QStringLiteral("mnuView"));
  if (before != nullptr) menuBar()->insertMenu(before->menuAction(), menu);
  else menuBar()->addMenu(menu);
  captioned_.push_back({menu->menuAction(), kViewCaption});

  struct Item {
    const char* name;
    const char* caption;
    int textNumber;
    QList<QKeySequence> keys;
    void (MainWindow::*slot)();
    bool checkable;
  };
  const Item items[] = {
      {"mnuZoomIn", "Zoom &in", kZoomInCaption, {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))},
       &MainWindow::zoomIn, false},
      {"mnuZoomOut", "Zoom &out", kZoomOutCaption, {QKeySequence(QStringLiteral("Ctrl+-"))}, &MainWindow::zoomOut, false},
      {"mnuFitToWindow", "&Fit to window", kFitCaption, {QKeySequence(QStringLiteral("Ctrl+0"))}, &MainWindow::fitToWindow,
       true},
      {"mnuFullScreen", "F&ull screen", kFullScreenCaption, {QKeySequence(QStringLiteral("F11"))},
       &MainWindow::toggleFullScreen, true},
  };
  for (const Item& item : items) {
    QAction* action = menu->addAction(QString::fromLatin1(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    action->setShortcuts(item.keys);
    action->setCheckable(item.checkable);
    captioned_.push_back({action, item.textNumber});
    connect(action, &QAction::triggered, this, item.slot);
    if (std::string_view(item.name) == "mnuZoomOut") menu->addSeparator();
  }
  action(QStringLiteral("mnuFitToWindow"))->setChecked(zoom_.fitToWindow());

  // Esc leaves full screen; elsewhere the key stays free for the rest of the window.
  auto* leave = new QAction(this);
  leave->setObjectName(QStringLiteral("mnuLeaveFullScreen"));
  leave->setShortcut(QKeySequence(Qt::Key_Escape));
  leave->setEnabled(false);
  addAction(leave);
  connect(leave, &QAction::triggered, this, &MainWindow::leaveFullScreen);
}

void MainWindow::readZoomPreferences() {
  const IniFile file = store_.preferences();
  zoom_.setFitToWindow(file.readString(prefkey::Section, prefkey::FitToWindow, "Y") != "N");
  // The file counts the steps from 1, the table's own zoom.
  zoom_.setStep(static_cast<int>(file.readInteger(prefkey::Section, prefkey::Zoom, 1)) - 1);
}

// A table shrunk to fit is not a step the player chose: the file keeps zoom 1 for it.
void MainWindow::writeZoomPreferences() {
  IniFile file = store_.preferences();
  file.writeStrings(prefkey::Section, {{std::string(prefkey::FitToWindow), zoom_.fitToWindow() ? "Y" : "N"},
                                       {std::string(prefkey::Zoom), std::to_string(std::max(zoom_.step(), 0) + 1)}});
}

void MainWindow::applyZoom() {
  zoom_.setDevicePixelRatio(table_->devicePixelRatioF());
  renderer_->setZoom(zoom_.scale());
  table_->fitSurface();
  if (QAction* fit = action(QStringLiteral("mnuFitToWindow"))) fit->setChecked(zoom_.fitToWindow());
}

void MainWindow::zoomIn() {
  if (!zoom_.zoomIn()) QApplication::beep();
  writeZoomPreferences();
  runResizeSteps();
}

void MainWindow::zoomOut() {
  if (!zoom_.zoomOut()) QApplication::beep();
  writeZoomPreferences();
  runResizeSteps();
}

void MainWindow::fitToWindow() {
  // A second choice of the checked item turns fit off and keeps the zoom it found.
  zoom_.setFitToWindow(!zoom_.fitToWindow());
  writeZoomPreferences();
  runResizeSteps();
}

void MainWindow::toggleFullScreen() {
  if (isFullScreen()) showNormal();
  else showFullScreen();
  if (QAction* full = action(QStringLiteral("mnuFullScreen"))) full->setChecked(isFullScreen());
  if (QAction* leave = action(QStringLiteral("mnuLeaveFullScreen"))) leave->setEnabled(isFullScreen());
}

void MainWindow::leaveFullScreen() {
  if (isFullScreen()) toggleFullScreen();
}

}  // namespace quilloro
