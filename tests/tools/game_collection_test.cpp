// The shipped collection, read from the built GAMES.DAT: what it covers, and that
// every game deals, lays out and draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/core/settings_record.hpp"
#include "engine/build_types.hpp"
#include "engine/game.hpp"
#include "engine/games_dat.hpp"
#include "engine/recording_observer.hpp"
#include "table/arrangements.hpp"
#include "table/bmp_image.hpp"
#include "table/table_layout.hpp"
#include "table/table_zoom.hpp"
#include "tools/cli_preview_command.hpp"
#include "tools/cli_render_command.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro {
namespace {

std::filesystem::path installationFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return std::filesystem::path(home != nullptr ? home : "build/quilloro");
}

const GamesDat& collection() {
  static const GamesDat dat = GamesDat::load(installationFolder() / "GAMES.DAT");
  return dat;
}

std::vector<GameParameters> everyGamesParameters() {
  std::vector<GameParameters> columns(static_cast<std::size_t>(collection().gameCount()));
  for (int g = 0; g < collection().gameCount(); ++g) collection().loadParameters(g, columns[static_cast<std::size_t>(g)]);
  return columns;
}

std::string nameOf(int game) { return collection().catalogue()[static_cast<std::size_t>(game)].name(); }

// Which games give a parameter each value.
std::map<int, std::vector<int>> gamesByValue(int parameter) {
  std::map<int, std::vector<int>> games;
  const std::vector<GameParameters> columns = everyGamesParameters();
  for (std::size_t g = 0; g < columns.size(); ++g) games[columns[g][parameter]].push_back(static_cast<int>(g));
  return games;
}

void expectEveryValueUsed(int parameter, const std::vector<int>& values) {
  const auto used = gamesByValue(parameter);
  for (const int value : values) EXPECT_TRUE(used.contains(value)) << "no game gives parameter " << parameter << " the value " << value;
}

TEST(CollectionContent, SixtyGamesInEveryCategoryWithTheirCatalogueFacts) {
  const GamesDat& dat = collection();
  ASSERT_GE(dat.gameCount(), 60);
  std::map<int, int> perCategory;
  std::set<int> helpTopics;
  std::set<std::string> names;
  for (int g = 0; g < dat.gameCount(); ++g) {
    const CatalogueEntry& entry = dat.catalogue()[static_cast<std::size_t>(g)];
    ASSERT_TRUE(entry.category()) << g;
    EXPECT_TRUE(*entry.category() >= 2 && *entry.category() <= 11) << entry.name();
    ++perCategory[*entry.category()];
    ASSERT_TRUE(entry.helpTopic()) << entry.name();
    EXPECT_TRUE(helpTopics.insert(*entry.helpTopic()).second) << "a second game with help topic " << *entry.helpTopic();
    EXPECT_FALSE(entry.name().empty()) << g;
    EXPECT_TRUE(names.insert(entry.name()).second) << "two games named " << entry.name();
    // Favourites are kept by name, and lists show the first 30 characters.
    EXPECT_EQ(entry.name(), entry.shortName()) << entry.name();
  }
  for (int category = 2; category <= 11; ++category) EXPECT_GT(perCategory[category], 0) << "category " << category;

  // About fifteen selected games, each one of the collection and listed once.
  const std::vector<int>& selected = dat.selectedGames();
  EXPECT_GE(selected.size(), 12u);
  EXPECT_LE(selected.size(), 18u);
  EXPECT_EQ(std::set<int>(selected.begin(), selected.end()).size(), selected.size());
  for (const int g : selected) EXPECT_TRUE(g >= 0 && g < dat.gameCount()) << g;

  // The catalogue's description reads these as indices into its texts.
  const std::vector<GameParameters> columns = everyGamesParameters();
  for (std::size_t g = 0; g < columns.size(); ++g) {
    const GameParameters& p = columns[g];
    const std::string name = nameOf(static_cast<int>(g));
    EXPECT_TRUE(p[param::kGameLength] >= 0 && p[param::kGameLength] <= 2) << name;
    EXPECT_TRUE(p[param::kDifficulty] >= 0 && p[param::kDifficulty] <= 2) << name;
    EXPECT_TRUE(p[param::kChanceOfWinning] >= 0 && p[param::kChanceOfWinning] <= 4) << name;
    EXPECT_GE(p[param::kOddsDeals], 0) << name;
    EXPECT_TRUE(p[param::kOddsWins] >= 0 && p[param::kOddsWins] <= p[param::kOddsDeals]) << name;
    EXPECT_TRUE(p[param::kCardsInPlay] == 52 || p[param::kCardsInPlay] == 104) << name;
  }
}

TEST(CollectionContent, EveryFamilyArrangementAndWholeTableLayoutIsPlayed) {
  // The families the engine tells apart: ordinary, the discard families, the
  // selection and pairing families, poker, own scoring and aces after the deal.
  expectEveryValueUsed(param::kGameFamily, {0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 14, 15, 16});

  namespace a = arrangement;
  expectEveryValueUsed(param::kStockArrangement, {a::kStockLeftOfTableau, a::kStockOverTableau, a::kStockFromMargin,
                                                  a::kStockBeforeWaste, a::kStockAtLeftEdge, a::kStockNearTableau,
                                                  a::kStockFarFromTableau});
  expectEveryValueUsed(param::kFoundationArrangement,
                       {a::kFoundationsSpread, a::kFoundationsCentred, a::kFoundationsOverLastPiles,
                        a::kFoundationsRightOfWindow, a::kFoundationsRightOfTableau,
                        a::kFoundationsOverLastPilesTight, a::kFoundationsRightOfWaste,
                        a::kFoundationColumnsRightOfTableau});
  expectEveryValueUsed(param::kTableauArrangement,
                       {a::kTableauCentredRow, a::kTableauTenGapRow, a::kTableauRightOfStock, a::kTableauGridThreeRows,
                        a::kTableauRightOfTwoSlots, a::kTableauRightOfOneSlot, a::kTableauPackedLeft,
                        a::kTableauFittedRow, a::kTableauFittedRowHigh, a::kTableauTwoRows,
                        a::kTableauGridFourRows});
  expectEveryValueUsed(param::kReserveArrangement,
                       {a::kReservesOverSamePiles, a::kReservesFromMargin, a::kReservesFromFirstPile,
                        a::kReservesOverLastPiles, a::kReserveAtWaste, a::kReserveLeftOfTableau});
  // Discard arrangement 4 has no placement rule of its own: a pile given it is never placed.
  // Arrangement 7 (over the last pile) no longer suits a shipped game; the layout tests keep it.
  expectEveryValueUsed(param::kDiscardArrangement, {a::kDiscardOverSecondPile, a::kDiscardUnderStock});
  EXPECT_FALSE(gamesByValue(param::kDiscardArrangement).contains(a::kDiscardOverFirstColumns));

  // Each whole-table layout belongs to one game.
  const auto byTableau = gamesByValue(param::kTableauArrangement);
  for (int layout = a::kFirstWholeTable; layout <= a::kLastWholeTable; ++layout) {
    const auto found = byTableau.find(layout);
    ASSERT_NE(found, byTableau.end()) << "whole-table layout " << layout;
    EXPECT_EQ(found->second.size(), 1u) << "whole-table layout " << layout;
  }
}

// A maximised window of the size: menu and toolbar down to y 50, the status
// bar near the bottom.
WindowMetrics maximised(int width, int height) {
  WindowMetrics m;
  m.screenWidth = m.windowWidth = width;
  m.screenHeight = m.windowHeight = height;
  m.barsBottom = 50;
  m.statusBarHeight = 20;
  m.statusBarTop = height - 20 - 45;
  return m;
}

// One game of the collection dealt onto a laid-out table.
struct DealtGame {
  DealtGame(int index, const std::string& number, const WindowMetrics& window) {
    settings.setInteger(field::Game, index);
    settings.set(field::GameNumber, number);
    settings.set(field::CardSize, "B");
    settings.set(field::CardsShadowed, "Y");  // the default: the margins leave room for the shadows
    settings.set(field::CardsAnimate, "N");
    settings.set(field::PilesIrregular, "N");
    settings.set(field::ConfirmEnterHiScores, "N");
    layout.attach(game.state);
    layout.setWindow(window);
    game.setAutoplay(false);
    error = game.newGame({.deal = true, .newNumber = false});
  }

  SettingsRecord settings;
  RecordingObserver observer;
  TableLayout layout{settings, nullptr, [](int) { return 0; }};
  Game game{&collection(), settings, observer, layout};
  std::optional<std::string> error;
};

constexpr PileList kEveryList[] = {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves};

TEST(CollectionDeals, EveryCardLiesOnExactlyOnePileAfterEveryDeal) {
  const std::string numbers[] = {"0000000000001", "0000000000002", "0000000031415", "0000000999999",
                                 "9999999999999"};
  for (int g = 0; g < collection().gameCount(); ++g) {
    for (const std::string& number : numbers) {
      DealtGame dealt(g, number, maximised(1024, 768));
      ASSERT_FALSE(dealt.error) << nameOf(g) << ": " << *dealt.error;
      const GameState& state = dealt.game.state;
      const int cards = state.parameters[param::kCardsInPlay];
      // Poker Square plays only the cards of its stock; the rest of the pack stays out of play.
      const bool pokerGrid = state.parameters[param::kGameFamily] == 9;
      const int expected = pokerGrid ? state.parameters[param::kDealStock] : cards;
      std::vector<int> seen(static_cast<std::size_t>(cards) + 1, 0);
      int outside = 0;
      for (const PileList list : kEveryList)
        for (int i = 0; i < pileListSize(list); ++i)
          for (const std::uint8_t card : state.piles.pile(list, i).slots()) {
            if (card == kNoCard) continue;
            if (card > cards)
              ++outside;
            else
              ++seen[card];
          }
      const std::string deal = nameOf(g) + " deal " + number;
      EXPECT_EQ(outside, 0) << deal << ": cards beyond the packs in play";
      std::string twice, missing;
      int onTable = 0;
      for (int card = 1; card <= cards; ++card) {
        const int count = seen[static_cast<std::size_t>(card)];
        onTable += count;
        if (count > 1) twice += " " + std::to_string(card);
        if (count == 0 && !pokerGrid) missing += " " + std::to_string(card);
      }
      EXPECT_EQ(twice, "") << deal << ": cards on the table twice";
      EXPECT_EQ(missing, "") << deal << ": cards on no pile";
      EXPECT_EQ(onTable, expected) << deal;
    }
  }
}

struct Box {
  int left, top, right, bottom;
  bool overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

std::string pileLabel(PileRef pile) { return pile.list == PileList::Stock && pile.index == kDiscardIndex ? "discard" : pileName(pile); }

// The layouts whose piles overlap by design: the staircase and the pyramid.
bool overlapsByDesign(const GameParameters& p) {
  return p[param::kTableauArrangement] == 54 || p[param::kTableauArrangement] == 69;
}

// A fan is measured as it lies after some play, not only as dealt: a tableau
// pile that takes cards is checked with a few more on it.
constexpr int kCardsBuiltOnTheDeal = 2;

// How many cards a tableau pile may come to hold beyond its deal in the
// measure above; piles that never take a card keep their deal.
int cardsBuiltOn(const GameState& state, int pile, int dealt) {
  const int buildType = state.parameters[param::kTableauBuildTypeFirst + pile];
  if (buildType == build_type::kNothing || buildType == build_type::kNeverOnACard) return 0;
  // Such a pile never grows beyond three cards.
  if (buildType == build_type::kNeighboursOnShortPile) return std::max(3 - dealt, 0);
  return kCardsBuiltOnTheDeal;
}

Box cardBox(Point at, const CardSize& card) { return {at.x, at.y, at.x + card.width, at.y + card.height}; }

Box unite(const Box& a, const Box& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// How the table is zoomed for the check: not at all, or as the window's fit
// to window zooms it (in or out) for the game on a window of that size.
enum class Zoom { None, FitToWindow };

// Every pile that holds cards is on the table, inside the window above the
// status bar, and no two piles' bottom cards share a pixel; nor does a fanned
// pile, with a few cards built on its deal, reach over another pile's bottom
// card or out of the table.
void expectLaidOutInside(int game, int width, int height, Zoom zoomed = Zoom::None) {
  SCOPED_TRACE(nameOf(game) + " at " + std::to_string(width) + "x" + std::to_string(height));
  DealtGame dealt(game, "0000000000001", maximised(width, height));
  ASSERT_FALSE(dealt.error) << *dealt.error;
  TableZoom zoom;
  if (zoomed == Zoom::FitToWindow) fitZoomToWindow(zoom, dealt.layout, dealt.game.state, maximised(width, height));
  SCOPED_TRACE("zoom " + std::to_string(zoom.stepFactor()));
  const TableLayout& layout = dealt.layout;
  const GameState& state = dealt.game.state;
  const CardSize& card = layout.cardSize();
  // The table's own pixels: more than the window's on a table shrunk to fit, fewer on one zoomed in.
  width = layout.window().windowWidth;
  const int statusBarTop = layout.window().statusBarTop;
  const bool checkOverlaps = !overlapsByDesign(state.parameters);
  const auto inside = [&](const Box& b) { return b.left >= 0 && b.right <= width && b.top >= 0 && b.bottom <= statusBarTop; };
  std::vector<std::pair<PileRef, Box>> placed;
  std::vector<std::pair<PileRef, Box>> fans;
  for (const PileList list : kEveryList)
    for (int i = 0; i < pileListSize(list); ++i) {
      const PileRef pile{list, i};
      const Pile& cards = state.piles.pile(pile);
      const bool holdsCards = !cards.empty();
      if (!layout.isPlaced(pile)) {
        EXPECT_FALSE(holdsCards) << pileLabel(pile) << " holds cards but is not on the table";
        continue;
      }
      // A placed pile past those the game uses is left over from no rule: only used piles count.
      if (!holdsCards && i >= state.pilesInUse(list) && list != PileList::Stock) continue;
      const Anchor anchor = layout.anchors().at(pile);
      const Box box = cardBox({anchor.left, anchor.top}, card);
      EXPECT_TRUE(inside(box)) << pileLabel(pile) << " at " << box.left << "," << box.top;
      const int count = cards.cardCount();
      const int grown = count + (list == PileList::Tableau ? cardsBuiltOn(state, i, count) : 0);
      Box fan = box;
      for (int slot = 1; slot < grown; ++slot) fan = unite(fan, cardBox(layout.cardPosition(pile, slot), card));
      EXPECT_TRUE(inside(fan)) << pileLabel(pile) << " with " << grown << " cards reaches " << fan.right << ","
                               << fan.bottom;
      placed.emplace_back(pile, box);
      fans.emplace_back(pile, fan);
    }
  if (!checkOverlaps) return;
  for (std::size_t i = 0; i < placed.size(); ++i)
    for (std::size_t j = 0; j < placed.size(); ++j) {
      if (i == j) continue;
      if (j > i) {
        EXPECT_FALSE(placed[i].second.overlaps(placed[j].second))
            << pileLabel(placed[i].first) << " overlaps " << pileLabel(placed[j].first);
      }
      EXPECT_FALSE(fans[i].second.overlaps(placed[j].second))
          << pileLabel(fans[i].first) << " as played covers " << pileLabel(placed[j].first);
    }
}

TEST(CollectionLayout, EveryGameFitsTenTwentyFourAndNineteenTwentyTables) {
  for (int g = 0; g < collection().gameCount(); ++g) {
    expectLaidOutInside(g, 1024, 768);
    expectLaidOutInside(g, 1920, 1080);
  }
}

// The smallest screens the game is made for: every game at 800 x 600 with the
// normal cards, and at 640 x 480 every game that switches to the small cards
// there, each zoomed as the window fits it. A game too large for such a window
// at zoom 1 (Grand Harbour's 42 piles in five rows) is shrunk until it fits.
TEST(CollectionLayout, EveryGameFitsEightHundredBySixHundredAndTheSmallScreen) {
  const std::vector<GameParameters> columns = everyGamesParameters();
  for (int g = 0; g < collection().gameCount(); ++g) {
    expectLaidOutInside(g, 800, 600, Zoom::FitToWindow);
    if (columns[static_cast<std::size_t>(g)][param::kNeedsWideScreen] == 1)
      expectLaidOutInside(g, 640, 480, Zoom::FitToWindow);
  }
}

// Only a game that does not fit is shrunk, and it keeps its cards as large
// as the window allows: Grand Harbour at four fifths on both small screens.
TEST(CollectionLayout, FitToWindowShrinksOnlyATableLargerThanTheWindow) {
  const std::vector<GameParameters> columns = everyGamesParameters();
  for (int g = 0; g < collection().gameCount(); ++g) {
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{640, 480}}) {
      if (width == 640 && columns[static_cast<std::size_t>(g)][param::kNeedsWideScreen] != 1) continue;
      DealtGame dealt(g, "0000000000001", maximised(width, height));
      ASSERT_FALSE(dealt.error) << *dealt.error;
      TableZoom zoom;
      fitZoomToWindow(zoom, dealt.layout, dealt.game.state, maximised(width, height));
      if (nameOf(g) == "Grand Harbour") {
        EXPECT_EQ(zoom.stepFactor(), 0.8) << width;
        EXPECT_EQ(dealt.layout.cardSize().letter, width == 640 ? 'M' : 'B');
      } else {
        EXPECT_FALSE(zoom.shrunk()) << nameOf(g) << " at " << width << " shrunk to " << zoom.stepFactor();
      }
    }
  }
}

// The small cards are for a small screen: a game that needs a wide screen
// keeps the normal ones on a large screen, however far the table is zoomed in.
TEST(CollectionLayout, ZoomingInOnALargeScreenKeepsTheNormalCards) {
  const int grandHarbour = [] {
    for (int g = 0; g < collection().gameCount(); ++g)
      if (nameOf(g) == "Grand Harbour") return g;
    return -1;
  }();
  ASSERT_GE(grandHarbour, 0);
  DealtGame zoomedIn(grandHarbour, "0000000000001", zoomedWindowMetrics(maximised(1920, 1080), 1.0, 3.0));
  ASSERT_FALSE(zoomedIn.error) << *zoomedIn.error;
  EXPECT_EQ(zoomedIn.layout.window().windowWidth, 640);
  EXPECT_EQ(zoomedIn.layout.cardSize().letter, 'B');
  EXPECT_TRUE(zoomedIn.settings.get(field::SetAsideCard).empty());
}

// The build draws every game's preview with the render command (deal 1 on a
// 1200 x 740 table, shrunk into the catalogue's 300 x 185 preview area) and
// installs it beside the card images, where the catalogue looks for it. The
// pictures are checked as installed; drawing one again shows that they are
// what the render command draws.
TEST(CollectionPictures, EveryGameDrawsAndShrinksIntoThePreviewArea) {
  for (int g = 0; g < collection().gameCount(); ++g) {
    const BmpResult preview = readBmpFile(installationFolder() / "Images" / cli::previewFileName(g));
    ASSERT_TRUE(preview.ok()) << nameOf(g) << ": " << preview.error;
    const PixelSurface& picture = preview.image;
    EXPECT_EQ(picture.width(), 300) << nameOf(g);
    EXPECT_EQ(picture.height(), 185) << nameOf(g);
    // Cards were drawn: the picture is more than the table's one colour.
    const Pixel background = picture.pixel(0, 0);
    const auto& pixels = picture.pixels();
    EXPECT_GT(std::count_if(pixels.begin(), pixels.end(), [&](Pixel p) { return p != background; }), 300 * 185 / 50)
        << nameOf(g);
  }

  cli::RenderOptions options;
  options.gameNumber = "0000000000001";
  // The drawing keeps its settings in a home of its own, never in the installation folder.
  const testing::TempDir home;
  options.home = home.path();
  options.imagesHome = installationFolder();
  options.gamesDat = installationFolder() / "GAMES.DAT";
  options.width = 1200;
  options.height = 740;
  options.scaleTo = {300, 185};
  const int last = collection().gameCount() - 1;
  for (const int g : {0, last}) {
    options.game = g;
    PixelSurface drawn;
    ASSERT_NO_THROW(drawn = cli::renderedPicture(options)) << nameOf(g);
    const BmpResult installed = readBmpFile(installationFolder() / "Images" / cli::previewFileName(g));
    ASSERT_TRUE(installed.ok()) << installed.error;
    // The file keeps no alpha: compare the colours.
    ASSERT_EQ(drawn.width(), installed.image.width());
    ASSERT_EQ(drawn.height(), installed.image.height());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x)
        if ((drawn.pixel(x, y) & 0xFFFFFFu) != (installed.image.pixel(x, y) & 0xFFFFFFu)) ++differing;
    EXPECT_EQ(differing, 0) << nameOf(g);
  }
}

}  // namespace
}  // namespace quilloro
