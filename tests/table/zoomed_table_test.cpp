// The table drawn at a zoom: card pictures drawn afresh from the artwork at the zoomed size, pictures
// the artwork has no design for enlarged from their files, and the same table placed the same way.
#include <gtest/gtest.h>

#include "table/table_renderer.hpp"
#include "table/zoomed_card_pictures.hpp"
#include "tests/table/four_pile_table.hpp"
#include "tests/table/render_test_pictures.hpp"

namespace quilloro {
namespace {

using testing::faceColour;

constexpr Pixel kFeltGreen = rgbPixel(0, 0x60, 0);

// How many stored pixels of two pictures of one size differ.
int differingPixels(const PixelSurface& a, const PixelSurface& b) {
  if (a.pixels().size() != b.pixels().size()) return -1;
  int n = 0;
  for (std::size_t k = 0; k < a.pixels().size(); ++k) n += a.pixels()[k] != b.pixels()[k];
  return n;
}

TEST(ZoomedCardPictures, FacesBacksAndMarksAreDrawnAtTheZoomedSizeNotEnlarged) {
  ZoomedCardPictures pictures;
  const ZoomedCardPictures::Faces* plain = pictures.faces(1, kCardSizeNormal, 1.0);
  ASSERT_NE(plain, nullptr);
  const PixelSurface enlarged = atScale((*plain)[12], 2.0);  // the king of hearts
  const ZoomedCardPictures::Faces* zoomed = pictures.faces(1, kCardSizeNormal, 2.0);
  ASSERT_NE(zoomed, nullptr);
  const PixelSurface& king = (*zoomed)[12];
  EXPECT_EQ(king.width(), 71);
  EXPECT_EQ(king.storedWidth(), 142);
  EXPECT_EQ(king.storedHeight(), 192);
  // Drawn afresh, the edges of every line are finer than an enlarged picture's.
  EXPECT_GT(differingPixels(king, enlarged), 142 * 192 / 20);
  // The border stays a fine line: one stored pixel at zoom 2, the face right inside it.
  EXPECT_NE(king.row(96)[0], king.row(96)[1]);
  EXPECT_EQ(king.row(96)[1], king.row(100)[10]);

  const std::optional<PixelSurface> back = pictures.back(11, kCardSizeNormal, 1.5);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->storedWidth(), 107);
  EXPECT_EQ(back->storedHeight(), 144);
  const std::optional<PixelSurface> mark = pictures.mark(7, kCardSizeMedium, 2.5);
  ASSERT_TRUE(mark);
  EXPECT_EQ(mark->storedWidth(), 148);

  // A card set, back or mark of no design of ours is left to the files.
  EXPECT_EQ(pictures.faces(999, kCardSizeNormal, 2.0), nullptr);
  EXPECT_FALSE(pictures.back(999, kCardSizeNormal, 2.0));
  EXPECT_FALSE(pictures.mark(99, kCardSizeNormal, 2.0));
  // Without its fonts nothing is drawn, and nothing fails.
  ZoomedCardPictures fontless("/nonexistent/fonts");
  EXPECT_EQ(fontless.faces(1, kCardSizeNormal, 2.0), nullptr);
  EXPECT_FALSE(fontless.mark(7, kCardSizeNormal, 2.0));
}

class ZoomedRendering : public ::testing::Test {
 protected:
  void SetUpTable(int cardSet) {
    folder.writeCardSet(kCardSizeMiniature, cardSet);
    settings.set(field::CardSize, "P");
    settings.set(field::CardsShadowed, "N");
    settings.set(field::PilesIrregular, "N");
    settings.set(field::Card, cardSet == 1 ? "001" : "999");
    settings.set(field::BackCard, "011");
    settings.set(field::BackgroundDefault, "Y");
    testing::useFourPileTable(state);
    WindowMetrics window;
    window.screenWidth = window.windowWidth = 400;
    window.screenHeight = window.windowHeight = 300;
    window.statusBarTop = 235;
    layout.attach(state);
    layout.setWindow(window);
    layout.prepareTable();
    ASSERT_TRUE(state.restorePile(PileList::Foundations, 0, "00110021"));
    ASSERT_TRUE(state.restorePile(PileList::Tableau, 0, "020002100661"));
  }

  testing::PictureFolder folder;
  SettingsRecord settings;
  GameState state;
  testing::RecordingProblems problems;
  TableLayout layout{settings, nullptr, [](int) { return 0; }};
  TableRenderer renderer{settings, folder.home(), nullptr};
};

TEST_F(ZoomedRendering, CardsLieAtTheirTablePlacesInStoredPixelsOfTheZoom) {
  SetUpTable(1);
  renderer.setZoom(2.0);
  PixelSurface window(400, 300, 2.0, kOpaqueAlpha);
  renderer.redrawTable(TableScene(state, layout), &window);
  EXPECT_EQ(renderer.tableBuffer().scale(), 2.0);
  EXPECT_EQ(window.storedWidth(), 800);
  // The two on the ace of the first foundation is our own drawing of the two of hearts, at the zoom.
  ZoomedCardPictures pictures;
  const ZoomedCardPictures::Faces* faces = pictures.faces(1, kCardSizeMiniature, 2.0);
  ASSERT_NE(faces, nullptr);
  const Point two = layout.cardPosition({PileList::Foundations, 0}, 1);
  const PixelRect stored = window.storedRect({two.x, two.y, 25, 32});
  for (const auto& [x, y] : {std::pair{10, 10}, std::pair{30, 40}, std::pair{25, 60}})
    EXPECT_EQ(window.row(stored.top + y)[stored.left + x], (*faces)[1].row(y)[x]);
  // The bare table around it, and its cut corner showing the table.
  EXPECT_EQ(window.pixel(two.x - 2, two.y), kFeltGreen);
  EXPECT_EQ(window.row(stored.top)[stored.left], kFeltGreen);

  // Back to scale 1: the files' flat pictures again, one stored pixel per table pixel.
  renderer.setZoom(1.0);
  PixelSurface plain(400, 300);
  renderer.redrawTable(TableScene(state, layout), &plain);
  EXPECT_EQ(plain.pixel(two.x + 12, two.y + 12), faceColour(2));
}

// A table shrunk to fit a small window: the cards are drawn afresh at the
// smaller size, never a reduced copy of the larger picture.
TEST_F(ZoomedRendering, AShrunkTableDrawsItsCardsAtTheSmallerSize) {
  SetUpTable(1);
  renderer.setZoom(0.75);
  PixelSurface window(400, 300, 0.75, kOpaqueAlpha);
  renderer.redrawTable(TableScene(state, layout), &window);
  EXPECT_EQ(renderer.tableBuffer().scale(), 0.75);
  EXPECT_EQ(window.storedWidth(), 300);
  ZoomedCardPictures pictures;
  const ZoomedCardPictures::Faces* faces = pictures.faces(1, kCardSizeMiniature, 0.75);
  ASSERT_NE(faces, nullptr);
  const PixelSurface two = (*faces)[1];  // a copy: the pictures keep one zoom's faces
  EXPECT_EQ(two.storedWidth(), 19);
  EXPECT_EQ(two.storedHeight(), 24);
  const Point at = layout.cardPosition({PileList::Foundations, 0}, 1);
  const PixelRect stored = window.storedRect({at.x, at.y, 25, 32});
  EXPECT_EQ(stored.width, 19);
  for (const auto& [x, y] : {std::pair{5, 5}, std::pair{9, 12}, std::pair{14, 20}})
    EXPECT_EQ(window.row(stored.top + y)[stored.left + x], two.row(y)[x]);
  const ZoomedCardPictures::Faces* full = pictures.faces(1, kCardSizeMiniature, 1.0);
  ASSERT_NE(full, nullptr);
  EXPECT_GT(differingPixels(two, atScale((*full)[1], 0.75)), 0);
  EXPECT_EQ(window.pixel(at.x - 3, at.y), kFeltGreen);
}

TEST_F(ZoomedRendering, ACardSetOfThePlayersOwnIsEnlargedFromItsFile) {
  SetUpTable(999);
  renderer.setZoom(1.5);
  PixelSurface window(400, 300, 1.5, kOpaqueAlpha);
  renderer.redrawTable(TableScene(state, layout), &window);
  const Point two = layout.cardPosition({PileList::Foundations, 0}, 1);
  EXPECT_EQ(window.pixel(two.x + 12, two.y + 12), faceColour(2));
  // Every stored pixel of the card's middle shows it.
  const PixelRect middle = window.storedRect({two.x + 5, two.y + 5, 15, 20});
  for (int y = middle.top; y < middle.bottom(); ++y)
    for (int x = middle.left; x < middle.right(); ++x) ASSERT_EQ(window.row(y)[x], faceColour(2));
}

}  // namespace
}  // namespace quilloro
