// Flights: their steps and pauses, the lifted landing, flying off the table,
// landings that leave the table as a fresh drawing, the engine's flights and the deal.
#include <gtest/gtest.h>

#include "tests/table/card_motion_fixture.hpp"

namespace quilloro {
namespace {

using testing::faceColour;
using testing::kFila1;
using testing::kFila2;
using testing::kFila3;

class Flights : public testing::MotionTable {
 protected:
  Flights() {
    EXPECT_TRUE(state.restorePile(PileList::Tableau, 0, "020002100661"));
    EXPECT_TRUE(state.restorePile(PileList::Tableau, 1, "00510251"));
    draw();
    pacer.onPause = [this] { positions.push_back(dragger.state().lastDrawn); };
  }
  std::vector<Point> positions;  // where the image was at each pause
};

TEST_F(Flights, HundredPixelsTakeStepsOfNineteenAndEndAtTheTarget) {
  flights.fly(5, {50, 100}, {150, 100}, {});
  const std::vector<Point> expected{{69, 100}, {88, 100}, {107, 100}, {126, 100}, {145, 100}, {150, 100}};
  EXPECT_EQ(positions, expected);
  EXPECT_EQ(pacer.pauses, std::vector<int>(6, 10));
  EXPECT_EQ(dragger.state().current, (PixelRect{150, 100, 25, 32}));
  // Committed: the table buffer holds the card where it landed.
  EXPECT_EQ(renderer.tableBuffer().pixel(162, 116), faceColour(5));
  EXPECT_EQ(window.pixel(162, 116), faceColour(5));
  // Nothing of it is left along the way.
  EXPECT_EQ(window.pixel(60, 116), renderer.tableBuffer().pixel(60, 116));
}

TEST_F(Flights, SpeedZeroTakesTheSameStepsWithoutPauses) {
  settings.set(field::SpeedMoveCard, "0");
  flights.fly(5, {50, 100}, {150, 100}, {});
  EXPECT_TRUE(pacer.pauses.empty());
  EXPECT_EQ(dragger.state().current.left, 150);
  // A fast flight never pauses either, whatever the speed.
  settings.set(field::SpeedMoveCard, "50");
  flights.fly(5, {150, 100}, {50, 100}, {.compose = true, .lifted = false, .fast = true, .commit = true});
  EXPECT_TRUE(pacer.pauses.empty());
  EXPECT_EQ(dragger.state().current.left, 50);
}

TEST_F(Flights, LiftedFlightTravelsLiftedAndIsSetDownAfterTwiceTheDelay) {
  settings.set(field::CardsShadowed, "Y");
  flights.fly(5, {50, 100}, {150, 100}, {.compose = true, .lifted = true, .fast = false, .commit = true});
  ASSERT_GE(positions.size(), 2u);
  EXPECT_EQ(positions[positions.size() - 2], (Point{141, 91}));  // the last step reaches the lifted target
  EXPECT_EQ(pacer.pauses.back(), 20);
  EXPECT_EQ(dragger.state().current.left, 150);
  EXPECT_EQ(dragger.state().current.top, 100);
  EXPECT_FALSE(dragger.pauseShadows(false));  // the shadows are back on after the flight
}

TEST_F(Flights, NegativeTargetSendsTheCardOffTheTableButALiftNearTheEdgeDoesNot) {
  flights.fly(5, {50, 100}, {-1, 100}, {.compose = true, .lifted = false, .fast = true, .commit = false});
  EXPECT_EQ(dragger.state().current.left, -75);
  settings.set(field::CardsShadowed, "Y");
  flights.fly(5, {50, 100}, {4, 3}, {.compose = true, .lifted = true, .fast = true, .commit = true});
  EXPECT_EQ(dragger.state().current.left, 4);
  EXPECT_EQ(dragger.state().current.top, 3);
}

TEST_F(Flights, DroppedCardLandsAndTheTableIsAsFreshlyDrawn) {
  for (const bool shadows : {false, true}) {
    settings.set(field::CardsShadowed, shadows ? "Y" : "N");
    draw();
    sounds.played.clear();
    // Pile 1's top card to pile 2 without shadows, and back with them.
    const PileRef source = shadows ? kFila2 : kFila1;
    const PileRef target = shadows ? kFila1 : kFila2;
    const int slot = state.piles.pile(source).cardCount() - 1;
    const CardRect rect = rectAt(source, slot);
    dragger.startDrag(scene(), source, state.piles.pile(source).topCard(), rect, false, {rect.left, rect.top},
                      false);
    dragger.followPointer(200, 150);
    // The engine moves the card and announces the landing.
    moveTop(source, target);
    CardFlight landing;
    landing.kind = CardFlight::Kind::Landing;
    landing.card = state.piles.pile(target).topCard();
    landing.from = source;
    landing.fromSlot = slot;
    landing.to = target;
    landing.toSlot = state.piles.pile(target).cardCount() - 1;
    landing.start = cardAt(source, slot);
    landing.target = cardAt(target, landing.toSlot);
    flights.play(scene(), landing);
    EXPECT_FALSE(dragger.dragging());
    EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "") << "shadows " << shadows;
    EXPECT_EQ(testing::differences(window.cropped({0, 0, 400, 300}), renderer.tableBuffer().cropped({0, 0, 400, 300})), "");
    if (shadows) {
      ASSERT_EQ(sounds.played.size(), 2u);
      EXPECT_EQ(sounds.played.back(), (std::pair<std::string, bool>{"card_down.wav", true}));
    } else {
      EXPECT_TRUE(sounds.played.empty());
    }
  }
}

TEST_F(Flights, RefusedRunFliesBackAndUntidyOrJumpingLandingsLeaveNoTrace) {
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 2, "020102110661"));
  for (const auto& [animate, untidy] : {std::pair{"Y", "N"}, std::pair{"N", "N"}, std::pair{"Y", "Y"}}) {
    settings.set(field::CardsAnimate, animate);
    settings.set(field::PilesIrregular, untidy);
    layout.prepareTable();
    draw();
    const PixelSurface before = renderer.tableBuffer();
    const CardRect rect = rectAt(kFila3, 1);
    dragger.startDrag(scene(), kFila3, 21, rect, true, {rect.left + 3, rect.top + 3}, false);
    dragger.followPointer(300, 60);
    pacer.pauses.clear();
    flights.returnDragged(scene());
    EXPECT_FALSE(dragger.dragging());
    EXPECT_EQ(testing::differences(renderer.tableBuffer(), before), "") << animate << untidy;
    EXPECT_EQ(testing::differences(window.cropped({0, 0, 400, 300}), before.cropped({0, 0, 400, 300})), "");
    EXPECT_EQ(pacer.pauses.empty(), std::string(animate) == "N");
  }
}

TEST_F(Flights, DraggedRunLandsCardByCardAsTheEngineAnnouncesIt) {
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 2, "020102110661"));
  draw();
  const CardRect rect = rectAt(kFila3, 1);
  dragger.startDrag(scene(), kFila3, 21, rect, true, {rect.left + 3, rect.top + 3}, false);
  dragger.followPointer(250, 200);
  // The engine takes the run off and puts it card by card on pile 1.
  state.piles.pile(kFila3).dropTop(2);
  for (const CardNumber card : {21, 66}) {
    state.putCard(PileList::Tableau, 0, card, "1");
    CardFlight f;
    f.kind = CardFlight::Kind::Landing;
    f.card = card;
    f.from = kFila3;
    f.to = kFila1;
    f.toSlot = state.piles.pile(kFila1).cardCount() - 1;
    f.target = cardAt(kFila1, f.toSlot);
    flights.play(scene(), f);
  }
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
  EXPECT_EQ(testing::differences(window.cropped({0, 0, 400, 300}), renderer.tableBuffer().cropped({0, 0, 400, 300})), "");
}

TEST_F(Flights, EngineMoveFliesFromItsStartAndLandsOnAFoundationOrTheWaste) {
  // The queen of diamonds (25) to foundation 1, then a card to the waste.
  const Point start = cardAt(kFila2, 1);
  moveTop(kFila2, {PileList::Foundations, 0});
  CardFlight f;
  f.card = 25;
  f.from = kFila2;
  f.fromSlot = 1;
  f.to = {PileList::Foundations, 0};
  f.start = start;
  f.target = cardAt(f.to, 0);
  flights.play(scene(), f);
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
  EXPECT_FALSE(positions.empty());  // it flew, at the normal speed

  for (int round = 0; round < 3; ++round) {
    const Point from = cardAt(kFila1, state.piles.pile(kFila1).cardCount() - 1);
    moveTop(kFila1, kWastePile);
    CardFlight w;
    w.card = state.piles.waste().topCard();
    w.from = kFila1;
    w.to = kWastePile;
    w.toSlot = state.piles.waste().cardCount() - 1;
    w.start = from;
    w.target = cardAt(kWastePile, 0);
    flights.play(scene(), w);
    EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "") << round;
    EXPECT_EQ(testing::differences(window.cropped({0, 0, 400, 300}), renderer.tableBuffer().cropped({0, 0, 400, 300})), "") << round;
  }
}

TEST_F(Flights, DealShowsTheSourcePausesAndLoopsTheShuffleUntilTheLastCard) {
  std::string stock;
  for (int card = 30; card < 40; ++card) stock += cardToken(card) + "0";
  ASSERT_TRUE(state.restorePile(PileList::Stock, kStockIndex, stock));
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 3, "00200041"));  // a back and a face
  flights.playDeal(scene());
  ASSERT_FALSE(pacer.pauses.empty());
  EXPECT_EQ(pacer.pauses.front(), 1000);
  ASSERT_EQ(sounds.looped.size(), 2u);
  EXPECT_EQ(sounds.looped[0], (std::pair<std::string, bool>{"Shuffle", true}));
  EXPECT_EQ(sounds.looped[1].first, "");
  // 2 + 2 + 1 ms for each face-up card, nothing per step of the fast flights.
  EXPECT_EQ(pacer.total(), 1000 + 4 * 5);
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
  EXPECT_EQ(testing::differences(window.cropped({0, 0, 400, 300}), renderer.tableBuffer().cropped({0, 0, 400, 300})), "");
}

}  // namespace
}  // namespace quilloro
