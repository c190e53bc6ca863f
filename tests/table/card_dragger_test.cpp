// Dragging: the bands a drag step restores, the lifted look and its shadow,
// setting the image down, and the empty stock's button.
#include <gtest/gtest.h>

#include "tests/table/card_motion_fixture.hpp"

namespace quilloro {
namespace {

using testing::faceColour;
using testing::kBackColour;
using testing::kFila1;
using testing::kFila2;
using testing::markColour;

constexpr Pixel kPoison = rgbPixel(255, 0, 255);
constexpr Pixel kBlack = kOpaqueAlpha;

bool inside(const PixelRect& r, int x, int y) { return x >= r.left && x < r.right() && y >= r.top && y < r.bottom(); }
PixelRect grown(const PixelRect& r, int m) { return {r.left - m, r.top - m, r.width + 2 * m, r.height + 2 * m}; }

class Dragging : public testing::MotionTable {
 protected:
  Dragging() {
    EXPECT_TRUE(state.restorePile(PileList::Tableau, 0, "020002100661"));  // two backs, card 66 face up
    EXPECT_TRUE(state.restorePile(PileList::Tableau, 1, "00510251"));       // 5 and 25 (queen of diamonds)
    draw();
  }
  void lift(PileRef pile, int slot, bool run = false) {
    const CardRect rect = rectAt(pile, slot);
    dragger.startDrag(scene(), pile, state.piles.pile(pile).at(slot), rect, run, {rect.left + 5, rect.top + 5},
                      false);
  }
};

TEST_F(Dragging, StepRestoresExactlyTheUncoveredBandsAndNothingElse) {
  for (const Point delta : {Point{6, 4}, Point{-7, -3}, Point{3, -40}, Point{-60, 50}}) {
    draw();
    lift(kFila1, 2);
    ASSERT_TRUE(dragger.dragging());
    const PixelRect old = dragger.state().current;
    // Everything outside the image is poisoned: whatever the step touches there shows.
    for (int y = 0; y < window.height(); ++y)
      for (int x = 0; x < window.width(); ++x)
        if (!inside(old, x, y)) window.setPixel(x, y, kPoison);
    ASSERT_TRUE(dragger.moveImage(old.left + delta.x, old.top + delta.y, false, false));
    const PixelRect now = dragger.state().current;
    EXPECT_EQ(now, (PixelRect{old.left + delta.x, old.top + delta.y, old.width, old.height}));
    int restored = 0;
    for (int y = 0; y < window.height(); ++y) {
      for (int x = 0; x < window.width(); ++x) {
        const Pixel p = window.pixel(x, y);
        if (inside(now, x, y)) {
          ASSERT_EQ(p, dragger.image().pixel(x - now.left, y - now.top)) << x << "," << y;
        } else if (inside(old, x, y)) {
          ASSERT_EQ(p, renderer.tableBuffer().pixel(x, y)) << x << "," << y;
          ++restored;
        } else if (!inside(grown(old, 1), x, y)) {
          ASSERT_EQ(p, kPoison) << x << "," << y;  // far from the old image nothing changes
        }
      }
    }
    EXPECT_GT(restored, 0);
    dragger.endDrag();
  }
}

TEST_F(Dragging, LiftingRedrawsTheSourcePileWithoutTheCardsAndAMoveUnderAPixelDrawsNothing) {
  const PixelSurface before = window;
  lift(kFila1, 2);
  // The window still shows the card; the table buffer shows the back beneath it.
  EXPECT_EQ(window, before);
  const Point top = cardAt(kFila1, 2);
  EXPECT_EQ(renderer.tableBuffer().pixel(top.x + 12, top.y + 20), kBackColour);
  EXPECT_EQ(dragger.image().pixel(12, 12), faceColour(14));
  EXPECT_TRUE(sounds.played.empty());  // no lift sound without shadows
  EXPECT_FALSE(dragger.moveImage(top.x, top.y, false, true));
  EXPECT_EQ(window, before);
  // The pointer: the image keeps the grab offsets.
  EXPECT_TRUE(dragger.followPointer(top.x + 5 + 30, top.y + 5 + 2));
  EXPECT_TRUE(dragger.state().moved);
  EXPECT_EQ(dragger.state().current.left, top.x + 30);
  EXPECT_FALSE(dragger.followPointer(top.x + 5 + 30, top.y + 5 + 2));
}

TEST_F(Dragging, CommitLeavesTheTableBufferAsAFreshDrawingWithTheCardThere) {
  lift(kFila1, 2);
  dragger.followPointer(150, 120);
  dragger.followPointer(90, 200);
  moveTop(kFila1, kFila2);
  const Point target = cardAt(kFila2, 2);
  ASSERT_TRUE(dragger.moveImage(target.x, target.y, true, true));
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
  // The window shows the table buffer wherever the image went.
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x)
      if (window.pixel(x, y) != renderer.tableBuffer().pixel(x, y) && !inside({150 - 5, 120 - 5, 40, 50}, x, y) &&
          !inside({90 - 5, 200 - 5, 40, 50}, x, y))
        FAIL() << "window differs at " << x << "," << y;
}

TEST_F(Dragging, RunImageStacksTheCardsAtTheFaceUpStep) {
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 0, "020102110661"));  // 20, 21 and 66, all face up
  draw();
  lift(kFila1, 0, true);
  const int step = layout.fanSteps().downFaceUp;
  ASSERT_GT(step, 0);
  EXPECT_EQ(dragger.state().imageHeight, 32 + 2 * step);
  EXPECT_EQ(dragger.state().run, (std::vector<CardNumber>{20, 21, 66}));
  EXPECT_EQ(dragger.image().pixel(12, 1), faceColour(20));
  EXPECT_EQ(dragger.image().pixel(12, step + 1), faceColour(21));
  EXPECT_EQ(dragger.image().pixel(12, 2 * step + 20), faceColour(14));
  // The whole pile is gone from the table buffer: its empty mark shows.
  const Point bottom = cardAt(kFila1, 0);
  EXPECT_EQ(renderer.tableBuffer().pixel(bottom.x + 12, bottom.y + 12), markColour(mark::kPlainTableau));
}

TEST_F(Dragging, WithShadowsTheCardIsLiftedWithItsShadowAndTheOldShadowComesBack) {
  settings.set(field::CardsShadowed, "Y");
  const Point top = cardAt(kFila1, 2);
  lift(kFila1, 2);
  const PixelRect at = dragger.state().current;
  EXPECT_EQ(at.left, top.x - 7);
  EXPECT_EQ(at.top, top.y - 7);
  EXPECT_EQ(dragger.state().grabX, 5 + 7);
  ASSERT_EQ(sounds.played.size(), 1u);
  EXPECT_EQ(sounds.played[0], (std::pair<std::string, bool>{"card_up.wav", true}));
  // A single card's shadow: the two black pixels of its rounded corner.
  EXPECT_EQ(window.pixel(at.right() - 1, at.bottom() - 2), kBlack);
  EXPECT_EQ(window.pixel(at.right() - 2, at.bottom() - 1), kBlack);

  // Moving up and left uncovers the old shadow, which comes from the table buffer.
  ASSERT_TRUE(dragger.moveImage(at.left - 40, at.top - 40, false, true));
  for (int x = at.left + 8; x <= at.right() + 9; ++x)
    for (int y = at.bottom(); y <= at.bottom() + 9; ++y)
      ASSERT_EQ(window.pixel(x, y), renderer.tableBuffer().pixel(x, y)) << x << "," << y;
  EXPECT_EQ(window.pixel(at.right() - 1, at.bottom() - 2), renderer.tableBuffer().pixel(at.right() - 1, at.bottom() - 2));
  dragger.endDrag();

  // A run gets the dithered shadow.
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 1, "00510251"));
  draw();
  lift(kFila2, 0, true);
  const PixelRect run = dragger.state().current;
  ASSERT_GT(run.height, 32);
  EXPECT_EQ(window.pixel(run.right(), run.top + 7), kBlack);
  EXPECT_NE(window.pixel(run.right(), run.top + 8), kBlack);
}

TEST_F(Dragging, WithoutShadowsNothingIsShownUntilThePointerMovesUnlessAskedFor) {
  const PixelSurface before = window;
  const CardRect rect = rectAt(kFila1, 2);
  dragger.startDrag(scene(), kFila1, 66, rect, false, {rect.left, rect.top}, true);
  // Shown in place: only the corners can differ, rounded from the table buffer.
  int differing = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) differing += window.pixel(x, y) != before.pixel(x, y);
  EXPECT_LE(differing, 12);
  // A card that is not in the pile lifts nothing.
  dragger.endDrag();
  dragger.startDrag(scene(), kFila1, 7, rect, false, {rect.left, rect.top}, false);
  EXPECT_FALSE(dragger.dragging());
}

class StockButton : public testing::MotionTable {
 protected:
  StockButton() { draw(); }
  EmptyStockButton button{renderer, window, pacer, folder.home()};
};

TEST_F(StockButton, PressShowsThePressedMarkMovingOffReleasesWithoutRedeal) {
  const Point stock = cardAt(kStockPile, 0);
  const Pixel shown = window.pixel(stock.x + 5, stock.y + 5);
  button.press(layout);
  EXPECT_TRUE(button.pressed());
  EXPECT_EQ(window.pixel(stock.x + 5, stock.y + 5), markColour(5));
  // Still on the stock, edges included.
  EXPECT_FALSE(button.pointerMoved(stock.x + 25, stock.y + 32));
  EXPECT_TRUE(button.pressed());
  EXPECT_TRUE(pacer.pauses.empty());
  // Off it: the stock's own picture again after the short wait, and the release does nothing.
  EXPECT_TRUE(button.pointerMoved(stock.x + 26, stock.y));
  EXPECT_FALSE(button.pressed());
  EXPECT_EQ(window.pixel(stock.x + 5, stock.y + 5), shown);
  EXPECT_EQ(pacer.pauses, std::vector<int>{50});
  EXPECT_FALSE(button.release());
  EXPECT_FALSE(button.pointerMoved(stock.x + 100, stock.y));

  // Pressed and released on it: the stock click follows.
  button.press(layout);
  EXPECT_TRUE(button.release());
  EXPECT_EQ(window.pixel(stock.x + 5, stock.y + 5), shown);
  EXPECT_EQ(pacer.pauses, (std::vector<int>{50, 50}));
}

TEST_F(StockButton, WithoutThePressedPictureTheStockStillLooksPressed) {
  std::filesystem::remove(folder.images() / markFileName('P', 5));
  EmptyStockButton bare{renderer, window, pacer, folder.home()};
  const Point stock = cardAt(kStockPile, 0);
  const Pixel shown = window.pixel(stock.x + 5, stock.y + 5);
  bare.press(layout);
  EXPECT_NE(window.pixel(stock.x + 5, stock.y + 5), shown);
  EXPECT_TRUE(bare.release());
  EXPECT_EQ(window.pixel(stock.x + 5, stock.y + 5), shown);
}

}  // namespace
}  // namespace quilloro
