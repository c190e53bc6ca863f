// The table drawing: cards at their places with rounded corners, the stock's thickness, marks,
// the deal, the selection toggle, and drawing that goes on safely without pictures.
#include <gtest/gtest.h>

#include "cardlib/quilloro.h"
#include "table/table_renderer.hpp"
#include "tests/table/render_test_pictures.hpp"
#include "tests/table/four_pile_table.hpp"
#include "tests/table/layout_bench.hpp"

namespace quilloro {
namespace {

using testing::faceColour;
using testing::kBackColour;
using testing::markColour;

constexpr Pixel kGreen = rgbPixel(0, 0x60, 0);
constexpr Pixel kSilver = rgbPixel(192, 192, 192);

class Listener : public TableRendererListener {
 public:
  void imageProblem(const std::string& /*title*/, const std::string& text) override { problems.push_back(text); }
  void dealSourceShown(const PixelRect& card) override { dealSources.push_back(card); }
  std::vector<std::string> problems;
  std::vector<PixelRect> dealSources;
};

// A small table of miniature cards: stock and waste at the left, four
// foundations at the right, four downward tableau piles below.
class TableRendering : public ::testing::Test {
 protected:
  TableRendering() {
    folder.writeCardSet(kCardSizeMiniature);
    settings.set(field::CardSize, "P");
    settings.set(field::CardsShadowed, "N");
    settings.set(field::PilesIrregular, "N");
    settings.set(field::Card, "001");
    settings.set(field::BackCard, "011");
    settings.set(field::BackgroundDefault, "Y");
    testing::useFourPileTable(state);
    state.parameters[param::kTableauBaseRankFirst + 1] = 13;
    WindowMetrics window;
    window.screenWidth = window.windowWidth = 400;
    window.screenHeight = window.windowHeight = 300;
    window.statusBarTop = 235;
    layout.attach(state);
    layout.setWindow(window);
    layout.prepareTable();
  }

  TableScene scene() const { return TableScene(state, layout); }
  Anchor anchor(PileRef pile) const { return layout.anchors().at(pile); }
  Pixel at(Point p, int dx, int dy) const { return renderer.tableBuffer().pixel(p.x + dx, p.y + dy); }
  Point cardAt(PileRef pile, int slot) const { return layout.cardPosition(pile, slot); }

  testing::PictureFolder folder;
  SettingsRecord settings;
  GameState state;
  Listener listener;
  TableLayout layout{settings, nullptr, [](int) { return 0; }};
  TableRenderer renderer{settings, folder.home(), &listener};
  PixelSurface window{400, 300};
};

constexpr PileRef kFila1{PileList::Tableau, 0};
constexpr PileRef kFila2{PileList::Tableau, 1};
constexpr PileRef kFila3{PileList::Tableau, 2};
constexpr PileRef kDest1{PileList::Foundations, 0};

TEST_F(TableRendering, EveryCardLiesAtItsPlaceWithRoundedCorners) {
  // Stock of 14 backs, waste of two, foundation ace and two of hearts, tableau pile 1 two backs and a face.
  std::string stock;
  for (int card = 40; card < 54; ++card) stock += cardToken(card) + "0";
  ASSERT_TRUE(state.restorePile(PileList::Stock, kStockIndex, stock));
  ASSERT_TRUE(state.restorePile(PileList::Stock, kWasteIndex, "03010311"));
  ASSERT_TRUE(state.restorePile(PileList::Foundations, 0, "00110021"));
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 0, "020002100661"));
  renderer.redrawTable(scene(), &window);
  EXPECT_TRUE(listener.problems.empty());

  // A stock of 14 cards is lifted by 3, and the library keeps the lifted anchor.
  const Anchor stockAnchor = anchor(kStockPile);
  const Point lifted{stockAnchor.left - 3, stockAnchor.top - 3};
  EXPECT_EQ(fGetMazzoLeft(kStockIndex), lifted.x);
  EXPECT_EQ(fGetMazzoTop(kStockIndex), lifted.y);
  EXPECT_EQ(at(lifted, 12, 12), kBackColour);
  EXPECT_EQ(at(lifted, 24, 31), kSilver);  // a squared pile's edge at the lower right
  // Below and right of the lifted card the edges of the cards beneath show.
  EXPECT_EQ(at({stockAnchor.left, stockAnchor.top}, 24, 31), rgbPixel(90, 90, 90));
  EXPECT_EQ(at(lifted, -1, 5), kGreen);
  EXPECT_EQ(at({stockAnchor.left, stockAnchor.top}, -10, 31), kGreen);  // the strips' blue is transparent
  EXPECT_EQ(at({stockAnchor.left, stockAnchor.top}, 24, -10), kGreen);
  // The waste of two is lifted by one and shows its top card's face.
  const Anchor waste = anchor(kWastePile);
  EXPECT_EQ(fGetMazzoLeft(kWasteIndex), waste.left - 1);
  EXPECT_EQ(at({waste.left - 1, waste.top - 1}, 12, 12), faceColour(31));

  // A squared foundation: the two on the ace, silver at its lower right, table at the other corners.
  const Point dest = cardAt(kDest1, 1);
  EXPECT_EQ(at(dest, 12, 12), faceColour(2));
  EXPECT_EQ(at(dest, 24, 31), kSilver);
  EXPECT_EQ(at(dest, 0, 31), kGreen);
  EXPECT_EQ(at(dest, 0, 0), kGreen);
  EXPECT_EQ(at(dest, 1, 0), kGreen);
  EXPECT_EQ(at(dest, 24, 1), kGreen);

  // Tableau pile 1: the face-down cards show their backs' top rows; the top
  // card (66, drawn as the ace of diamonds) shows the back beneath at its upper corners.
  const Point bottom = cardAt(kFila1, 0), top = cardAt(kFila1, 2);
  EXPECT_EQ(top.y, bottom.y + 6);
  EXPECT_EQ(at(bottom, 12, 1), kBackColour);
  EXPECT_EQ(at(bottom, 0, 0), kGreen);
  EXPECT_EQ(at(top, 12, 12), faceColour(14));
  EXPECT_EQ(at(top, 0, 0), kBackColour);
  EXPECT_EQ(at(top, 24, 31), kGreen);
  EXPECT_EQ(at(top, 23, 31), kGreen);
  EXPECT_EQ(at(top, 22, 31), faceColour(14));

  // Empty piles: a king base rank, the plain tableau mark, the ace foundations.
  EXPECT_EQ(at(cardAt(kFila2, 0), 5, 5), markColour(mark::kBaseKing));
  EXPECT_EQ(at(cardAt(kFila3, 0), 5, 5), markColour(mark::kPlainTableau));
  EXPECT_EQ(at(cardAt({PileList::Foundations, 1}, 0), 5, 5), markColour(mark::kPlainFoundation));
  // What the window shows is the table buffer.
  EXPECT_EQ(window.pixel(top.x + 12, top.y + 12), faceColour(14));
  EXPECT_EQ(window.pixel(399, 299), kGreen);
}

TEST_F(TableRendering, ThinningPileLeavesNoTraceOfItsFormerThickness) {
  std::string stock;
  for (int card = 1; card <= 30; ++card) stock += cardToken(card) + "0";
  ASSERT_TRUE(state.restorePile(PileList::Stock, kStockIndex, stock));
  renderer.redrawTable(scene(), &window);
  const Anchor a = anchor(kStockPile);
  EXPECT_EQ(fGetMazzoLeft(kStockIndex), a.left - 5);
  ASSERT_TRUE(state.restorePile(PileList::Stock, kStockIndex, "0010"));
  renderer.drawPile(scene(), kStockPile, renderer.tableBuffer());
  EXPECT_EQ(fGetMazzoLeft(kStockIndex), a.left);
  EXPECT_EQ(at({a.left, a.top}, -3, 5), kGreen);
  EXPECT_EQ(at({a.left, a.top}, 5, -3), kGreen);
  EXPECT_EQ(at({a.left, a.top}, 0, 0), kGreen);  // one card: its corners show the table
  EXPECT_EQ(at({a.left, a.top}, 24, 31), kGreen);
  EXPECT_EQ(at({a.left, a.top}, 12, 12), kBackColour);
  state.piles.stock().clear();
  renderer.drawPile(scene(), kStockPile, renderer.tableBuffer());
  EXPECT_EQ(at({a.left, a.top}, 5, 5), markColour(mark::kNoRedeal));  // nothing in the waste to redeal
}

TEST_F(TableRendering, BottomCardOfARedrawnPileShowsTheBareTable) {
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 0, "00110021"));
  renderer.redrawTable(scene(), &window);
  // Drawn again over something else, the lowest card still takes its corners from the table.
  PixelSurface& buffer = renderer.tableBuffer();
  buffer.fill(rgbPixel(255, 0, 0));
  renderer.drawPile(scene(), kFila1, buffer);
  const Point bottom = cardAt(kFila1, 0), top = cardAt(kFila1, 1);
  EXPECT_EQ(at(bottom, 0, 0), kGreen);
  EXPECT_EQ(at(bottom, 1, 0), kGreen);
  EXPECT_EQ(at(bottom, 24, 1), kGreen);
  EXPECT_EQ(at(top, 0, 0), faceColour(1));
  EXPECT_EQ(at(top, 24, 31), kGreen);
  EXPECT_EQ(at(bottom, -1, 0), rgbPixel(255, 0, 0));
}

TEST_F(TableRendering, DealShowsTheSourceAsABack) {
  state.parameters[param::kStockFaceDown] = 0;
  ASSERT_TRUE(state.restorePile(PileList::Stock, kStockIndex, "00510521"));
  renderer.redrawTable(scene(), &window);
  const Point stock{fGetMazzoLeft(kStockIndex), fGetMazzoTop(kStockIndex)};
  EXPECT_EQ(at(stock, 12, 12), faceColour(52));
  EXPECT_TRUE(listener.dealSources.empty());
  renderer.redrawTable(scene(), &window, true);
  EXPECT_EQ(at(stock, 12, 12), kBackColour);
  ASSERT_EQ(listener.dealSources.size(), 1u);
  EXPECT_EQ(listener.dealSources[0], (PixelRect{stock.x, stock.y, 25, 32}));
}

TEST_F(TableRendering, SelectionIsAToggle) {
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 0, "00200271"));
  ASSERT_TRUE(state.restorePile(PileList::Stock, kWasteIndex, "0131"));
  renderer.redrawTable(scene(), &window);
  const PixelSurface before = renderer.tableBuffer();
  const PixelSurface windowBefore = window;
  TableScene selected = scene();
  selected.selection = {27, 13};
  renderer.showSelection(selected, &window, true);
  EXPECT_TRUE(renderer.selectionShown());
  const Point card = cardAt(kFila1, 1);
  EXPECT_EQ(at(card, 12, 12), faceColour(27) ^ 0x00FFFFFFu);
  EXPECT_EQ(window.pixel(card.x + 12, card.y + 12), faceColour(27) ^ 0x00FFFFFFu);
  EXPECT_EQ(at(card, 0, 0), before.pixel(card.x, card.y));  // the corners keep the table
  EXPECT_EQ(at(card, 1, 0), before.pixel(card.x + 1, card.y));
  EXPECT_EQ(at(card, 2, 0), faceColour(27) ^ 0x00FFFFFFu);
  const Point waste{fGetMazzoLeft(kWasteIndex), fGetMazzoTop(kWasteIndex)};
  EXPECT_EQ(at(waste, 12, 12), faceColour(13) ^ 0x00FFFFFFu);
  // Shown again: nothing more happens; off: everything is as it was.
  renderer.showSelection(selected, &window, true);
  EXPECT_EQ(at(card, 12, 12), faceColour(27) ^ 0x00FFFFFFu);
  renderer.showSelection(selected, &window, false);
  EXPECT_EQ(renderer.tableBuffer(), before);
  EXPECT_EQ(window, windowBefore);
}

TEST_F(TableRendering, DrawingOffTheTableOrWithoutPicturesIsSafe) {
  renderer.redrawTable(scene(), &window);
  PixelSurface& buffer = renderer.tableBuffer();
  const PixelSurface before = buffer;
  renderer.drawFaceUp(1, -1000000, -1000000, false, buffer);
  renderer.drawFaceUp(1, 2000000000, 5, true, buffer);
  renderer.drawBack(-10, -10, 1000, false, buffer);  // clipped to the card's height
  renderer.drawFaceUp(0, 100, 100, false, buffer);   // a hole draws nothing
  renderer.drawFaceUp(105, 100, 100, false, buffer);
  renderer.drawPileCard(scene(), {PileList::Tableau, 99}, 0, buffer);
  renderer.drawPileCard(scene(), kFila1, 7, buffer);
  EXPECT_EQ(buffer.pixel(110, 110), before.pixel(110, 110));
  EXPECT_EQ(buffer.pixel(10, 21), kBackColour);
  EXPECT_EQ(buffer.pixel(10, 22), before.pixel(10, 22));

  // Without a single picture: one report, stand-in cards, and drawing goes on.
  testing::PictureFolder empty;
  Listener bare;
  TableRenderer blind(settings, empty.home(), &bare);
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 0, "0011"));
  blind.redrawTable(scene(), &window);
  ASSERT_EQ(bare.problems.size(), 1u);
  EXPECT_TRUE(bare.problems[0].starts_with("Cannot find images file:\r" + (empty.images() / "CP001H.bmp").string()));
  const Point card = cardAt(kFila1, 0);
  EXPECT_EQ(window.pixel(card.x + 12, card.y + 12), rgbPixel(255, 255, 255));
}

TEST_F(TableRendering, ImagesFollowTheSettingsAndTheCardSize) {
  folder.writeCardSet(kCardSizeMiniature, 2, 3);
  renderer.redrawTable(scene(), &window);
  settings.set(field::BackCard, "003");
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 0, "00100141"));
  renderer.redrawTable(scene(), &window);
  EXPECT_EQ(renderer.images().backNumber(), 3);
  EXPECT_EQ(renderer.images().cardSet(), 1);
  settings.set(field::Card, "002");
  renderer.redrawTable(scene(), &window);
  EXPECT_EQ(renderer.images().cardSet(), 2);
  EXPECT_TRUE(listener.problems.empty());
}


// A sheet for the panel print: every glyph a bar three pixels wide, so that
// each character advances by four.
void writeBarFont(const testing::PictureFolder& folder) {
  constexpr int kCells = 95 + 12;
  PixelSurface sheet(kCells * kPanelFontCell, 14, rgbPixel(255, 255, 255));
  for (int cell = 1; cell < kCells; ++cell) sheet.fillRect({cell * kPanelFontCell, 2, 3, 10}, rgbPixel(0, 0, 0));
  folder.write("PANEL_FONT.bmp", sheet, true);
}

TEST(PanelFont, MeasuresAndPrintsUtf8TextFromItsSheet) {
  testing::PictureFolder folder;
  writeBarFont(folder);
  PanelFont font;
  EXPECT_FALSE(font.load(folder.home() / "Resources" / "missing.bmp"));
  ASSERT_TRUE(font.load(folder.home() / "Resources" / "PANEL_FONT.bmp"));
  EXPECT_EQ(font.width("AB"), 7);
  // An accented letter has a glyph of its own; a character without one spaces.
  EXPECT_EQ(font.width("Più"), 11);
  EXPECT_EQ(decodeUtf8("Più"), U"Più");
  EXPECT_EQ(decodeUtf8("a\xC3"), U"a?");
  PixelSurface target(20, 16, rgbPixel(255, 255, 255));
  font.draw(target, "I", 4, 1, rgbPixel(0, 0, 0));
  EXPECT_EQ(target.pixel(4, 5), rgbPixel(0, 0, 0));
  EXPECT_EQ(target.pixel(7, 5), rgbPixel(255, 255, 255));
  font.draw(target, "x", 18, 1, rgbPixel(0, 0, 0));  // clipped at the edge, not past it
  EXPECT_EQ(target.pixel(19, 5), rgbPixel(0, 0, 0));
}

TEST_F(TableRendering, RankHintBoxesNameTheNextRankOfEachFoundation) {
  writeBarFont(folder);
  state.parameters[param::kGameFamily] = 10;
  ASSERT_TRUE(state.restorePile(PileList::Foundations, 0, "0121"));
  TableScene s = scene();
  s.rankHints = {"Q", "", "", ""};
  renderer.redrawTable(s, &window);
  const PixelRect box = rankHintRect(s, 0);
  const Anchor dest = anchor(kDest1);
  ASSERT_FALSE(box.empty());
  EXPECT_EQ(box.width, 21);
  EXPECT_EQ(box.height, 14);
  EXPECT_EQ(box.left, dest.left + 25 / 2 - 10);
  const PixelSurface& table = renderer.tableBuffer();
  EXPECT_EQ(table.pixel(box.left, box.top), rgbPixel(0, 0, 0));
  EXPECT_EQ(table.pixel(box.left + 1, box.top + 1), rgbPixel(255, 255, 255));
  int print = 0;
  for (int y = box.top + 1; y < box.bottom() - 1; ++y)
    for (int x = box.left + 1; x < box.right() - 1; ++x) print += table.pixel(x, y) == rgbPixel(0, 0, 0) ? 1 : 0;
  EXPECT_GT(print, 10);
  // The second foundation needs no hint: its place shows the table.
  const PixelRect none = rankHintRect(s, 1);
  EXPECT_EQ(table.pixel(none.left + 5, none.top + 5), renderer.backgroundBuffer().pixel(none.left + 5, none.top + 5));
  // Too near the table's top the box goes under the foundation.
  if (box.top >= 0) {
    WindowMetrics high = layout.window();
    high.barsBottom = dest.top;
    layout.setWindow(high);
    EXPECT_EQ(rankHintRect(s, 0).top, anchor(kDest1).top + 32 + 4);
  } else {
    ADD_FAILURE() << "the four-pile table leaves room above its foundations";
  }
}


// The poker panel stands left of the grid's third row, centred under the
// waste; with the miniature cards it keeps clear of the waste.
TEST(PokerPanel, StandsBesideTheGridAndClearOfTheWaste) {
  for (const char* size : {"B", "M", "P"}) {
    SCOPED_TRACE(size);
    testing::LayoutBench bench;
    bench.settings.set(field::CardSize, size);
    bench.set({{param::kGameFamily, 9}, {param::kTableauCount, 25}, {param::kStockGroupPiles, 2}, {param::kShowStock, 1},
               {param::kShowWaste, 1}, {param::kTableauArrangement, 70}, {param::kTableauRow, 2}});
    const PileAnchors& a = bench.runAt(800, 600);
    const TableScene scene(bench.state, bench.layout);
    const PixelRect panel = pokerPanelRect(scene, 160, 60);
    ASSERT_FALSE(panel.empty());
    const CardSize& card = bench.layout.cardSize();
    const Anchor w = testing::waste(a);
    EXPECT_EQ(panel.left, w.left + (card.width - 160) / 2);
    const bool overlaps = panel.left < w.left + card.width && w.left < panel.right() && panel.top < w.top + card.height &&
                          w.top < panel.bottom();
    EXPECT_FALSE(overlaps) << "panel top " << panel.top << ", waste " << w.top << " to " << w.top + card.height;
  }
}
}  // namespace
}  // namespace quilloro
