// The Options window on a real main window: what OK writes and shows, the language choice, clearing the hi-scores.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QMenuBar>
#include <QRadioButton>

#include "app/window/info_panel.hpp"
#include "dialogs/options_dialog.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/result_files.hpp"
#include "tests/dialogs/dialogs_test_support.hpp"

namespace quilloro {
namespace {

TEST_F(DialogsTest, OptionsOkRewritesTheStatusBarAsSAndKeepsEveryUntouchedValue) {
  preferences().writeString("Preference", "StatusBar", "Y");
  preferences().writeString("Preference", "ToolBar_Visible", "Y");
  preferences().writeString("Preference", "ConfirmQuit", "N");
  MainWindow& w = start();
  ASSERT_TRUE(w.statusBox()->isVisible());
  TfrmOpzioni dialog(*extras, &w);
  // The hidden controls are read like the visible ones.
  EXPECT_FALSE(dialog.chkToolbar()->isVisible());
  EXPECT_TRUE(dialog.chkToolbar()->isChecked());
  EXPECT_TRUE(dialog.chkStatusBar()->isChecked());
  EXPECT_FALSE(dialog.chkConfirmExit()->isChecked());
  dialog.btnOKClick();
  EXPECT_EQ(key("StatusBar"), "S");
  EXPECT_EQ(w.settings().get(field::StatusBar), "S");
  EXPECT_TRUE(w.statusBox()->isVisible());
  EXPECT_EQ(key("ToolBar_Visible"), "Y");
  EXPECT_EQ(key("ConfirmQuit"), "N");
  EXPECT_EQ(key("ConfirmQuitGame"), "Y");
  EXPECT_EQ(key("Undo_Enabled"), "0");
  EXPECT_EQ(key("Language"), "20000");
}

TEST_F(DialogsTest, UntickingShowTimeHidesThePanelAndOffersShowTimeInThePopUp) {
  MainWindow& w = start();
  ASSERT_TRUE(w.timePanel()->isVisible());
  TfrmOpzioni dialog(*extras, &w);
  dialog.chkShowTime()->setChecked(false);
  dialog.chkLargeIcons()->setChecked(true);
  dialog.btnOKClick();
  EXPECT_FALSE(w.timePanel()->isVisible());
  EXPECT_TRUE(w.scorePanel()->isVisible());
  EXPECT_EQ(key("Show_Time"), "N");
  EXPECT_EQ(w.settings().get(field::ShowTime), "N");
  EXPECT_TRUE(w.action(QStringLiteral("popShowTime"))->isEnabled());
  EXPECT_FALSE(w.action(QStringLiteral("popShowScore"))->isEnabled());
  EXPECT_EQ(w.visibleToolbar(), w.largeToolbar());
  EXPECT_EQ(key("ToolBar_Large"), "Y");
}

TEST_F(DialogsTest, OnlyOneUndoAllowsOneUndoInARow) {
  MainWindow& w = start();
  {
    TfrmOpzioni dialog(*extras, &w);
    dialog.rgUndo()->button(1)->click();
    dialog.btnOKClick();
  }
  EXPECT_EQ(key("Undo_Enabled"), "1");
  EXPECT_EQ(w.settings().get(field::UndoEnabled), "1");
  Game& game = w.session().game();
  ASSERT_TRUE(game.underWay());
  ASSERT_EQ(game.pressStock(), StockPress::Moved) << "the first game kind deals from its stock";
  ASSERT_EQ(game.pressStock(), StockPress::Moved);
  EXPECT_TRUE(game.undo());
  EXPECT_FALSE(game.undo()) << "a second undo in a row is refused";
  // Shown again, the dialog reads the choice back.
  TfrmOpzioni again(*extras, &w);
  EXPECT_EQ(again.rgUndo()->checkedId(), 1);
}

TEST_F(DialogsTest, TheLanguageChoiceSurvivesOkAndRecaptionsTheMenusAtOnce) {
  MainWindow& w = start();
  QAction* file = w.action(QStringLiteral("mnuGame"));
  ASSERT_NE(file, nullptr);
  const QString english = file->text();
  {
    TfrmOpzioni dialog(*extras, &w);
    EXPECT_EQ(dialog.cmbLanguage()->currentIndex(), 0);
    dialog.cmbLanguage()->setCurrentIndex(1);
    dialog.btnOKClick();
  }
  EXPECT_EQ(key("Language"), "10000");
  EXPECT_EQ(w.languageBase(), kItalianBase);
  EXPECT_NE(file->text(), english);
  // OK without a change keeps Italian, in the dialog's own captions as well.
  TfrmOpzioni italian(*extras, &w);
  EXPECT_EQ(italian.cmbLanguage()->currentIndex(), 1);
  EXPECT_EQ(italian.windowTitle(), QStringLiteral("Opzioni"));
  italian.btnOKClick();
  EXPECT_EQ(key("Language"), "10000");
}

TEST_F(DialogsTest, ClearScoresAsksFirstAndStaysClearedAfterCancel) {
  MainWindow& w = start();
  const auto hiScores = stats::ResultFiles::under(home.path()).hiScores;
  TfrmOpzioni dialog(*extras, &w);
  boxes.answer = false;
  dialog.btnClearScoresClick();
  EXPECT_FALSE(std::filesystem::exists(hiScores));
  ASSERT_EQ(boxes.asked.size(), 1u);
  EXPECT_EQ(boxes.asked[0], QString::fromLatin1(TfrmOpzioni::kClearQuestion));
  boxes.answer = true;
  dialog.btnClearScoresClick();
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown.back(), QString::fromLatin1(TfrmOpzioni::kCleared));
  dialog.chkShowTime()->setChecked(false);
  dialog.reject();
  EXPECT_TRUE(std::filesystem::exists(hiScores));
  EXPECT_NE(key("Show_Time"), "N") << "Cancel writes nothing";
  EXPECT_TRUE(w.timePanel()->isVisible());
}

}  // namespace
}  // namespace quilloro
