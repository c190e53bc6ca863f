// The Customize window on a real main window: Apply, OK and Cancel, the background values, the sounds and the samples.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>

#include "app/window/table_widget.hpp"
#include "dialogs/customize_dialog.hpp"
#include "tests/dialogs/dialogs_test_support.hpp"

namespace quilloro {
namespace {

QRgb tablePixel(MainWindow& w) { return w.table()->grab().toImage().pixel(3, w.table()->height() - 40); }

TEST_F(DialogsTest, CancelAfterApplyReturnsToTheValuesFoundAtOpening) {
  MainWindow& w = start();
  const std::string card = w.settings().get(field::Card), back = w.settings().get(field::BackCard);
  const std::string bitmap = w.settings().get(field::BackgroundBitmap);
  const QRgb before = tablePixel(w);
  TfrmPersonalizza dialog(*extras, &w);
  dialog.selectCardSet(3);
  ASSERT_TRUE(dialog.selectBack(24));
  ASSERT_TRUE(dialog.selectBackground(16711680));  // Blue
  dialog.btnApplyClick();
  EXPECT_EQ(w.settings().get(field::Card), "003");
  EXPECT_EQ(w.settings().get(field::BackCard), "024");
  EXPECT_EQ(w.settings().getInteger(field::BackgroundFixedColour), 16711680);
  // The table shows the choice at once.
  EXPECT_EQ(tablePixel(w), qRgb(0, 0, 255));
  ASSERT_TRUE(dialog.selectBackground(32768));  // Green
  dialog.btnApplyClick();
  dialog.btnCancelClick();
  EXPECT_EQ(w.settings().get(field::Card), card);
  EXPECT_EQ(w.settings().get(field::BackCard), back);
  EXPECT_EQ(w.settings().get(field::BackgroundBitmap), bitmap);
  EXPECT_EQ(tablePixel(w), before);
  EXPECT_EQ(key("Card"), "(none)") << "neither Apply nor Cancel writes the file";
}

TEST_F(DialogsTest, ClosingTheFrameActsAsCancel) {
  MainWindow& w = start();
  const std::string back = w.settings().get(field::BackCard);
  TfrmPersonalizza dialog(*extras, &w);
  dialog.show();
  ASSERT_TRUE(dialog.selectBack(3));
  dialog.btnApplyClick();
  dialog.close();
  EXPECT_EQ(w.settings().get(field::BackCard), back);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(DialogsTest, WhiteStoresItsColourWithPictureZeroAndTheCustomColourStays) {
  preferences().writeString("Preference", "Background_Col", "12345");
  MainWindow& w = start();
  TfrmPersonalizza dialog(*extras, &w);
  EXPECT_EQ(dialog.customColour(), 12345);
  ASSERT_TRUE(dialog.selectBackground(16777215));
  EXPECT_TRUE(dialog.chkFade()->isEnabled());
  EXPECT_FALSE(dialog.btnSelectColor()->isEnabled());
  dialog.btnOKClick();
  EXPECT_EQ(key("Background_Fixed_Col"), "16777215");
  EXPECT_EQ(key("Background_bmp"), "0");
  EXPECT_EQ(key("Background_Def"), "N");
  EXPECT_EQ(key("Background_Col"), "12345");
  EXPECT_EQ(w.settings().get(field::BackgroundDefault), "N");
  EXPECT_EQ(tablePixel(w), qRgb(255, 255, 255));

  // The custom colour chosen without the colour dialog keeps the stored one.
  TfrmPersonalizza again(*extras, &w);
  ASSERT_TRUE(again.selectBackground(1));
  EXPECT_TRUE(again.btnSelectColor()->isEnabled());
  again.btnOKClick();
  EXPECT_EQ(key("Background_Fixed_Col"), "0");
  EXPECT_EQ(key("Background_Col"), "12345");
  EXPECT_EQ(tablePixel(w), qRgb(0x39, 0x30, 0x00));
}

TEST_F(DialogsTest, OnAPaletteDisplayTheFadeBoxStaysOffForEveryNode) {
  MainWindow& w = start(256);
  TfrmPersonalizza dialog(*extras, &w);
  for (long long value : {1LL, 16777215LL, 8388608LL, 263LL}) {
    ASSERT_TRUE(dialog.selectBackground(value));
    EXPECT_FALSE(dialog.chkFade()->isEnabled()) << value;
  }
}

TEST_F(DialogsTest, APictureBackgroundDisablesTheFadeAndTheColourButton) {
  MainWindow& w = start();
  TfrmPersonalizza dialog(*extras, &w);
  ASSERT_TRUE(dialog.selectBackground(262));  // Granite
  EXPECT_FALSE(dialog.chkFade()->isEnabled());
  EXPECT_FALSE(dialog.btnSelectColor()->isEnabled());
  EXPECT_FALSE(dialog.backgroundCaption()->text().isEmpty());
  dialog.btnOKClick();
  EXPECT_EQ(key("Background_bmp"), "262");
  EXPECT_EQ(key("Background_Fixed_Col"), "0");
  EXPECT_EQ(dialog.backgroundValue(), 262);
}

TEST_F(DialogsTest, DisableAllSoundsKeepsEveryEventsOwnSwitch) {
  MainWindow& w = start();
  TfrmPersonalizza dialog(*extras, &w);
  dialog.soundList()->setCurrentRow(13);  // Redo
  dialog.btnDisableClick();
  dialog.chkDisableSounds()->setChecked(true);
  EXPECT_FALSE(dialog.soundList()->isEnabled());
  dialog.btnOKClick();
  EXPECT_EQ(key("Sounds_Enabled"), "N");
  EXPECT_EQ(key("Sounds_Redo"), "N");
  EXPECT_EQ(key("Sounds_Undo"), "Y");
  EXPECT_EQ(key("Sounds_About"), "Y");
  EXPECT_EQ(key("Sounds_Splash"), "Y");
  EXPECT_EQ(w.settings().get(field::SoundsEnabled), "N");
  EXPECT_EQ(w.settings().get(field::SoundsUndo), "Y");
}

TEST_F(DialogsTest, OkWritesSpeedPointerAndEffectsAndTheWindowTakesThePointer) {
  MainWindow& w = start();
  TfrmPersonalizza dialog(*extras, &w);
  dialog.speedBar()->setValue(1);
  dialog.cursorList()->setCurrentRow(3);
  dialog.chkShadowed()->setChecked(false);
  dialog.chkIrregular()->setChecked(true);
  dialog.btnOKClick();
  EXPECT_EQ(key("Speed_Move_Card"), "50");
  EXPECT_EQ(key("Cursor"), "13");
  EXPECT_EQ(key("Cards_Shadowed"), "N");
  EXPECT_EQ(key("Piles_TT"), "Y");
  EXPECT_EQ(w.settings().getInteger(field::SpeedMoveCard), 50);
  EXPECT_EQ(w.settings().getInteger(field::Cursor), 13);
  // The fastest step is no pause at all.
  TfrmPersonalizza again(*extras, &w);
  EXPECT_EQ(again.speedBar()->value(), 1);
  EXPECT_EQ(again.cursorList()->currentRow(), 3);
  again.speedBar()->setValue(5);
  again.btnOKClick();
  EXPECT_EQ(key("Speed_Move_Card"), "0");
}

TEST_F(DialogsTest, TheSamplesShowTheChosenBackOnTheChosenBackgroundAndTheBackMoves) {
  MainWindow& w = start();
  QElapsedTimer opening;
  opening.start();
  TfrmPersonalizza dialog(*extras, &w);
  const qint64 firstOpening = opening.elapsed();
  ASSERT_TRUE(dialog.selectBackground(8388608));  // Navy
  ASSERT_TRUE(dialog.selectBack(18));             // Eagle
  EXPECT_EQ(dialog.backCaption()->text(), QStringLiteral("Eagle"));
  const QImage first = dialog.backSample();
  EXPECT_EQ(first.pixel(5, 5), qRgb(0, 0, 128));
  const int step = dialog.backPosition();
  const QPoint at(TfrmPersonalizza::kBackPositions[step][0] + 35, TfrmPersonalizza::kBackPositions[step][1] + 48);
  EXPECT_NE(first.pixel(at), qRgb(0, 0, 128)) << "the back stands at its place";
  QTest::qWait(700);
  EXPECT_NE(dialog.backPosition(), step);
  // The card sample shows six cards over the background.
  const QImage cards = dialog.cardSample();
  EXPECT_EQ(cards.pixel(3, 3), qRgb(0, 0, 128));
  EXPECT_NE(cards.pixel(20 + 35, 10 + 48), qRgb(0, 0, 128));
  std::printf("opening Customize took %lld ms\n", static_cast<long long>(firstOpening));
}

}  // namespace
}  // namespace quilloro
