// The demo bar steps through a recorded game: buttons, scroll bar and display.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "app/selection/demo_bar.hpp"
#include "app/selection/demo_play_pace.hpp"
#include "app/core/shared_routines.hpp"
#include "tests/app/selection/game_selection_test_support.hpp"

namespace quilloro {
namespace {

using testing::SelectionSession;

// Ten stock clicks of Klondike recorded as the demo of game 0, and the table
// after each of them: tables[p - 1] is what position p shows.
struct RecordedDemo : SelectionSession {
  RecordedDemo() {
    settings.set(field::GameNumber, "0000000000042");
    EXPECT_FALSE(session.newGame({.deal = true, .newNumber = false}));
    tables.push_back(table());
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(session.game().pressStock(), StockPress::Moved);
      tables.push_back(table());
    }
    std::filesystem::create_directories(home / "Demos");
    EXPECT_FALSE(session.save(session.demoFile()));
    EXPECT_FALSE(session.endGame().value_or(true));
  }

  std::string table() const {
    std::string piles;
    for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
      for (int i = 0; i < pileListSize(list); ++i)
        piles += session.game().state.stateTokens(session.game().state.piles.pile(list, i)) + "|";
    return piles;
  }

  std::vector<std::string> tables;
};

TEST(DemoBar, ButtonsStepThroughThePositions) {
  RecordedDemo s;
  const GameSession::DemoStart demo = s.session.startDemo();
  ASSERT_EQ(demo.lastPosition, 11) << demo.error;
  DemoBar bar(&s.session);
  EXPECT_EQ(bar.height(), DemoBar::kHeight);
  bar.begin(demo.lastPosition);
  EXPECT_EQ(bar.positionText(), "1/11");
  EXPECT_EQ(s.table(), s.tables[0]);

  bar.next();
  EXPECT_EQ(bar.positionText(), "4/11");
  EXPECT_EQ(bar.scrollBar()->value(), 4);
  EXPECT_EQ(s.table(), s.tables[3]);
  bar.last();
  EXPECT_EQ(bar.positionText(), "11/11");
  EXPECT_EQ(s.table(), s.tables[10]);
  bar.next();
  EXPECT_EQ(bar.positionText(), "11/11");
  bar.prior();
  EXPECT_EQ(bar.positionText(), "8/11");
  EXPECT_EQ(s.table(), s.tables[7]);
  bar.first();
  bar.next();
  bar.prior();
  bar.prior();
  EXPECT_EQ(bar.positionText(), "1/11");
  EXPECT_EQ(s.table(), s.tables[0]);
  bar.goTo(2);
  bar.prior();
  EXPECT_EQ(bar.positionText(), "1/11");
  EXPECT_EQ(bar.findChild<QLabel*>("pnlDemoCount")->text(), "1/11");
}

TEST(DemoBar, TheScrollBarMovesTheTableExceptWhileItsThumbIsDragged) {
  RecordedDemo s;
  ASSERT_EQ(s.session.startDemo().lastPosition, 11);
  DemoBar bar(&s.session);
  bar.begin(11);
  auto* play = bar.findChild<QToolButton*>("btnDemoPlay");
  play->setChecked(true);

  bar.scrollBar()->setValue(6);
  EXPECT_EQ(bar.positionText(), "6/11");
  EXPECT_EQ(s.table(), s.tables[5]);
  EXPECT_FALSE(play->isChecked());

  bar.scrollBar()->setSliderDown(true);
  bar.scrollBar()->setValue(9);
  bar.scrollBar()->setValue(10);
  EXPECT_EQ(bar.positionText(), "6/11");
  EXPECT_EQ(s.table(), s.tables[5]);
  bar.scrollBar()->setSliderDown(false);
  EXPECT_EQ(bar.positionText(), "10/11");
  EXPECT_EQ(s.table(), s.tables[9]);

  bar.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(bar.positionText(), "9/11");
  EXPECT_EQ(s.table(), s.tables[8]);
}

TEST(DemoBar, PlayStepsByItselfUntilStopTheEndOrAnotherControl) {
  RecordedDemo s;
  const GameSession::DemoStart demo = s.session.startDemo();
  ASSERT_EQ(demo.lastPosition, 11) << demo.error;
  DemoBar bar(&s.session);
  bar.begin(demo.lastPosition);
  bar.setPlayInterval(5);
  EXPECT_FALSE(bar.playButton()->icon().isNull());

  bar.playButton()->click();
  EXPECT_TRUE(bar.playing());
  EXPECT_TRUE(QTest::qWaitFor([&bar] { return bar.position() >= 3; }, 2000));
  bar.stopButton()->click();
  EXPECT_FALSE(bar.playing());
  const int stopped = bar.position();
  EXPECT_GE(stopped, 3);
  QTest::qWait(30);
  EXPECT_EQ(bar.position(), stopped);
  EXPECT_EQ(s.table(), s.tables[static_cast<std::size_t>(stopped - 1)]);

  // Another control ends the playing.
  bar.playButton()->click();
  bar.first();
  EXPECT_FALSE(bar.playing());
  EXPECT_FALSE(bar.playButton()->isChecked());

  // Played to the end, it stops there by itself.
  bar.playButton()->click();
  EXPECT_TRUE(QTest::qWaitFor([&bar] { return !bar.playing(); }, 3000));
  EXPECT_EQ(bar.positionText(), "11/11");
  EXPECT_EQ(s.table(), s.tables[10]);
  EXPECT_FALSE(bar.playButton()->isChecked());
}

TEST(DemoBar, PlayKeepsThePaceOfTheCardSpeed) {
  RecordedDemo s;
  const GameSession::DemoStart demo = s.session.startDemo();
  ASSERT_EQ(demo.lastPosition, 11) << demo.error;
  DemoBar bar(&s.session);
  bar.begin(demo.lastPosition);
  bar.followCardSpeed(&s.settings);

  // The five speeds the player is offered, slowest first: slower cards, longer pauses.
  int previous = 1 << 20;
  for (const char* speed : {"50", "25", "10", "3", "0"}) {
    s.settings.set(field::SpeedMoveCard, speed);
    bar.playButton()->click();
    EXPECT_TRUE(bar.playing()) << speed;
    EXPECT_LE(bar.playInterval(), previous) << speed;
    EXPECT_GE(bar.playInterval(), kLeastDemoPause) << speed;
    previous = bar.playInterval();
    bar.stopButton()->click();
  }
  s.settings.set(field::SpeedMoveCard, "50");
  EXPECT_EQ(demoPlayPause(s.settings), 1500);
  s.settings.set(field::SpeedMoveCard, "10");
  EXPECT_EQ(demoPlayPause(s.settings), 300);
  // Without card flights, or with the fastest speed, each move still stays in view.
  s.settings.set(field::SpeedMoveCard, "0");
  s.settings.set(field::CardsAnimate, "N");
  EXPECT_EQ(demoPlayPause(s.settings), kLeastDemoPause);
  // A broken preference plays at the normal pace.
  s.settings.set(field::SpeedMoveCard, "x");
  EXPECT_EQ(demoPlayPause(s.settings), 300);

  // A speed changed while Play runs applies from the next step on, and the
  // fastest pace still plays through to the end.
  s.settings.set(field::SpeedMoveCard, "50");
  bar.playButton()->click();
  EXPECT_EQ(bar.playInterval(), 1500);
  s.settings.set(field::SpeedMoveCard, "0");
  EXPECT_TRUE(QTest::qWaitFor([&bar] { return bar.position() >= 2; }, 5000));
  EXPECT_EQ(bar.playInterval(), kLeastDemoPause);
  EXPECT_TRUE(QTest::qWaitFor([&bar] { return !bar.playing(); }, 10000));
  EXPECT_EQ(bar.positionText(), "11/11");
}

TEST(DemoBar, CloseAsksTheWindowToLeaveDemoMode) {
  SelectionSession s;
  DemoBar bar(&s.session);
  int closes = 0;
  QObject::connect(&bar, &DemoBar::closeRequested, [&] { ++closes; });
  bar.findChild<QToolButton*>("btnDemoClose")->click();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(bar.findChild<QToolButton*>("btnDemoFirst")->toolTip(), "First");
  EXPECT_EQ(bar.scrollBar()->toolTip(), "Previous/Next move");
}

}  // namespace
}  // namespace quilloro
