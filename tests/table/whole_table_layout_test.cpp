// The whole-table layouts 51 to 79: the worked examples, and every layout on two screens.
#include <gtest/gtest.h>

#include <cstdlib>

#include "layout_bench.hpp"

namespace quilloro {
namespace {

using namespace testing;

// The piles each layout's game uses.
struct WholeTableGame {
  int number;
  int tableau = 0;
  int foundations = 0;
  int reserves = 0;
  int stockGroup = 0;
  bool discard = false;
  int tableauRows = 1;
  int tableauFan = 1;
  // Rows of the pyramid and steps of the staircase cover each other by design.
  bool tableauOverlaps = false;
};

void PrintTo(const WholeTableGame& game, std::ostream* out) { *out << "layout " << game.number; }

const WholeTableGame kGames[] = {
    {.number = 51, .tableau = 16, .stockGroup = 1, .discard = true},
    {.number = 52, .tableau = 5, .foundations = 4, .stockGroup = 2},
    {.number = 53, .tableau = 12, .stockGroup = 2, .discard = true, .tableauRows = 3, .tableauFan = 0},
    {.number = 54, .tableau = 8, .stockGroup = 2, .discard = true, .tableauOverlaps = true},
    {.number = 55, .tableau = 4, .foundations = 4, .stockGroup = 2, .tableauFan = 2},
    {.number = 56, .tableau = 12, .foundations = 8, .stockGroup = 2},
    {.number = 57, .tableau = 12, .foundations = 4, .stockGroup = 2},
    {.number = 58, .tableau = 20, .foundations = 4, .stockGroup = 2, .tableauFan = 0},
    {.number = 59, .tableau = 8, .foundations = 8, .stockGroup = 2, .tableauFan = 2},
    {.number = 60, .tableau = 8, .foundations = 4, .reserves = 8},
    {.number = 61, .tableau = 4, .foundations = 12, .stockGroup = 2},
    {.number = 62, .foundations = 12, .stockGroup = 2},
    {.number = 63, .tableau = 10, .stockGroup = 1, .discard = true},
    {.number = 64, .tableau = 4, .foundations = 4, .reserves = 4, .stockGroup = 2},
    {.number = 65, .tableau = 7, .foundations = 4, .reserves = 8},
    {.number = 66, .tableau = 8, .foundations = 8, .reserves = 2, .stockGroup = 2, .discard = true},
    {.number = 67, .tableau = 8, .foundations = 4, .stockGroup = 2, .tableauFan = 2},
    {.number = 68, .tableau = 13, .foundations = 4, .stockGroup = 2, .tableauFan = 0},
    {.number = 69, .tableau = 7, .stockGroup = 2, .discard = true, .tableauFan = 4, .tableauOverlaps = true},
    {.number = 70, .tableau = 25, .stockGroup = 2, .tableauFan = 0},
    {.number = 71, .tableau = 9, .foundations = 8, .reserves = 2, .stockGroup = 2, .discard = true},
    {.number = 72, .tableau = 26, .foundations = 8, .reserves = 8, .tableauFan = 6},
    {.number = 73, .tableau = 8, .foundations = 9, .stockGroup = 2, .tableauFan = 2},
    {.number = 74, .tableau = 4, .foundations = 1, .stockGroup = 1},
    {.number = 75, .foundations = 16, .stockGroup = 2},
    {.number = 76, .tableau = 9, .foundations = 16, .stockGroup = 1},
    {.number = 77, .tableau = 12, .discard = true},
    {.number = 78, .tableau = 18, .foundations = 4, .stockGroup = 1, .tableauFan = 0},
    {.number = 79, .tableau = 9, .stockGroup = 1, .discard = true, .tableauFan = 0},
};

void setUp(LayoutBench& bench, const WholeTableGame& game) {
  bench.set({{param::kTableauArrangement, game.number}, {param::kTableauCount, game.tableau},
             {param::kFoundationCount, game.foundations}, {param::kReserveCount, game.reserves},
             {param::kStockGroupPiles, game.stockGroup}, {param::kHasDiscardPile, game.discard ? 1 : 0},
             {param::kTableauRows, game.tableauRows}, {param::kTableauFan, game.tableauFan},
             {param::kShowStock, game.stockGroup > 0}, {param::kShowWaste, game.stockGroup > 1}});
}

class EveryWholeTableLayout : public ::testing::TestWithParam<WholeTableGame> {};

TEST_P(EveryWholeTableLayout, PlacesItsPilesInsideTheTableWithoutOverlap) {
  const WholeTableGame& game = GetParam();
  for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1920, 1080}}) {
    LayoutBench bench;
    bench.settings.set(field::CardsShadowed, "Y");
    setUp(bench, game);
    const PileAnchors& a = bench.runAt(width, height);
    const TableArea& area = bench.layout.area();
    const std::vector<PlacedPile> piles = placedPiles(a);
    const CardSize size = bench.layout.cardSize();
    SCOPED_TRACE(std::to_string(game.number) + " at " + std::to_string(width) + "x" + std::to_string(height));

    int tableau = 0, foundations = 0, reserves = 0;
    for (const PlacedPile& pile : piles) {
      tableau += pile.name.starts_with("Fila");
      foundations += pile.name.starts_with("Dest");
      reserves += pile.name.starts_with("Appogg");
      EXPECT_GE(pile.anchor.left, 0) << pile.name;
      EXPECT_LE(pile.anchor.left + size.width, width) << pile.name;
      EXPECT_GE(pile.anchor.top, area.top) << pile.name;
      EXPECT_LE(pile.anchor.top + size.height, area.window.statusBarTop) << pile.name;
    }
    // 65 leaves its eighth reserve off the table: it stands at tableau pile 8's left.
    EXPECT_EQ(tableau, game.tableau);
    EXPECT_EQ(foundations, game.foundations);
    EXPECT_EQ(reserves, game.number == 65 ? game.reserves - 1 : game.reserves);

    for (std::size_t i = 0; i < piles.size(); ++i)
      for (std::size_t j = i + 1; j < piles.size(); ++j) {
        const bool bothTableau = piles[i].name.starts_with("Fila") && piles[j].name.starts_with("Fila");
        if (bothTableau && game.tableauOverlaps) continue;
        EXPECT_FALSE(cardsOverlap(piles[i].anchor, piles[j].anchor, size)) << piles[i].name << " " << piles[j].name;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryWholeTableLayout, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<WholeTableGame>& info) {
                           return "Layout" + std::to_string(info.param.number);
                         });

TEST(WholeTableLayouts, GridOfSixteenWithStockAndDiscardAtItsSides) {
  LayoutBench bench;
  setUp(bench, kGames[0]);
  bench.set({{param::kFoundationCount, 4}, {param::kStockGroupPiles, 2}});
  const PileAnchors& a = bench.runAt(1920, 1080);
  // S = 1918: x0 = 797, wide enough for d = 70; rows from 50 + trunc((965 - 414) / 2).
  EXPECT_EQ(tableau(a, 1), (Anchor{797, 325}));
  EXPECT_EQ(tableau(a, 16), (Anchor{797 + 3 * 81, 325 + 3 * 106}));
  EXPECT_EQ(stock(a), (Anchor{797 - 71 - 70, 325 + 106 + 53}));
  EXPECT_EQ(discard(a), (Anchor{797 + 3 * 81 + 71 + 70, 325 + 106 + 53}));
  EXPECT_FALSE(waste(a).placed());
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(foundation(a, i).placed()) << i;

  // At 500 wide the grid moves right so that the stock fits at the margin.
  const PileAnchors& narrow = bench.runAt(500, 768);
  EXPECT_EQ(tableau(narrow, 1).left, 71 + bench.layout.area().margin + 15);
  EXPECT_EQ(stock(narrow).left, bench.layout.area().margin);
}

TEST(WholeTableLayouts, CrossLeavesPilesSixToEightOff) {
  LayoutBench bench;
  setUp(bench, kGames[1]);
  bench.set({{param::kTableauCount, 8}});
  const PileAnchors& a = bench.run();
  for (int n = 6; n <= 8; ++n) EXPECT_FALSE(tableau(a, n).placed()) << n;
  // x1 = trunc((1022 - 284 - 105) / 2) + 86; the centre column b = 35 further.
  EXPECT_EQ(tableau(a, 2).left, 402);
  EXPECT_EQ(tableau(a, 1).left, 402 + 106);
  EXPECT_EQ(foundation(a, 1), (Anchor{409, tableau(a, 1).top + 7}));
  EXPECT_EQ(foundation(a, 4), (Anchor{402 + 212 - 7, tableau(a, 5).top - 7}));
  EXPECT_EQ(stock(a), (Anchor{402 - 71 - 105, tableau(a, 1).top}));
  EXPECT_EQ(waste(a), (Anchor{402 - 71 - 105, tableau(a, 2).top}));
}

TEST(WholeTableLayouts, OutlinedPositions) {
  LayoutBench bench;
  setUp(bench, kGames[4]);  // 55
  PileAnchors a = bench.run();
  EXPECT_EQ(tableau(a, 3).left, 65);
  EXPECT_EQ(foundation(a, 3), (Anchor{215, tableau(a, 3).top}));
  EXPECT_EQ(stock(a), (Anchor{510, tableau(a, 2).top - 5}));
  EXPECT_EQ(waste(a), (Anchor{510, tableau(a, 3).top + 5}));

  LayoutBench clock;
  setUp(clock, kGames[14]);  // 65
  a = clock.run();
  EXPECT_EQ(reserve(a, 8).left, kTableauNotPlaced);
  EXPECT_EQ(reserve(a, 1), (Anchor{15, foundation(a, 4).top}));
  EXPECT_EQ(foundation(a, 1).left, tableau(a, 7).left + 71 + 50);

  LayoutBench rows;
  setUp(rows, kGames[21]);  // 72
  a = rows.run();
  EXPECT_EQ(foundation(a, 5).left - foundation(a, 4).left, 71 + 48);
  EXPECT_EQ(foundation(a, 2).left - foundation(a, 1).left, 71 + 8);
  // Row of nine centred in the table less the room of the tight fan, two
  // steps of 7 over the one card the bench deals.
  EXPECT_EQ(tableau(a, 1).left, (1022 - 14 - 8 * 93 - 71) / 2);
  EXPECT_EQ(tableau(a, 10).top - tableau(a, 1).top, 99);
  // Dealt four cards each, the piles stand apart enough for six cards' fans.
  for (int i = 0; i < 26; ++i) rows.set({{param::kDealTableauFirst + i, 4}});
  a = rows.run();
  EXPECT_EQ(tableau(a, 2).left - tableau(a, 1).left, 71 + 5 * 7 + 6);
  EXPECT_LE(tableau(a, 9).left + 71 + 5 * 7, 1022);
}

TEST(WholeTableLayouts, FoundationColumnsGiveWayToARowOnANarrowTable) {
  LayoutBench bench;
  setUp(bench, kGames[15]);  // 66
  PileAnchors a = bench.run();
  // Wide enough: two columns of four at the margin, the rows right of them.
  EXPECT_EQ(foundation(a, 5).left, foundation(a, 1).left + 81);
  EXPECT_EQ(foundation(a, 2).top, foundation(a, 1).top + 106);
  EXPECT_GT(stock(a).left, foundation(a, 5).left + 71);

  // The small cards at 640: the foundations in a row right of the stock and
  // the reserve, the tableau under them.
  bench.set({{param::kNeedsWideScreen, 1}, {param::kStockGroupPiles, 1}, {param::kReserveCount, 1},
             {param::kHasDiscardPile, 0}});
  a = bench.runAt(640, 480);
  ASSERT_EQ(bench.layout.cardSize().letter, 'M');
  const TableArea& area = bench.layout.area();
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(foundation(a, i).top, foundation(a, 1).top) << i;
  EXPECT_EQ(foundation(a, 8).left + 59, area.width - area.margin);
  EXPECT_EQ(stock(a), (Anchor{area.margin, foundation(a, 1).top}));
  EXPECT_LT(reserve(a, 1).left + 59, foundation(a, 1).left);
  EXPECT_EQ(tableau(a, 1).top, foundation(a, 1).top + 80 + 20);
  EXPECT_LE(tableau(a, 8).left + 59, area.width);

  // With more piles over the tableau than the row holds beside them, the
  // foundations get a row of their own.
  bench.set({{param::kStockGroupPiles, 2}, {param::kReserveCount, 2}, {param::kHasDiscardPile, 1}});
  a = bench.runAt(640, 480);
  EXPECT_EQ(stock(a).top, foundation(a, 1).top + 80 + 10);
  EXPECT_EQ(discard(a).top, stock(a).top);
  EXPECT_EQ(tableau(a, 1).top, stock(a).top + 80 + 20);
}

TEST(WholeTableLayouts, RowsOfSixFansUnderTheStockAndFoundations) {
  LayoutBench bench;
  setUp(bench, kGames[27]);  // 78
  bench.set({{param::kTableauFan, 2}});
  for (int i = 0; i < 18; ++i) bench.set({{param::kDealTableauFirst + i, 3}});
  // Wide: columns 2.2 W = 156 apart, the block in the middle.
  PileAnchors a = bench.runAt(1920, 1080);
  EXPECT_EQ(tableau(a, 2).left - tableau(a, 1).left, 156);
  EXPECT_EQ(tableau(a, 7).left, tableau(a, 1).left);
  EXPECT_EQ(stock(a).left, tableau(a, 1).left);
  EXPECT_EQ(foundation(a, 4).left, tableau(a, 6).left);
  EXPECT_EQ(foundation(a, 1).left, tableau(a, 3).left);
  EXPECT_LE(std::abs((1918 - (tableau(a, 6).left + 71 + 48)) - tableau(a, 1).left), 1);

  // At 800 x 600 the columns close up so that the last fan of five cards
  // stays on the table, and four rows share the height.
  a = bench.runAt(800, 600);
  EXPECT_LE(tableau(a, 6).left + 71 + 48, 798);
  EXPECT_GE(tableau(a, 2).left - tableau(a, 1).left, 71 + 48);
  EXPECT_GE(tableau(a, 1).top, foundation(a, 1).top + 96);
  EXPECT_LE(tableau(a, 13).top + 96, 535);
}

}  // namespace
}  // namespace quilloro
