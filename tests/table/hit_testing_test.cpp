// Which pile and card a point falls on, and where a dragged card may land.
#include <gtest/gtest.h>

#include <algorithm>

#include "layout_bench.hpp"
#include "table/hit_testing.hpp"

namespace quilloro {
namespace {

using namespace testing;

constexpr PileRef kFila1{PileList::Tableau, 0};
constexpr PileRef kFila2{PileList::Tableau, 1};
constexpr PileRef kDest1{PileList::Foundations, 0};

class Table : public ::testing::Test {
 protected:
  void SetUp() override {
    bench.set({{param::kTableauCount, 2}, {param::kTableauArrangement, 1}, {param::kTableauRow, 2},
               {param::kFoundationCount, 1}, {param::kFoundationArrangement, 1}, {param::kFoundationRow, 1},
               {param::kTableauFan, 1}});
  }
  void lay(PileRef pile, const char* tokens) { ASSERT_TRUE(bench.state.restorePile(pile.list, pile.index, tokens)); }
  Point at(PileRef pile, int slot) const { return bench.layout.cardPosition(pile, slot); }
  PileHit hitAt(int x, int y) const { return findPileAtPoint(bench.state, bench.layout, x, y); }
  LayoutBench bench;
};

TEST_F(Table, ADownwardPileGivesEachCardItsStripAndTheTopCardItsFace) {
  lay(kFila1, "00100020003100410051");  // two face-down cards, three face-up
  bench.run();
  const Point second = at(kFila1, 1);
  const Point third = at(kFila1, 2);
  // The boundary row belongs to the lower card of the two.
  EXPECT_EQ(hitAt(second.x + 5, third.y).card, 2);
  EXPECT_EQ(hitAt(second.x + 5, third.y + 1).card, 3);
  const Point top = at(kFila1, 4);
  const PileHit onTop = hitAt(top.x + 10, top.y + 90);
  EXPECT_EQ(onTop.pileName, "Fila1");
  EXPECT_EQ(onTop.card, 5);
  EXPECT_EQ(onTop.cardRect, (CardRect{top.x, top.y, top.x + 71, top.y + 96}));
  // Below the pile's last pixel row nothing is hit.
  EXPECT_FALSE(hitAt(top.x + 10, top.y + 96 + 1).hit());
}

TEST_F(Table, ASquaredTakeTopPileAnswersItsTopCardAnywhere) {
  bench.set({{param::kTableauFan, 3}});
  lay(kFila1, "001100210031");
  bench.run();
  const Point anchor = at(kFila1, 0);
  EXPECT_EQ(hitAt(anchor.x + 1, anchor.y + 1).card, 3);
  EXPECT_EQ(hitAt(anchor.x + 70, anchor.y + 95).card, 3);
}

TEST_F(Table, SideBySidePilesAreTriedFromTheLastSoTheLaterPileWins) {
  bench.set({{param::kTableauFan, 4}});
  lay(kFila1, "001100210031");
  lay(kFila2, "0041");
  bench.run();
  // A hole keeps its place but is never hit.
  lay(kFila1, "001100000031");
  const Point hole = at(kFila1, 1);
  const PileHit onHole = hitAt(hole.x + 3, hole.y + 3);
  EXPECT_NE(onHole.card, 2);
  const Point second = at(kFila2, 0);
  EXPECT_EQ(hitAt(second.x + 1, second.y + 1).pileName, "Fila2");
}

TEST_F(Table, FoundationsAnswerTheirTopCardOrNothingWhenEmpty) {
  bench.run();
  const Point anchor = at(kDest1, 0);
  const PileHit empty = hitAt(anchor.x + 3, anchor.y + 3);
  EXPECT_EQ(empty.pileName, "Dest1");
  EXPECT_EQ(empty.card, kNoCard);
  lay(kDest1, "00110021");
  EXPECT_EQ(hitAt(anchor.x + 3, anchor.y + 3).card, 2);
}

TEST_F(Table, DropCandidatesOrderByOverlapThenPileKindThenIndex) {
  lay(kFila1, "0011");
  lay(kFila2, "0021");
  bench.run();
  const Point first = at(kFila1, 0);
  const Point second = at(kFila2, 0);
  // Mostly over the second pile.
  CardRect dragged{second.x - 10, second.y + 5, second.x - 10 + 71, second.y + 5 + 96};
  std::vector<PileRef> candidates = dropCandidates(bench.state, bench.layout, dragged);
  ASSERT_FALSE(candidates.empty());
  EXPECT_EQ(candidates[0], kFila2);
  // Nowhere near any pile: no candidate, the card goes home.
  EXPECT_TRUE(dropCandidates(bench.state, bench.layout, {3000, 3000, 3071, 3096}).empty());
  // Exactly between two piles of the same kind: the higher index first.
  const int middle = (first.x + 71 + second.x) / 2;
  dragged = {middle - 35, first.y, middle + 36, first.y + 96};
  if (second.x - (first.x + 71) < 71) {
    candidates = dropCandidates(bench.state, bench.layout, dragged);
    ASSERT_GE(candidates.size(), 1u);
    EXPECT_EQ(candidates[0], kFila2);
  }
}

TEST_F(Table, ATallRunCrossingACardWithNoCornerStillFindsIt) {
  lay(kFila1, "0011");
  bench.run();
  const Point card = at(kFila1, 0);
  // Taller than the card on both ends, its left edge running through it.
  const CardRect dragged{card.x + 20, card.y - 200, card.x + 91, card.y + 300};
  const std::vector<PileRef> candidates = dropCandidates(bench.state, bench.layout, dragged);
  EXPECT_NE(std::find(candidates.begin(), candidates.end(), kFila1), candidates.end());
}

}  // namespace
}  // namespace quilloro
