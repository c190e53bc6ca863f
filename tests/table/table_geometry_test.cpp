// Card positions in fanned piles, untidy offsets, the small-screen policy, the hand-over to the
// card support library, the engine's use of the layout and out-of-range definitions.
#include <gtest/gtest.h>

#include <random>

#include "cardlib/quilloro.h"
#include "engine/game.hpp"
#include "engine/recording_observer.hpp"
#include "layout_bench.hpp"
#include "table/layout_context.hpp"

namespace quilloro {
namespace {

using namespace testing;

constexpr PileRef kFila1{PileList::Tableau, 0};
constexpr PileRef kDest1{PileList::Foundations, 0};
constexpr PileRef kAppogg1{PileList::Reserves, 0};

class FannedPiles : public ::testing::Test {
 protected:
  void SetUp() override {
    bench.set({{param::kTableauCount, 2}, {param::kTableauArrangement, 1}, {param::kTableauRow, 2},
               {param::kFoundationCount, 1}, {param::kFoundationArrangement, 1}, {param::kFoundationRow, 1},
               {param::kReserveCount, 1}, {param::kReserveArrangement, 5}, {param::kReserveRow, 3}});
  }
  // Two face-down cards under three face-up ones.
  void layFive(PileRef pile) {
    ASSERT_TRUE(bench.state.restorePile(pile.list, pile.index, "00100020003100410051"));
  }
  Point at(PileRef pile, int slot) const { return bench.layout.cardPosition(pile, slot); }
  LayoutBench bench;
};

TEST_F(FannedPiles, StepsBySizeAndDirection) {
  bench.set({{param::kTableauFan, 1}});
  // The medium size exists only as the one forced on narrow screens.
  bench.set({{param::kNeedsWideScreen, 1}});
  for (const auto& [letter, up, down] : {std::tuple{"B", 18, 4}, std::tuple{"M", 14, 4}, std::tuple{"P", 3, 3}}) {
    bench.settings.set(field::CardSize, letter);
    bench.runAt(letter == std::string("M") ? 640 : 1024, 768);
    ASSERT_EQ(bench.layout.cardSize().letter, letter[0]);
    EXPECT_EQ(bench.layout.fanSteps().downFaceUp, up) << letter;
    EXPECT_EQ(bench.layout.fanSteps().downFaceDown, down) << letter;
    EXPECT_EQ(bench.layout.fanSteps().rightFaceUp, 0) << letter;
  }
  // Size P keeps every step at 3; reserves fanned right bring the right steps.
  bench.settings.set(field::CardSize, "P");
  bench.set({{param::kTableauFan, 6}, {param::kReserveFan, 2}});
  bench.run();
  const FanSteps& steps = bench.layout.fanSteps();
  EXPECT_EQ((std::array{steps.tightRightFaceUp, steps.rightFaceUp, steps.rightFaceDown, steps.tightDown}),
            (std::array{3, 3, 3, 3}));
}

TEST_F(FannedPiles, DownwardPileStepsByFaceState) {
  bench.set({{param::kTableauFan, 1}});
  layFive(kFila1);
  const Anchor anchor = tableau(bench.run(), 1);
  EXPECT_EQ(at(kFila1, 0), (Point{anchor.left, anchor.top}));
  EXPECT_EQ(at(kFila1, 2), (Point{anchor.left, anchor.top + 8}));
  EXPECT_EQ(at(kFila1, 4), (Point{anchor.left, anchor.top + 8 + 36}));
  EXPECT_EQ(at(kFila1, 5), (Point{anchor.left, anchor.top + 8 + 54}));  // where the next card lands
  EXPECT_EQ(at(kFila1, 7), (Point{anchor.left, anchor.top + 8 + 90}));
  EXPECT_EQ(bench.layout.bottomOfPile(kFila1), anchor.top + 8 + 36 + 96);
  EXPECT_EQ(bench.layout.bottomOfPile({PileList::Tableau, 1}), tableau(bench.layout.anchors(), 2).top + 96);

  // A foundation fanned down while the tableau is squared lies squared.
  bench.set({{param::kTableauFan, 0}, {param::kFoundationFan, 1}});
  layFive(kDest1);
  bench.run();
  EXPECT_EQ(at(kDest1, 4), at(kDest1, 0));
  EXPECT_EQ(at(kFila1, 4), at(kFila1, 0));
}

TEST_F(FannedPiles, RightwardTightAndSideBySidePiles) {
  bench.set({{param::kTableauFan, 2}});
  layFive(kFila1);
  Anchor anchor = tableau(bench.run(), 1);
  EXPECT_EQ(at(kFila1, 3), (Point{anchor.left + 4 + 4 + 12, anchor.top}));
  EXPECT_EQ(bench.layout.bottomOfPile(kFila1), anchor.top + 96);

  bench.set({{param::kTableauFan, 6}});
  anchor = tableau(bench.run(), 1);
  EXPECT_EQ(at(kFila1, 3).x, anchor.left + 21);

  // Side by side: a card width plus 6 per slot, holes keeping their place.
  bench.set({{param::kTableauFan, 4}});
  ASSERT_TRUE(bench.state.restorePile(PileList::Tableau, 0, "000100000031"));
  anchor = tableau(bench.run(), 1);
  EXPECT_EQ(at(kFila1, 2).x, anchor.left + 2 * 77);
  EXPECT_EQ(bench.layout.bottomOfPile(kFila1), anchor.top + 96);

  // The tight downward fan is for reserves; a tableau pile with it lies squared.
  bench.set({{param::kTableauFan, 5}, {param::kReserveFan, 5}});
  layFive(kAppogg1);
  bench.run();
  EXPECT_EQ(at(kAppogg1, 4).y - at(kAppogg1, 0).y, 12);
  EXPECT_EQ(at(kFila1, 2), at(kFila1, 0));
  EXPECT_EQ(bench.layout.bottomOfPile(kAppogg1), at(kAppogg1, 4).y + 96);
}

TEST(UntidyOffsets, ScriptedDrawsAndTheirCorrections) {
  // Draws 3, 2, 3, 2 ...: steps of 2 and -1, with the sum held below 3.
  int calls = 0;
  UntidyOffsets offsets;
  offsets.regenerate([&](int bound) {
    EXPECT_EQ(bound, 4);
    return calls++ % 2 == 0 ? 3 : 2;
  });
  const UntidyOffsets::Table expected{0, 2, -1, 0, -1, 2, -1, 0, -1, 2, -1, 0, -1, 0};
  EXPECT_EQ(offsets.table(0), expected);

  // Draws of 3 only: a wide shift after a wide one becomes 0, and the sum
  // falling below -2 turns the step into +1.
  offsets.regenerate([](int) { return 3; });
  const UntidyOffsets::Table threes{0, 0, -1, 0, -1, 0, 1, 0, -1, 0, 1, 0, -1, 0};
  for (int t = 0; t < UntidyOffsets::kTables; ++t) EXPECT_EQ(offsets.table(t), threes) << t;

  // A source that answers out of range is folded into 0..3.
  offsets.regenerate([](int) { return -7; });
  for (int t = 0; t < UntidyOffsets::kTables; ++t)
    for (const int entry : offsets.table(t)) EXPECT_TRUE(entry >= -1 && entry <= 2);
}

TEST(UntidyOffsets, TablesPerPileAndCard) {
  std::mt19937 generator(7);
  UntidyOffsets offsets;
  offsets.regenerate([&](int bound) { return static_cast<int>(generator() % static_cast<unsigned>(bound)); });
  for (int p = 0; p < kMaxTableau; ++p) EXPECT_EQ(offsets.offset(p, 0), 0) << p;
  for (int k = 0; k < 14; ++k) {
    EXPECT_EQ(offsets.offset(3, k), offsets.table(3)[static_cast<std::size_t>(k > 12 ? k % 12 : k)]);
    EXPECT_EQ(offsets.offset(7, k), offsets.offset(1, k));  // tableau pile 8 shares pile 2's table
    EXPECT_EQ(offsets.offset(12, k), offsets.offset(0, k));
  }
  EXPECT_EQ(offsets.offset(2, 25), offsets.offset(2, 1));
}

TEST(UntidyOffsets, ShiftOnlyDownwardTableauCardsWhenSwitchedOn) {
  LayoutBench untidy;
  int draws = 0;
  TableLayout layout{untidy.settings, nullptr, [&](int) { return draws++ % 2 == 0 ? 3 : 2; }};
  layout.attach(untidy.state);
  untidy.set({{param::kTableauCount, 2}, {param::kTableauArrangement, 1}, {param::kTableauRow, 2},
              {param::kTableauFan, 1}});
  ASSERT_TRUE(untidy.state.restorePile(PileList::Tableau, 0, "00110021003100410051"));
  untidy.settings.set(field::PilesIrregular, "Y");
  layout.prepareTable();
  const int left = layout.anchors().tableau[0].left;
  EXPECT_EQ(layout.cardPosition(kFila1, 0).x, left);
  EXPECT_EQ(layout.cardPosition(kFila1, 1).x, left + 2);
  EXPECT_EQ(layout.cardPosition(kFila1, 2).x, left - 1);

  untidy.settings.set(field::PilesIrregular, "N");
  EXPECT_EQ(layout.cardPosition(kFila1, 1).x, left);
  untidy.settings.set(field::PilesIrregular, "Y");
  untidy.set({{param::kTableauFan, 2}});
  layout.prepareTable();
  EXPECT_EQ(layout.cardPosition(kFila1, 1).x, left + 12);
}

TEST(SmallScreenPolicy, PredefinedSetOnNarrowScreensAndBack) {
  LayoutBench bench;
  bench.settings.set(field::Card, "012");
  bench.settings.set(field::BackCard, "004");
  bench.set({{param::kNeedsWideScreen, 1}, {param::kTableauCount, 1}, {param::kTableauArrangement, 1}});
  bench.layout.markGameJustChosen("Spider");
  bench.runAt(640, 480);
  EXPECT_EQ(bench.settings.get(field::CardSize), "M");
  EXPECT_EQ(bench.settings.get(field::Card), "003");
  EXPECT_EQ(bench.settings.get(field::BackCard), "006");
  EXPECT_EQ(bench.settings.get(field::SetAsideCard), "012");
  EXPECT_EQ(bench.settings.get(field::SetAsideBackCard), "004");
  EXPECT_FALSE(bench.layout.customizeEnabled());
  ASSERT_EQ(bench.listener.notices.size(), 1U);
  EXPECT_NE(bench.listener.notices[0].find("possible to play Spider using a predefined"), std::string::npos);
  EXPECT_EQ(bench.listener.sizes, std::vector<char>{'M'});
  EXPECT_EQ(fGetVarInt(0), 80);
  EXPECT_EQ(fGetVarInt(1), 59);

  // A game that does not need the wide screen gets the player's set back.
  bench.set({{param::kNeedsWideScreen, 0}});
  bench.run();
  EXPECT_EQ(bench.settings.get(field::CardSize), "B");
  EXPECT_EQ(bench.settings.get(field::Card), "012");
  EXPECT_EQ(bench.settings.get(field::BackCard), "004");
  EXPECT_EQ(bench.settings.get(field::SetAsideCard), "");
  EXPECT_TRUE(bench.layout.customizeEnabled());
  EXPECT_EQ((bench.listener.customize), (std::vector<bool>{false, true}));

  // The notice shows once per run, and only for a game just chosen.
  bench.set({{param::kNeedsWideScreen, 1}});
  bench.layout.markGameJustChosen("Spider");
  bench.run();
  EXPECT_EQ(bench.listener.notices.size(), 1U);
  EXPECT_EQ(bench.settings.get(field::CardSize), "M");

  // The miniature size survives the restore; a wide screen never forces M.
  bench.settings.set(field::CardSize, "P");
  bench.set({{param::kNeedsWideScreen, 0}});
  bench.run();
  EXPECT_EQ(bench.settings.get(field::CardSize), "P");
  bench.set({{param::kNeedsWideScreen, 1}});
  bench.settings.set(field::CardSize, "X");
  bench.runAt(1024, 768);
  EXPECT_EQ(bench.settings.get(field::CardSize), "B");
}

TEST(LibraryHandOver, AnchorsAndPlacementComeFromTheLastRun) {
  LayoutBench bench;
  bench.set({{param::kTableauCount, 7}, {param::kTableauArrangement, 1}, {param::kTableauRow, 2},
             {param::kFoundationCount, 4}, {param::kFoundationArrangement, 7}, {param::kFoundationRow, 1},
             {param::kStockGroupPiles, 1}, {param::kStockArrangement, 13}, {param::kStockRow, 1}});
  const PileAnchors& a = bench.run();
  for (int i = 0; i < kMaxTableau; ++i) {
    EXPECT_EQ(fGetFilaLeft(i), a.tableau[static_cast<std::size_t>(i)].left);
    EXPECT_EQ(fGetFilaTop(i), a.tableau[static_cast<std::size_t>(i)].top);
  }
  for (int i = 0; i < kMaxFoundations; ++i) EXPECT_EQ(fGetDestLeft(i), a.foundations[static_cast<std::size_t>(i)].left);
  EXPECT_EQ(fGetMazzoLeft(0), stock(a).left);
  EXPECT_EQ(fGetAppoggLeft(0), kReserveNotPlaced);
  EXPECT_EQ(fGetDestLeft(4), kFoundationNotPlaced);
  EXPECT_TRUE(bench.layout.isPlaced({PileList::Foundations, 3}));
  EXPECT_FALSE(bench.layout.isPlaced({PileList::Foundations, 4}));
  EXPECT_FALSE(bench.layout.isPlaced({PileList::Tableau, 7}));
  EXPECT_FALSE(bench.layout.isPlaced({PileList::Stock, kDiscardIndex}));

  // Drawing lifts the stock in the library by its thickness; positions follow,
  // while the layout's own copy keeps the anchor.
  fSetMazzoLeft(0, stock(a).left - 3);
  EXPECT_EQ(bench.layout.cardPosition({PileList::Stock, 0}, 0).x, stock(a).left - 3);
  EXPECT_EQ(bench.layout.anchors().stock[0].left, fGetMazzoLeft(0) + 3);

  // A resize places the piles again for the new width.
  bench.layout.setWindow(maximised(1920, 1080));
  bench.layout.placePiles();
  EXPECT_EQ(fGetFilaLeft(0), (1918 - 497 - 120) / 2);
}

TEST(EngineGeometry, KlondikeDealtThroughTheLayout) {
  const GamesDat dat = GamesDat::load(std::filesystem::path(std::getenv("QUILLORO_HOME")) / "GAMES.DAT");
  SettingsRecord settings;
  settings.set(field::Game, "000");
  settings.set(field::CardsShadowed, "N");
  settings.set(field::CardsAnimate, "N");
  settings.set(field::PilesIrregular, "N");
  RecordingObserver observer;
  TableLayout layout(settings);
  Game game(&dat, settings, observer, layout);
  layout.attach(game.state);
  layout.setWindow(maximised(1024, 768));
  // Without autoplay, so that an ace dealt on top stays where it was dealt.
  game.setAutoplay(false);
  ASSERT_FALSE(game.newGame({.deal = true, .newNumber = true}));

  EXPECT_EQ(layout.cardSize().letter, 'B');
  const Anchor seventh = layout.anchors().tableau[6];
  // Six face-down cards under the face-up top card of pile 7.
  EXPECT_EQ(layout.cardPosition({PileList::Tableau, 6}, 6), (Point{seventh.left, seventh.top + 24}));
  EXPECT_EQ(layout.bottomOfPile({PileList::Tableau, 6}), seventh.top + 24 + 96);
  EXPECT_TRUE(game.isPlaced({PileList::Stock, kWasteIndex}));
  EXPECT_FALSE(game.isPlaced({PileList::Reserves, 0}));
}

TEST(OutOfRangeDefinitions, NeverCrashAndKeepPilesInTheirLists) {
  std::mt19937 generator(2024);
  const int values[] = {-32768, -99, -5, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                        20, 26, 30, 50, 51, 53, 54, 61, 66, 69, 70, 72, 79, 80, 99, 100, 107, 999, 32767};
  const auto pick = [&] { return values[generator() % std::size(values)]; };
  const int indices[] = {param::kTableauFan, param::kFoundationFan, param::kReserveFan, param::kShowStock,
                         param::kShowWaste, param::kNeedsWideScreen, param::kStockArrangement, param::kStockRow,
                         param::kFoundationArrangement, param::kFoundationRow, param::kTableauArrangement,
                         param::kTableauRow, param::kTableauRows, param::kReserveArrangement, param::kReserveRow,
                         param::kDiscardArrangement, param::kDiscardRow, param::kStockGroupPiles,
                         param::kFoundationCount, param::kTableauCount, param::kReserveCount,
                         param::kHasDiscardPile};
  LayoutBench bench;
  for (int n = 0; n < kMaxTableau; ++n)
    ASSERT_TRUE(bench.state.restorePile(PileList::Tableau, n, "0010000000310041005100610071"));
  for (int round = 0; round < 3000; ++round) {
    for (const int index : indices) bench.state.parameters[index] = static_cast<ParameterValue>(pick());
    WindowMetrics m = maximised(static_cast<int>(generator() % 2000), static_cast<int>(generator() % 1200));
    if (round % 7 == 0) m.barsBottom.reset();
    bench.layout.setWindow(m);
    bench.settings.set(field::CardSize, round % 3 == 0 ? "P" : "B");
    bench.settings.set(field::PilesIrregular, round % 2 == 0 ? "Y" : "N");
    bench.layout.prepareTable();
    for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
      for (int i = -1; i <= pileListSize(list); ++i) {
        bench.layout.cardPosition({list, i}, 40);
        bench.layout.bottomOfPile({list, i});
        bench.layout.isPlaced({list, i});
      }
    const PileCounts counts = PileCounts::of(bench.state.parameters);
    for (int n = counts.tableau; n < kMaxTableau; ++n)
      EXPECT_EQ(bench.layout.anchors().tableau[static_cast<std::size_t>(n)].left, kTableauNotPlaced);
    for (int i = counts.foundations; i < kMaxFoundations; ++i)
      EXPECT_FALSE(bench.layout.anchors().foundations[static_cast<std::size_t>(i)].placed());
  }
}

}  // namespace
}  // namespace quilloro
