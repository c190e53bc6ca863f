// The keyboard's focus: which cards it may stand on, where the arrows take
// it, the points its presses act on, and the frames drawn around it.
#include <gtest/gtest.h>

#include "layout_bench.hpp"
#include "table/keyboard_focus.hpp"
#include "table/table_marks.hpp"

namespace quilloro {
namespace {

using namespace testing;

constexpr PileRef kFila1{PileList::Tableau, 0};
constexpr PileRef kFila2{PileList::Tableau, 1};
constexpr PileRef kDest1{PileList::Foundations, 0};

class Focus : public ::testing::Test {
 protected:
  void SetUp() override {
    bench.set({{param::kTableauCount, 2}, {param::kTableauArrangement, 1}, {param::kTableauRow, 2},
               {param::kFoundationCount, 1}, {param::kFoundationArrangement, 1}, {param::kFoundationRow, 1},
               {param::kTableauFan, 1}});
    // Two face-down cards under three face-up ones; the second pile empty.
    ASSERT_TRUE(bench.state.restorePile(PileList::Tableau, 0, "00100020003100410051"));
    bench.run();
  }
  std::optional<FocusSpot> step(FocusSpot from, FocusDirection direction, bool pilesOnly = false) const {
    return stepFocus(bench.state, bench.layout, from, direction, pilesOnly);
  }
  LayoutBench bench;
};

TEST_F(Focus, StandsOnTheFaceUpCardsOfAFanAndOnTheTopOfOtherPiles) {
  EXPECT_EQ(focusableSlots(bench.state, bench.layout, kFila1), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(focusableSlots(bench.state, bench.layout, kFila2), (std::vector<int>{0}));
  const std::vector<PileRef> piles = focusablePiles(bench.state, bench.layout);
  EXPECT_NE(std::find(piles.begin(), piles.end(), kDest1), piles.end());
  EXPECT_NE(std::find(piles.begin(), piles.end(), kFila2), piles.end());
  // A spot that a move took away falls back to the nearest card below it.
  EXPECT_EQ(keepOnTable(bench.state, bench.layout, {kFila1, 9}), (FocusSpot{kFila1, 4}));
  EXPECT_EQ(keepOnTable(bench.state, bench.layout, {kFila1, 1}), (FocusSpot{kFila1, 4}));
}

TEST_F(Focus, ArrowsWalkTheFanFirstThenGoToTheNearestPileThatWay) {
  EXPECT_EQ(step({kFila1, 4}, FocusDirection::Up), (FocusSpot{kFila1, 3}));
  EXPECT_EQ(step({kFila1, 3}, FocusDirection::Down), (FocusSpot{kFila1, 4}));
  EXPECT_EQ(step({kFila1, 2}, FocusDirection::Up)->pile, kDest1);
  EXPECT_FALSE(step({kFila1, 4}, FocusDirection::Down));
  EXPECT_EQ(step({kFila1, 3}, FocusDirection::Right), (FocusSpot{kFila2, 0}));
  EXPECT_FALSE(step({kFila1, 3}, FocusDirection::Left));
  // Carried cards go from pile to pile, past the cards of the fan.
  EXPECT_EQ(step({kFila1, 4}, FocusDirection::Up, true)->pile, kDest1);
  // Back down from the foundation to a pile's top card.
  const auto down = step(topSpotOf(bench.state, kDest1), FocusDirection::Down);
  ASSERT_TRUE(down);
  EXPECT_EQ(down->pile.list, PileList::Tableau);
  EXPECT_EQ(*down, topSpotOf(bench.state, down->pile));
}

TEST(FocusBesideLongFans, ACardCarriedFromTheFootOfAFanReachesTheShortPileNextToIt) {
  // Long fans on either side of a pile of one card, as Spider often has them:
  // the short pile is the next column, though the third pile's fan reaches
  // down to the carried card.
  LayoutBench bench;
  bench.set({{param::kTableauCount, 3}, {param::kTableauArrangement, 1}, {param::kTableauRow, 2},
             {param::kFoundationCount, 1}, {param::kFoundationArrangement, 1}, {param::kFoundationRow, 1},
             {param::kTableauFan, 1}});
  ASSERT_TRUE(bench.state.restorePile(PileList::Tableau, 0, "0011001200130014001500160017"));
  ASSERT_TRUE(bench.state.restorePile(PileList::Tableau, 1, "0211"));
  ASSERT_TRUE(bench.state.restorePile(PileList::Tableau, 2, "0311031203130314031503160317"));
  bench.run();
  const PileRef third{PileList::Tableau, 2};
  EXPECT_EQ(stepFocus(bench.state, bench.layout, topSpotOf(bench.state, kFila1), FocusDirection::Right, true),
            (FocusSpot{kFila2, 0}));
  EXPECT_EQ(stepFocus(bench.state, bench.layout, topSpotOf(bench.state, third), FocusDirection::Left, true),
            (FocusSpot{kFila2, 0}));
  EXPECT_EQ(stepFocus(bench.state, bench.layout, {kFila2, 0}, FocusDirection::Right, true), topSpotOf(bench.state, third));
}

TEST_F(Focus, APressPointHitsExactlyItsCardAndAnEmptyColumnHasNone) {
  for (int slot = 0; slot < 5; ++slot) {
    const auto point = pressPointOf(bench.state, bench.layout, {kFila1, slot});
    ASSERT_TRUE(point) << slot;
    const PileHit hit = findPileAtPoint(bench.state, bench.layout, point->x, point->y);
    EXPECT_EQ(hit.pile, kFila1);
    EXPECT_EQ(hit.card, bench.state.piles.pile(kFila1).at(slot)) << slot;
  }
  // A click on an empty column does nothing, so neither does a key there.
  EXPECT_FALSE(pressPointOf(bench.state, bench.layout, {kFila2, 0}));
  // Its frame is where its first card will lie.
  const Point place = bench.layout.cardPosition(kFila2, 0);
  EXPECT_EQ(focusRect(bench.state, bench.layout, {kFila2, 0}).left, place.x);
  EXPECT_EQ(focusRect(bench.state, bench.layout, {kFila2, 0}).top, place.y);
}

TEST(TableMarks, FramesGoAroundTheCardAndLeaveItsFaceAlone) {
  const Pixel table = rgbPixel(0, 100, 0);
  PixelSurface surface(200, 200, table);
  const TableMark mark{{50, 60, 71, 96}, TableMarkKind::Focus};
  // Drawn on a part of the table that starts at (40, 40).
  PixelSurface part = surface.cropped({40, 40, 150, 150});
  drawTableMarks(part, {mark}, 40, 40);
  const PixelRect area = markArea(mark);
  EXPECT_EQ(part.pixel(50 - 40 + 35, 60 - 40 + 48), table);  // the card's middle
  EXPECT_EQ(part.pixel(50 - 40, 60 - 40), table);             // the card's own corner
  // The band, between the dark edges, is bright.
  const Pixel band = part.pixel(area.left - 40 + 2, area.top - 40 + 40);
  EXPECT_NE(band, table);
  EXPECT_GT((band >> 16) & 0xFFu, 200u);
  EXPECT_EQ(part.pixel(area.left - 40 - 1, area.top - 40 + 40), table);  // just outside the frame
  EXPECT_EQ(surface.pixel(45, 45), table);  // the surface itself is never drawn on
}

}  // namespace
}  // namespace quilloro
