// The pictures behind the Customize window's names: a back of its own for every named back, seamless tiles for every named background, the counter's cells.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "app/core/look_catalogue.hpp"
#include "artwork/bmp_writer.hpp"

namespace {

using namespace quilloro;
namespace fs = std::filesystem;

fs::path installedHome() {
  const char* value = std::getenv("QUILLORO_HOME");
  return value ? fs::path(value) : fs::path();
}

std::string threeDigits(long long n) {
  std::string text = std::to_string(n);
  return std::string(3 - text.size(), '0') + text;
}

double difference(Rgb a, Rgb b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

TEST(NamedArtwork, EveryNamedBackHasAPictureOfItsOwnInEverySize) {
  ASSERT_FALSE(installedHome().empty());
  for (const char size : {'B', 'M', 'P'}) {
    std::set<std::string> seen;
    for (const LookLeaf& leaf : leavesOf(cardBackTree())) {
      const fs::path file = installedHome() / "Images" / (std::string("D") + size + threeDigits(leaf.value) + ".bmp");
      ASSERT_TRUE(fs::exists(file)) << leaf.caption;
      const Bitmap back = readBmp(file);
      std::string pixels;
      for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x) pixels += static_cast<char>(back.at(x, y).r ^ back.at(x, y).g ^ back.at(x, y).b);
      EXPECT_TRUE(seen.insert(pixels).second) << leaf.caption << " looks like another back";
    }
  }
}

// A tile is seamless when the step from its last column to its first is no
// larger than the steps inside it; the same for rows.
TEST(NamedArtwork, EveryNamedBackgroundIsASeamlessTile) {
  ASSERT_FALSE(installedHome().empty());
  for (const LookLeaf& leaf : leavesOf(backgroundTree())) {
    if (leaf.value < 2 || leaf.value > 1000) continue;
    SCOPED_TRACE(leaf.caption);
    const fs::path file = installedHome() / "Images" / ("B" + threeDigits(leaf.value) + ".bmp");
    ASSERT_TRUE(fs::exists(file));
    const Bitmap tile = readBmp(file);
    ASSERT_EQ(tile.width(), 256);
    ASSERT_EQ(tile.height(), 256);
    double wrapX = 0, insideX = 0, wrapY = 0, insideY = 0;
    for (int k = 0; k < 256; ++k) {
      wrapX += difference(tile.at(255, k), tile.at(0, k));
      insideX += difference(tile.at(127, k), tile.at(128, k));
      wrapY += difference(tile.at(k, 255), tile.at(k, 0));
      insideY += difference(tile.at(k, 127), tile.at(k, 128));
    }
    // Grid lines may fall on a tile's edge, so the wrap is allowed a margin.
    EXPECT_LT(wrapX, insideX * 2.5 + 256 * 40);
    EXPECT_LT(wrapY, insideY * 2.5 + 256 * 40);
  }
}

TEST(NamedArtwork, CounterCellsAndEffectSamplesHaveTheirSizes) {
  ASSERT_FALSE(installedHome().empty());
  const fs::path resources = installedHome() / "Resources";
  for (const char* suit : {"card_hearts", "card_diamonds", "card_clubs", "card_spades"}) {
    const Bitmap picture = readBmp(resources / (std::string(suit) + ".bmp"));
    EXPECT_EQ(picture.width(), 14);
    EXPECT_EQ(picture.height(), 16);
  }
  EXPECT_TRUE(fs::exists(resources / "Card_None.bmp"));
  for (int rank = 1; rank <= 13; ++rank)
    for (const char* state : {"_Up", "_Down"}) {
      const Bitmap cell = readBmp(resources / ("Card_" + std::to_string(rank) + state + ".bmp"));
      EXPECT_EQ(cell.width(), 13);
      EXPECT_EQ(cell.height(), 16);
    }
  for (const char* name : {"CARD_WITH_SHADOW", "CARD_WITHOUT_SHADOW", "CARD_IRR_PILES_YES", "CARD_IRR_PILES_NO",
                           "CARD_NOT_ANIMATED", "CARD_ANIMATED_0", "CARD_ANIMATED_7"}) {
    const Bitmap sample = readBmp(resources / (std::string(name) + ".bmp"));
    EXPECT_EQ(sample.width(), 112) << name;
    EXPECT_EQ(sample.height(), 84) << name;
  }
}

}  // namespace
