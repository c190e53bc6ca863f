// Corner copies, silver pile edges and the shadow touch exactly the pixels they should.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "cardlib/quilloro.h"

namespace {

constexpr uint32_t kTable = 0xFF008000u;
constexpr uint32_t kCard = 0xFFFFFFFFu;
constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kSilver = 0xFFC0C0C0u;

struct Canvas {
  Canvas(int w, int h, uint32_t fill) : pixels(static_cast<std::size_t>(w * h), fill), surface{pixels.data(), w, h, w} {}
  uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * surface.width + x)]; }
  std::set<std::pair<int, int>> pixelsNot(uint32_t colour) const {
    std::set<std::pair<int, int>> result;
    for (int y = 0; y < surface.height; ++y)
      for (int x = 0; x < surface.width; ++x)
        if (at(x, y) != colour) result.insert({x, y});
    return result;
  }
  std::vector<uint32_t> pixels;
  QuilloroSurface surface;
};

}  // namespace

TEST(CardCorners, FourCornersTouchTwelvePixelsOrFourWithTheDetailSwitch) {
  Canvas table(71, 96, kTable);
  Canvas card(71, 96, kCard);
  fDisegnaAngoliCarta(&table.surface, 0, 0, 71, 96, &card.surface, 0, 0, 71, 96, 0);
  EXPECT_EQ(card.pixelsNot(kCard).size(), 12u);
  EXPECT_EQ(card.at(0, 0), kTable);
  EXPECT_EQ(card.at(1, 0), kTable);
  EXPECT_EQ(card.at(69, 95), kTable);
  EXPECT_EQ(card.at(70, 94), kTable);
  EXPECT_EQ(card.at(1, 1), kCard);

  Canvas other(71, 96, kCard);
  fDisegnaAngoliCarta(&table.surface, 0, 0, 71, 96, &other.surface, 0, 0, 71, 96, 71);
  const std::set<std::pair<int, int>> expected{{0, 0}, {70, 0}, {0, 95}, {70, 95}};
  EXPECT_EQ(other.pixelsNot(kCard), expected);
}

TEST(CardCorners, CornersAreReadAtTheSourcePositionAndAnswerTheColour) {
  Canvas table(200, 200, kTable);
  table.pixels[static_cast<std::size_t>(50 * 200 + 20)] = 0xFF112233u;  // upper-left of the source card
  Canvas card(71, 96, kCard);
  const int32_t result = fDisegnaAngoliSupCarta(&table.surface, 20, 50, 91, 146, &card.surface, 0, 0, 71, 96, 0);
  EXPECT_EQ(card.at(0, 0), 0xFF112233u);
  EXPECT_EQ(card.pixelsNot(kCard).size(), 6u);
  EXPECT_EQ(result, 0x008000);  // green 0x80 answered as 0x00BBGGRR
  EXPECT_EQ(card.at(0, 95), kCard);  // lower corners untouched
}

TEST(CardCorners, LowerCornersAndSquaredPileEdge) {
  Canvas table(71, 96, kTable);
  Canvas card(71, 96, kCard);
  fDisegnaAngoliInfCarta(&table.surface, 0, 0, 71, 96, &card.surface, 0, 0, 71, 96, 0);
  EXPECT_EQ(card.pixelsNot(kCard).size(), 6u);
  EXPECT_EQ(card.at(0, 94), kTable);
  EXPECT_EQ(card.at(0, 0), kCard);

  Canvas pile(71, 96, kCard);
  const int32_t silver =
      fDisegnaAngoliInfCarta3DPile(&table.surface, 0, 0, 71, 96, &pile.surface, 0, 0, 71, 96, 0);
  EXPECT_EQ(silver, 0xC0C0C0);
  EXPECT_EQ(pile.at(70, 95), kSilver);
  EXPECT_EQ(pile.at(69, 95), kSilver);
  EXPECT_EQ(pile.at(70, 94), kSilver);
  EXPECT_EQ(pile.at(0, 95), kTable);
  EXPECT_EQ(pile.pixelsNot(kCard).size(), 6u);

  Canvas lone(71, 96, kCard);
  fDisegnaAngoloInf3DPile(&table.surface, 0, 0, 71, 96, &lone.surface, 0, 0, 71, 96, 0);
  const std::set<std::pair<int, int>> expected{{70, 95}, {69, 95}, {70, 94}};
  EXPECT_EQ(lone.pixelsNot(kCard), expected);
}

TEST(CardShadow, DitheredBandsWithACutFarCorner) {
  Canvas table(120, 130, kTable);
  fDisegnaOmbraCarta(&table.surface, 10, 10, 81, 106);
  EXPECT_EQ(table.at(81, 17), kBlack);
  EXPECT_EQ(table.at(81, 19), kBlack);
  EXPECT_EQ(table.at(82, 18), kBlack);
  EXPECT_EQ(table.at(87, 19), kBlack);
  EXPECT_EQ(table.at(81, 18), kTable);
  EXPECT_EQ(table.at(87, 17), kTable);
  EXPECT_EQ(table.at(18, 106), kBlack);
  EXPECT_EQ(table.at(16, 106), kTable);
  EXPECT_EQ(table.at(20, 112), kBlack);
  EXPECT_EQ(table.at(18, 112), kTable);
  EXPECT_EQ(table.at(84, 112), kBlack);
  EXPECT_EQ(table.at(86, 112), kTable);
  EXPECT_EQ(table.at(80, 104), kBlack);  // the rounded corner
  EXPECT_EQ(table.at(79, 105), kBlack);
  for (const auto& [x, y] : table.pixelsNot(kTable)) {
    EXPECT_TRUE((x >= 81 && x <= 87) || (y >= 106 && y <= 112) || (x == 80 && y == 104) || (x == 79 && y == 105))
        << x << "," << y;
  }
}

TEST(CardShadow, PixelsOffTheSurfaceAreSkippedSafely) {
  Canvas small(20, 20, kTable);
  EXPECT_EQ(fDisegnaOmbraCarta(&small.surface, 10, 10, 81, 106), QUILLORO_PIXEL_INVALID);
  EXPECT_EQ(fDisegnaOmbraCarta(nullptr, 0, 0, 10, 10), QUILLORO_PIXEL_INVALID);
  Canvas card(10, 10, kCard);
  EXPECT_EQ(fDisegnaAngoliCarta(nullptr, 0, 0, 10, 10, &card.surface, -5, -5, 400, 400, 0), QUILLORO_PIXEL_INVALID);
  EXPECT_TRUE(card.pixelsNot(kCard).empty());
}
