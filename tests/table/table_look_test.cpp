// What the table looks like by the settings: background kinds, the fade, the empty-pile marks and
// the random choices of a new game.
#include <gtest/gtest.h>

#include <deque>

#include "table/background_painter.hpp"
#include "table/empty_pile_marks.hpp"
#include "table/random_table_choices.hpp"
#include "tests/table/render_test_pictures.hpp"

namespace quilloro {
namespace {

using Kind = BackgroundChoice::Kind;

SettingsRecord colourSettings() {
  SettingsRecord s;
  s.set(field::BackgroundDefault, "N");
  s.set(field::BackgroundBitmap, "0");
  s.setInteger(field::BackgroundFixedColour, 0);
  s.setInteger(field::BackgroundColour, 0x123456);
  s.set(field::FadeBackground, "N");
  return s;
}

TEST(BackgroundChoice, FollowsTheSettingsInOrder) {
  SettingsRecord s = colourSettings();
  // A fixed colour of 0 leaves the table to Background_Col; a system colour code reads as button face.
  EXPECT_EQ(backgroundChoiceFrom(s, false, kTrueColourDisplay), (BackgroundChoice{Kind::Colour, 0, 0x123456, false}));
  s.setInteger(field::BackgroundColour, -2147483633);
  s.set(field::FadeBackground, "Y");
  EXPECT_EQ(backgroundChoiceFrom(s, false, kTrueColourDisplay), (BackgroundChoice{Kind::Colour, 0, kButtonFaceValue, true}));
  EXPECT_FALSE(backgroundChoiceFrom(s, false, 256).fade);
  s.set(field::BackgroundBitmap, "499");
  EXPECT_TRUE(backgroundChoiceFrom(s, false, kTrueColourDisplay).tiled());
  s.set(field::BackgroundBitmap, "500");
  EXPECT_FALSE(backgroundChoiceFrom(s, false, kTrueColourDisplay).tiled());
  s.set(field::BackgroundDefault, "Y");
  EXPECT_EQ(backgroundChoiceFrom(s, false, kTrueColourDisplay), (BackgroundChoice{Kind::DefaultGreen, 0, 0x006000, false}));
  EXPECT_EQ(backgroundChoiceFrom(s, false, 256).colour, 0x008000);
  EXPECT_EQ(backgroundChoiceFrom(s, true, kTrueColourDisplay).kind, Kind::DemoPicture);
}

TEST(BackgroundPainter, FadeRunsFromBlackAtTheBottomToTheColour) {
  PixelSurface table(50, 600, 0);
  paintFade(table, 41, 513, 0x0000FF);  // pure red, red in the lowest byte
  EXPECT_EQ(table.pixel(0, 512), rgbPixel(0, 0, 0));
  EXPECT_EQ(table.pixel(40, 0), rgbPixel(254, 0, 0));
  // Band n spans rows bottom - trunc((n + 1) h / 256) to bottom - trunc(n h / 256).
  const int n = 100;
  const int first = 513 - (n + 1) * 513 / 256, last = 513 - n * 513 / 256 - 1;
  EXPECT_EQ(table.pixel(20, first), rgbPixel(100 * 255 / 256, 0, 0));
  EXPECT_EQ(table.pixel(20, last), rgbPixel(100 * 255 / 256, 0, 0));
  EXPECT_EQ(table.pixel(41, 0), 0u);  // right of the fade nothing changes
  EXPECT_EQ(table.pixel(0, 513), 0u);
}

TEST(BackgroundPainter, PicturesTiledOrOnce) {
  testing::PictureFolder folder;
  testing::RecordingProblems problems;
  PixelSurface tile(3, 2, rgbPixel(1, 1, 1));
  tile.setPixel(0, 0, rgbPixel(9, 9, 9));
  folder.write("B499.bmp", tile);
  folder.write("B500.bmp", tile);
  BackgroundPainter painter(ImageFolders(folder.home()), &problems);
  PixelSurface table(10, 10);
  BackgroundChoice choice{Kind::Picture, 499, 0x006000, false};
  painter.paint(choice, table, 8, 8);
  EXPECT_EQ(table.pixel(3, 0), rgbPixel(9, 9, 9));
  EXPECT_EQ(table.pixel(9, 8), rgbPixel(9, 9, 9));
  choice.picture = 500;
  painter.paint(choice, table, 8, 8);
  EXPECT_EQ(table.pixel(0, 0), rgbPixel(9, 9, 9));
  EXPECT_EQ(table.pixel(3, 0), rgbPixel(0, 0x60, 0));
  EXPECT_TRUE(problems.texts.empty());

  // A missing single picture leaves the table green; a missing tiled one is reported.
  choice.picture = 600;
  painter.paint(choice, table, 8, 8);
  EXPECT_TRUE(problems.texts.empty());
  choice.picture = 12;
  painter.paint(choice, table, 8, 8);
  ASSERT_EQ(problems.texts.size(), 1u);
  EXPECT_EQ(problems.texts[0], missingImageText(folder.images() / "B012.bmp"));
  EXPECT_EQ(table.pixel(5, 5), rgbPixel(0, 0x60, 0));
  painter.paint({Kind::DemoPicture, 0, 0x006000, false}, table, 8, 8);
  ASSERT_EQ(problems.texts.size(), 2u);
  EXPECT_NE(problems.texts[1].find("Y001.bmp"), std::string::npos);
}

TEST(EmptyPileMarks, ByPileKindAndParameters) {
  GameParameters p;
  p.values().fill(0);
  const PileRef dest1{PileList::Foundations, 0}, dest2{PileList::Foundations, 1};
  p[param::kFoundationBaseRankFirst] = 13;
  EXPECT_EQ(emptyPileMark(dest1, p, 1, 0), 11);
  p[param::kFoundationBuildTypeFirst] = 10;  // a queen whatever the base rank
  EXPECT_EQ(emptyPileMark(dest1, p, 1, 0), 3);
  p[param::kFoundationBaseRankFirst + 1] = 7;
  EXPECT_EQ(emptyPileMark(dest2, p, 1, 0), 17);
  p[param::kFoundationBaseRankFirst + 1] = 83;
  EXPECT_EQ(emptyPileMark(dest2, p, 1, 0), 4);

  // Tableau: plain, then the base-marker mark when pile 1 has a base rank code, then the pile's own rank.
  const PileRef fila3{PileList::Tableau, 2};
  EXPECT_EQ(emptyPileMark(fila3, p, 1, 0), 7);
  p[param::kTableauBaseRankFirst] = -1;
  EXPECT_EQ(emptyPileMark(fila3, p, 1, 0), 4);

  // The stock: a redeal still to come, none left, and the family-8 mark.
  p[param::kStockPasses] = 3;
  EXPECT_EQ(emptyPileMark(kStockPile, p, 1, 2), 22);
  EXPECT_EQ(emptyPileMark(kStockPile, p, 1, 1), 8);
  EXPECT_EQ(emptyPileMark(kStockPile, p, 3, 5), 8);
  p[param::kStockPasses] = -1;
  EXPECT_EQ(emptyPileMark(kStockPile, p, 40, 2), 22);
  p[param::kGameFamily] = 8;
  EXPECT_EQ(emptyPileMark(kStockPile, p, 1, 0), 21);

  // The waste, the discard pile and the reserves.
  EXPECT_EQ(emptyPileMark(kWastePile, p, 1, 0), std::nullopt);
  p[param::kStockPasses] = 0;
  EXPECT_EQ(emptyPileMark(kWastePile, p, 1, 0), 8);
  p[param::kShowStock] = 1;
  EXPECT_EQ(emptyPileMark(kWastePile, p, 1, 0), 2);
  EXPECT_EQ(emptyPileMark({PileList::Reserves, 3}, p, 1, 0), 1);
  p[param::kReserveTypeFirst] = 9;
  EXPECT_EQ(emptyPileMark({PileList::Reserves, 3}, p, 1, 0), 9);
}

// Answers the queued numbers and keeps the bounds it was asked for.
struct ScriptedRandom {
  std::deque<int> answers;
  std::vector<int> bounds;
  RandomSource source() {
    return [this](int bound) {
      bounds.push_back(bound);
      const int value = answers.empty() ? 0 : answers.front();
      if (!answers.empty()) answers.pop_front();
      return value;
    };
  }
};

TEST(RandomChoices, BackgroundCardSetAndBack) {
  ImageCatalogue catalogue;
  catalogue.backgrounds = {"b001.bmp", "b002.bmp", "b300.bmp", "b500.bmp"};
  catalogue.normalCardFiles = 12;
  catalogue.normalBackFiles = 30;
  EXPECT_EQ(backgroundsForDisplay(catalogue, 256), (std::vector<std::string>{"b001.bmp", "b002.bmp"}));
  EXPECT_EQ(backgroundsForDisplay(catalogue, kTrueColourDisplay).size(), 4u);

  SettingsRecord s = colourSettings();
  s.set(field::BackgroundDefault, "Y");
  s.set(field::RandomBackground, "Y");
  s.set(field::RandomCard, "Y");
  s.set(field::RandomDeck, "Y");
  s.set(field::CardSize, "B");
  s.set(field::Card, "001");
  s.set(field::BackCard, "011");
  ScriptedRandom random{{3, 2, 10}, {}};
  // The card set and back only change for normal-size cards.
  s.set(field::CardSize, "P");
  EXPECT_FALSE(applyRandomChoices(s, catalogue, kTrueColourDisplay, [](int) { return 99; }).cardSetChanged);
  s.set(field::CardSize, "B");
  RandomChoiceOutcome outcome = applyRandomChoices(s, catalogue, kTrueColourDisplay, random.source());
  EXPECT_EQ(random.bounds, (std::vector<int>{9, 3, 30}));
  EXPECT_TRUE(outcome.backgroundChosen);
  EXPECT_EQ(s.get(field::BackgroundDefault), "N");
  EXPECT_EQ(s.get(field::BackgroundBitmap), "500");
  EXPECT_EQ(s.getInteger(field::BackgroundFixedColour), 0);
  EXPECT_TRUE(outcome.cardSetChanged);
  EXPECT_EQ(s.get(field::Card), "003");
  EXPECT_FALSE(outcome.backChanged);  // back 11 drawn again
  EXPECT_EQ(s.get(field::BackCard), "011");

  // Past the pictures come the five colours; a 256-colour display offers two pictures here.
  ScriptedRandom colours{{2 + 4}, {}};
  s.set(field::RandomCard, "N");
  s.set(field::RandomDeck, "N");
  applyRandomChoices(s, catalogue, 256, colours.source());
  EXPECT_EQ(colours.bounds, (std::vector<int>{7}));
  EXPECT_EQ(s.get(field::BackgroundBitmap), "0");
  EXPECT_EQ(s.getInteger(field::BackgroundFixedColour), 0x808000);

}

}  // namespace
}  // namespace quilloro
