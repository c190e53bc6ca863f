// The generic arrangements: worked examples, the starter games and each placement rule.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/games_dat.hpp"
#include "layout_bench.hpp"

namespace quilloro {
namespace {

using namespace testing;

// One row of g tableau piles on row 2 of a 1024 x 768 table whose bars end at
// y 50 and whose status bar starts at 703; shadows off, nothing else placed.
class GenericLayout : public ::testing::Test {
 protected:
  void SetUp() override { tableauRow(7, 1); }
  void tableauRow(int g, int number) {
    bench.set({{param::kTableauCount, g}, {param::kTableauArrangement, number}, {param::kTableauRow, 2}});
  }
  LayoutBench bench;
};

TEST_F(GenericLayout, CentredRowOfEightOnASevenHundredWindow) {
  bench.set({{param::kTableauCount, 8}});
  const PileAnchors& a = bench.runAt(700, 600);
  // S = 698, gap = trunc(130 / 9) = 14, x0 = trunc((130 - 98) / 2) = 16.
  EXPECT_EQ(bench.layout.area().width, 698);
  EXPECT_EQ(bench.layout.tableauGap(), 14);
  EXPECT_EQ(tableau(a, 1).left, 16);
  EXPECT_EQ(tableau(a, 2).left, 101);
  EXPECT_EQ(tableau(a, 3).left, 186);
  EXPECT_FALSE(tableau(a, 9).placed());
}

TEST_F(GenericLayout, RowsAndAreaFollowTheWindowHeight) {
  bench.run();
  TableArea area = bench.layout.area();
  EXPECT_EQ(area.top, 50);
  EXPECT_EQ(area.availableHeight, 653);
  EXPECT_EQ(area.rows[0], 60);
  EXPECT_EQ(area.rows[1], 60 + 10 + 96 + 15);
  EXPECT_EQ(area.rows[2], area.rows[1] + 106);
  EXPECT_EQ(area.rows[3], area.rows[2] + 106);
  EXPECT_EQ(area.threeRowBlockTop, 50 + (653 - 288 - 20) / 2);
  EXPECT_EQ(area.fourRowBlockTop, 50 + (653 - 384 - 30) / 2);

  // Lower than 500: row gap 5, five pixels less between rows 1 and 2, S 10 less.
  bench.runAt(1024, 480);
  area = bench.layout.area();
  EXPECT_EQ(area.rowGap, 5);
  EXPECT_EQ(area.rows[0], 55);
  EXPECT_EQ(area.rows[1] - area.rows[0], 96 + 20);
  EXPECT_EQ(area.width, 1012);

  // The stock's row digit 1 (the first character of "12") lowers row 1 by
  // 15; digit 2 drops the 15 from row 2 unless the stock stands left of the tableau (03).
  bench.set({{param::kStockRow, 12}});
  bench.runAt(1024, 768);
  EXPECT_EQ(bench.layout.area().rows[0], 75);
  bench.set({{param::kStockRow, 2}});
  bench.run();
  EXPECT_EQ(bench.layout.area().rows[1], 60 + 10 + 96);
  bench.set({{param::kStockArrangement, 3}});
  bench.run();
  EXPECT_EQ(bench.layout.area().rows[1], 60 + 10 + 96 + 15);

  // Arrangement 15 draws rows 1 to 3 up to the table's top.
  bench.set({{param::kTableauArrangement, 15}});
  bench.run();
  EXPECT_EQ(bench.layout.area().rows[0], 65);
  EXPECT_EQ(bench.layout.area().rows[1], 50 + 96 + 20);
  EXPECT_EQ(bench.layout.area().rows[2], 50 + 192 + 25);

  // Without bars the table starts at 5; a hidden status bar gives its height back.
  WindowMetrics m = maximised(1024, 768);
  m.barsBottom.reset();
  m.statusBarVisible = false;
  bench.layout.setWindow(m);
  bench.run();
  EXPECT_EQ(bench.layout.area().top, 5);
  EXPECT_EQ(bench.layout.area().availableHeight, 703 - 5 + 20);
}

TEST_F(GenericLayout, LeftMarginGrowsForShadowAndStockBesideTheTableau) {
  bench.set({{param::kStockGroupPiles, 1}, {param::kStockArrangement, 13}});
  bench.settings.set(field::CardsShadowed, "Y");
  bench.run();
  EXPECT_EQ(bench.layout.area().margin, 19);
  for (int number : {3, 4, 5, 16, 19}) {
    bench.set({{param::kStockArrangement, number}});
    EXPECT_EQ((bench.run(), bench.layout.area().margin), 34) << number;
  }
  bench.set({{param::kStockArrangement, 13}, {param::kDiscardArrangement, 4}});
  EXPECT_EQ((bench.run(), bench.layout.area().margin), 34);
  EXPECT_EQ((bench.runAt(651, 768), bench.layout.area().baseMargin), 3);
}

TEST(StarterGames, KlondikeFreeCellAndSpiderAtTenTwentyFour) {
  const GamesDat dat = GamesDat::load(std::filesystem::path(std::getenv("QUILLORO_HOME")) / "GAMES.DAT");
  LayoutBench bench;
  bench.settings.set(field::CardsShadowed, "Y");

  dat.loadParameters(0, bench.state.parameters);  // Klondike
  PileAnchors a = bench.run();
  // R = 10 + 9 + 15; gap 20; x0 = trunc((1022 - 497 - 120) / 2); rows 75 and 196.
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(tableau(a, n), (Anchor{202 + (n - 1) * 91, 196})) << n;
  EXPECT_EQ(stock(a), (Anchor{202, 75}));
  EXPECT_EQ(waste(a), (Anchor{293, 75}));
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(foundation(a, i), (Anchor{202 + (i + 2) * 91, 75})) << i;
  EXPECT_FALSE(discard(a).placed());
  EXPECT_FALSE(reserve(a, 1).placed());
  EXPECT_FALSE(foundation(a, 5).placed());

  dat.loadParameters(1, bench.state.parameters);  // FreeCell
  a = bench.run();
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(tableau(a, n), (Anchor{157 + (n - 1) * 91, 181})) << n;
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(reserve(a, j), (Anchor{tableau(a, j).left, 60})) << j;
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(foundation(a, i), (Anchor{tableau(a, i + 4).left, 60})) << i;
  EXPECT_FALSE(stock(a).placed());
  EXPECT_FALSE(waste(a).placed());

  dat.loadParameters(2, bench.state.parameters);  // Spider
  a = bench.run();
  EXPECT_EQ(bench.layout.cardSize().letter, 'B');
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(tableau(a, n), (Anchor{66 + (n - 1) * 91, 196})) << n;
  EXPECT_EQ(stock(a), (Anchor{19, 75}));
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(foundation(a, i), (Anchor{tableau(a, i + 2).left, 75})) << i;
  // The waste is not shown; the fill-in gives it the stock's top and nothing more.
  EXPECT_EQ(waste(a), (Anchor{kStockNotPlaced, 75}));

  // On a 640 x 480 screen Spider gets the medium cards and squeezes its gaps.
  a = bench.runAt(640, 480);
  EXPECT_EQ(bench.layout.cardSize().letter, 'M');
  // S = 628, R = 3 + 9; x0 = 1 < R, so the gap drops by 2 and is clamped to
  // 4, and the row starts at R - 2 on a screen narrower than 650.
  EXPECT_EQ(bench.layout.tableauGap(), 4);
  EXPECT_EQ(tableau(a, 1), (Anchor{10, 170}));
  EXPECT_EQ(tableau(a, 10).left, 10 + 9 * 63);
  EXPECT_EQ(stock(a), (Anchor{15, 70}));  // no shadow allowance on a low screen
}

TEST_F(GenericLayout, TableauArrangements) {
  // 02: ten-pixel gaps, five with the narrow margin.
  bench.set({{param::kTableauArrangement, 2}});
  PileAnchors a = bench.run();
  EXPECT_EQ(tableau(a, 1).left, (1022 - 497 - 60) / 2);
  EXPECT_EQ(tableau(a, 2).left - tableau(a, 1).left, 81);
  a = bench.runAt(600, 768);
  EXPECT_EQ(tableau(a, 2).left - tableau(a, 1).left, 76);

  // 03 leaves one slot at the left, where the stock stands, the waste under it.
  bench.set({{param::kTableauArrangement, 3}, {param::kTableauRow, 1}, {param::kStockArrangement, 3},
             {param::kStockRow, 1}, {param::kStockGroupPiles, 2}, {param::kShowWaste, 1}});
  a = bench.runAt(1024, 768);
  EXPECT_EQ(bench.layout.tableauGap(), 15);  // 46 is above 20, which gives 15
  EXPECT_EQ(tableau(a, 1), (Anchor{162 + 93, 75}));
  EXPECT_EQ(stock(a), (Anchor{162, 75}));
  EXPECT_EQ(waste(a), (Anchor{162, 196}));

  // 11 leaves two slots: waste 45 and stock another 15 left of the first pile.
  bench.set({{param::kTableauArrangement, 11}, {param::kStockArrangement, 11}});
  a = bench.run();
  EXPECT_EQ(tableau(a, 1).left, 119 + 2 * 93 + 15);
  EXPECT_EQ(waste(a).left, 320 - 71 - 45);
  EXPECT_EQ(stock(a).left, 204 - 71 - 15);

  // 10: a grid in the three-row block, four piles a row, standing in the
  // middle of the table: 4 W + 3 gaps of 60 = 464 wide, from trunc((1022 - 464) / 2).
  bench.set({{param::kTableauArrangement, 10}, {param::kTableauCount, 12}, {param::kTableauRows, 3},
             {param::kStockGroupPiles, 0}});
  a = bench.run();
  EXPECT_EQ(tableau(a, 1), (Anchor{279, 222}));
  EXPECT_EQ(tableau(a, 2), (Anchor{279 + 71 + 60, 222}));
  EXPECT_EQ(tableau(a, 5), (Anchor{279, 328}));
  EXPECT_EQ(tableau(a, 12), (Anchor{279 + 3 * 131, 434}));

  // 18: a grid in the four-row block with wide gaps, in the middle too:
  // gap trunc((1022 - 284 - 2) / 5) = 147, no more than 2 W = 142; 710 wide.
  bench.set({{param::kTableauArrangement, 18}, {param::kTableauRow, 1}});
  a = bench.run();
  EXPECT_EQ(tableau(a, 1), (Anchor{156, 169}));
  EXPECT_EQ(tableau(a, 6), (Anchor{156 + 213, 275}));
  // On 800 pixels the gap is 1.5 W = 106 at the least.
  a = bench.runAt(800, 600);
  EXPECT_EQ(tableau(a, 2).left - tableau(a, 1).left, 71 + 106);

  // 13: packed from the left, further in with shadows.
  bench.set({{param::kTableauArrangement, 13}});
  a = bench.run();
  EXPECT_EQ(tableau(a, 1).left, 9);
  EXPECT_EQ(tableau(a, 2).left, 84);
  bench.settings.set(field::CardsShadowed, "Y");
  EXPECT_EQ(tableau(bench.run(), 1).left, 48);
}

TEST_F(GenericLayout, GridsGiveTheRowsAskedForAndRoomForRightwardFans) {
  // Seventeen fans of three in three rows: six, six and five, never a fourth row.
  bench.set({{param::kTableauArrangement, 18}, {param::kTableauCount, 17}, {param::kTableauRows, 3},
             {param::kTableauRow, 2}, {param::kTableauFan, 2}});
  for (int i = 0; i < 17; ++i) bench.set({{param::kDealTableauFirst + i, 3}});
  PileAnchors a = bench.runAt(800, 600);
  EXPECT_EQ(tableau(a, 7).top, tableau(a, 1).top + 106);
  EXPECT_EQ(tableau(a, 7).left, tableau(a, 1).left);
  EXPECT_EQ(tableau(a, 13).top, tableau(a, 1).top + 2 * 106);
  EXPECT_EQ(tableau(a, 17).top, tableau(a, 13).top);
  // Closed up on 800 pixels, each fan keeps the room of five cards (four steps
  // of 12) before the next column, and the last one before the table's edge.
  const int pitch = tableau(a, 2).left - tableau(a, 1).left;
  EXPECT_GE(pitch, 71 + 48 + 4);
  EXPECT_LE(tableau(a, 6).left + 71 + 48, 798);

  // The three-row grid starts no higher than its own row, under the top row.
  bench.set({{param::kTableauArrangement, 10}, {param::kFoundationArrangement, 1}, {param::kFoundationRow, 1},
             {param::kFoundationCount, 4}, {param::kTableauCount, 18}});
  for (int i = 0; i < 18; ++i) bench.set({{param::kDealTableauFirst + i, 3}});
  a = bench.runAt(800, 600);
  EXPECT_EQ(tableau(a, 1).top, bench.layout.area().rows[1]);
  EXPECT_GE(tableau(a, 1).top, foundation(a, 1).top + 96);
  EXPECT_LE(tableau(a, 6).left + 71 + 48, 798);
}

TEST_F(GenericLayout, TwoRowsWithTheFoundationsInColumnsAtTheirRight) {
  // Thirteen piles: seven over six, the six under the middle of the seven;
  // the second row halfway down the table under the first.
  bench.set({{param::kTableauArrangement, 16}, {param::kTableauCount, 13}, {param::kTableauRow, 1},
             {param::kTableauFan, 1}, {param::kFoundationArrangement, 10}, {param::kFoundationCount, 4}});
  PileAnchors a = bench.runAt(800, 600);
  const int gap = bench.layout.tableauGap();
  EXPECT_EQ(tableau(a, 1).top, 60);
  EXPECT_EQ(tableau(a, 8).top, 60 + (535 - 60) / 2);
  EXPECT_EQ(tableau(a, 2).left - tableau(a, 1).left, 71 + gap);
  EXPECT_EQ(tableau(a, 8).left, tableau(a, 1).left + (71 + gap) / 2);
  EXPECT_EQ(tableau(a, 13).left, tableau(a, 6).left + (71 + gap) / 2);
  // One column of four, 30 right of the seventh pile, level with the first row.
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(foundation(a, i), (Anchor{tableau(a, 7).left + 101, 60 + (i - 1) * 106})) << i;
  // Rows and column stand in the middle of the table together.
  const int right = 798 - (foundation(a, 1).left + 71);
  EXPECT_LE(std::abs(right - tableau(a, 1).left), 1);

  // Eight foundations: two columns, the fifth beside the first.
  bench.set({{param::kFoundationCount, 8}});
  a = bench.runAt(800, 600);
  EXPECT_EQ(foundation(a, 5), (Anchor{foundation(a, 1).left + 81, foundation(a, 1).top}));
  EXPECT_LE(foundation(a, 8).left + 71, 798);
  EXPECT_LE(foundation(a, 4).top + 96, 535);
  EXPECT_GE(tableau(a, 1).left, 10);

  // On a tall table the second row stands a whole suit's fan below the first.
  a = bench.runAt(1920, 1080);
  EXPECT_EQ(tableau(a, 8).top, 60 + 96 + 12 * 18 + 20);

  // On a lower table the column closes up, down to cards that touch.
  a = bench.runAt(800, 520);
  EXPECT_EQ(foundation(a, 4).top + 96, 50 + bench.layout.area().availableHeight - 2);
  EXPECT_EQ(foundation(a, 2).top - foundation(a, 1).top, 99);
  a = bench.runAt(800, 400);
  EXPECT_EQ(foundation(a, 2).top - foundation(a, 1).top, 96);
}

TEST_F(GenericLayout, FittedRowKeepsRoomForTheStockOverIt) {
  // Twelve piles: the gap of 13 leaves x0 = 13, left of R = 25, so the gap
  // drops by trunc(12 / 11 + 0.99) = 2; the first two gaps stay 15 wide.
  bench.set({{param::kTableauArrangement, 14}, {param::kTableauCount, 12}, {param::kStockArrangement, 4},
             {param::kStockRow, 1}, {param::kStockGroupPiles, 2}, {param::kShowStock, 1}, {param::kShowWaste, 1}});
  const PileAnchors& a = bench.run();
  EXPECT_EQ(bench.layout.tableauGap(), 11);
  EXPECT_EQ(tableau(a, 1).left, 25);
  EXPECT_EQ(tableau(a, 2).left, 111);
  EXPECT_EQ(tableau(a, 3).left, 197);
  EXPECT_EQ(tableau(a, 4).left, 279);
  EXPECT_EQ(stock(a), (Anchor{25, 75}));
  EXPECT_EQ(waste(a), (Anchor{111, 75}));

  // Ten piles on 800 pixels: the gap of 6 with two wide gaps would end the
  // row at 807, past 797; the other gaps give up the pixels, down to 4.
  bench.set({{param::kTableauCount, 10}});
  const PileAnchors& narrow = bench.runAt(800, 600);
  EXPECT_EQ(bench.layout.tableauGap(), 4);
  EXPECT_EQ(tableau(narrow, 3).left, 25 + 2 * 86);
  EXPECT_EQ(tableau(narrow, 10).left + 71, 25 + 710 + 30 + 7 * 4);

  // With shadows the margin is 34: at gaps of 4 the row would end at 802,
  // past 3 pixels before the window's edge, so it starts 5 pixels further left.
  bench.settings.set(field::CardsShadowed, "Y");
  const PileAnchors& shadowed = bench.runAt(800, 600);
  EXPECT_EQ(bench.layout.area().margin, 34);
  EXPECT_EQ(tableau(shadowed, 1).left, 29);
  EXPECT_EQ(tableau(shadowed, 10).left + 71, 797);
  bench.settings.set(field::CardsShadowed, "N");

  // A centred row at the margin narrows its gaps too: ten piles after a
  // margin of 19 end at 801 with gaps of 8, at 792 with gaps of 7.
  bench.set({{param::kTableauArrangement, 1}, {param::kStockArrangement, 13}});
  bench.settings.set(field::CardsShadowed, "Y");
  const PileAnchors& centred = bench.runAt(800, 600);
  EXPECT_EQ(bench.layout.tableauGap(), 7);
  EXPECT_EQ(tableau(centred, 1).left, 19);
  EXPECT_EQ(tableau(centred, 10).left + 71, 792);
  bench.settings.set(field::CardsShadowed, "N");
  bench.set({{param::kTableauArrangement, 14}, {param::kStockArrangement, 4}});

  // A lone waste takes the first column; one tableau pile has no gap to give.
  bench.set({{param::kShowStock, 0}, {param::kTableauCount, 1}});
  bench.runAt(60, 768);
  EXPECT_EQ(waste(bench.layout.anchors()).left, tableau(bench.layout.anchors(), 1).left);
}

TEST_F(GenericLayout, StockGroupArrangements) {
  bench.set({{param::kStockGroupPiles, 2}, {param::kStockRow, 1}, {param::kShowStock, 1}, {param::kShowWaste, 1}});
  const int first = 202;
  bench.set({{param::kStockArrangement, 16}});
  EXPECT_EQ(stock(bench.run()).left, first - 71 - 30);
  bench.set({{param::kStockArrangement, 19}});
  EXPECT_EQ(stock(bench.run()).left, first - 71 - 60);
  bench.set({{param::kShowStock, 0}});
  const PileAnchors& a = bench.run();
  EXPECT_EQ(waste(a).left, first - 71 - 60);
  EXPECT_FALSE(stock(a).placed());

  bench.set({{param::kShowStock, 1}, {param::kStockArrangement, 5}});
  EXPECT_EQ(stock(bench.run()).left, 25);
  EXPECT_EQ(waste(bench.layout.anchors()).left, 25 + 25 + 71);
  bench.set({{param::kStockArrangement, 12}});  // no rule for the stock group
  EXPECT_FALSE(stock(bench.run()).placed());
}

TEST_F(GenericLayout, FoundationArrangements) {
  bench.set({{param::kFoundationCount, 4}, {param::kFoundationRow, 1}});
  bench.set({{param::kFoundationArrangement, 1}});
  PileAnchors a = bench.run();
  EXPECT_EQ(foundation(a, 1), (Anchor{147, 60}));
  EXPECT_EQ(foundation(a, 2).left, 147 + 218);

  bench.set({{param::kFoundationArrangement, 2}});
  a = bench.run();
  EXPECT_EQ(foundation(a, 1).left, (1022 - 284 - 30) / 2);
  EXPECT_EQ(foundation(a, 2).left - foundation(a, 1).left, 81);

  bench.set({{param::kFoundationArrangement, 8}});
  a = bench.run();
  EXPECT_EQ(foundation(a, 4).left, 1022 - 71 - 10 - 5);
  EXPECT_EQ(foundation(a, 3).left, 936 - 81);

  bench.set({{param::kFoundationArrangement, 9}});
  a = bench.run();
  EXPECT_EQ(foundation(a, 4).left, tableau(a, 7).left);
  EXPECT_EQ(foundation(a, 3).left, tableau(a, 7).left - 77);

  bench.set({{param::kFoundationArrangement, 13}});
  a = bench.run();
  EXPECT_EQ(foundation(a, 1).left, tableau(a, 4).left);
  WindowMetrics low = maximised(1024, 480);
  bench.layout.setWindow(low);
  a = bench.run();
  EXPECT_EQ(foundation(a, 4).left, tableau(a, 7).left);
  EXPECT_EQ(foundation(a, 3).left, tableau(a, 7).left - 72);

  // 17: beside the waste, on its top.
  bench.set({{param::kFoundationArrangement, 17}, {param::kStockGroupPiles, 2}, {param::kStockArrangement, 5},
             {param::kStockRow, 2}, {param::kShowWaste, 1}});
  a = bench.runAt(1024, 768);
  EXPECT_EQ(foundation(a, 1), (Anchor{waste(a).left + 71 + 20, waste(a).top}));
  EXPECT_EQ(foundation(a, 2).left, foundation(a, 1).left + 74);
  bench.set({{param::kShowWaste, 0}});
  a = bench.run();
  EXPECT_EQ(foundation(a, 1).left, stock(a).left + 91);

  // More foundations than tableau piles under 07: those without a pile stay off.
  bench.set({{param::kFoundationArrangement, 7}, {param::kFoundationCount, 9}});
  a = bench.run();
  EXPECT_FALSE(foundation(a, 2).placed());
  EXPECT_EQ(foundation(a, 3).left, tableau(a, 1).left);
}

TEST_F(GenericLayout, ReserveAndDiscardArrangements) {
  bench.set({{param::kReserveCount, 3}, {param::kReserveRow, 1}});
  bench.set({{param::kReserveArrangement, 6}});
  PileAnchors a = bench.run();
  EXPECT_EQ(reserve(a, 1), (Anchor{tableau(a, 1).left, 60}));
  EXPECT_EQ(reserve(a, 2).left, tableau(a, 1).left + 71 + 6);

  bench.set({{param::kReserveArrangement, 7}});
  a = bench.run();
  EXPECT_EQ(reserve(a, 1).left, tableau(a, 5).left);
  EXPECT_EQ(reserve(a, 3).left, tableau(a, 7).left);

  bench.set({{param::kReserveArrangement, 12}});
  a = bench.run();
  EXPECT_EQ(reserve(a, 1).left, tableau(a, 1).left - 71 - 45);
  EXPECT_FALSE(reserve(a, 2).placed());
  bench.set({{param::kTableauCount, 8}});
  a = bench.run();
  EXPECT_EQ(reserve(a, 1).left, tableau(a, 1).left - 71 - 22);

  bench.set({{param::kReserveArrangement, 11}, {param::kStockGroupPiles, 2}, {param::kStockArrangement, 5},
             {param::kStockRow, 1}});
  a = bench.run();
  EXPECT_EQ(reserve(a, 1).left, waste(a).left);

  bench.set({{param::kHasDiscardPile, 1}, {param::kDiscardRow, 2}});
  bench.set({{param::kDiscardArrangement, 6}});
  EXPECT_EQ(discard(bench.run()).left, tableau(bench.layout.anchors(), 2).left);
  bench.set({{param::kDiscardArrangement, 7}});
  EXPECT_EQ(discard(bench.run()).left, tableau(bench.layout.anchors(), 8).left);
  bench.set({{param::kDiscardArrangement, 16}});
  a = bench.run();
  EXPECT_EQ(discard(a), (Anchor{stock(a).left, bench.layout.area().rows[0] + 96 + 20}));
  bench.set({{param::kHasDiscardPile, 0}});
  EXPECT_FALSE(discard(bench.run()).placed());
}

TEST_F(GenericLayout, CollisionPassMovesTheTenGapRowPastTheReserves) {
  bench.set({{param::kTableauArrangement, 2}, {param::kReserveCount, 4}, {param::kReserveArrangement, 5},
             {param::kReserveRow, 2}});
  PileAnchors a = bench.run();
  EXPECT_EQ(reserve(a, 4).left, 10 + 3 * 81);
  // Column 1 at 232, widened by 85, reaches the last reserve (253 to 324).
  EXPECT_EQ(tableau(a, 1).left, 253 + 71 + 86);
  EXPECT_EQ(tableau(a, 7).left, 410 + 6 * 81);

  // Reserves on another row do not collide.
  bench.set({{param::kReserveRow, 1}});
  EXPECT_EQ(tableau(bench.run(), 1).left, 232);

  // Another arrangement ignores the new start; the pass gives up after one
  // more run instead of repeating for ever.
  bench.set({{param::kReserveRow, 2}, {param::kTableauArrangement, 1}});
  a = bench.run();
  EXPECT_EQ(tableau(a, 1).left, 202);
}

}  // namespace
}  // namespace quilloro
