// The BMP and wave encoders, and the generated Images, Resources and SOUNDS folders of the build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "artwork/bmp_writer.hpp"
#include "artwork/card_backs.hpp"
#include "artwork/card_faces.hpp"
#include "artwork/card_geometry.hpp"
#include "artwork/card_styles.hpp"
#include "artwork/marks.hpp"
#include "artwork/sounds.hpp"
#include "artwork/wav_writer.hpp"

namespace {

using namespace quilloro;
using namespace quilloro::artwork;
namespace fs = std::filesystem;

fs::path home() {
  const char* value = std::getenv("QUILLORO_HOME");
  return value ? fs::path(value) : fs::path();
}

std::string slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void expectBmp(const fs::path& file, int width, int height) {
  SCOPED_TRACE(file.string());
  ASSERT_TRUE(fs::exists(file));
  const Bitmap bitmap = readBmp(file);
  EXPECT_EQ(bitmap.width(), width);
  EXPECT_EQ(bitmap.height(), height);
}

TEST(BmpWriter, PadsRowsAndStoresThemBottomUp) {
  Bitmap bitmap(3, 2);
  bitmap.at(0, 0) = {1, 2, 3};     // top-left
  bitmap.at(2, 1) = {10, 20, 30};  // bottom-right
  const std::string bytes = encodeBmp(bitmap);
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // bits per pixel
  // The first stored row is the bottom one, in blue, green, red order.
  EXPECT_EQ(static_cast<unsigned char>(bytes[54 + 6]), 30);
  EXPECT_EQ(static_cast<unsigned char>(bytes[54 + 8]), 10);
  EXPECT_EQ(bytes[54 + 9], '\0');
  EXPECT_EQ(static_cast<unsigned char>(bytes[54 + 12]), 3);
  const Bitmap back = decodeBmp(bytes);
  EXPECT_EQ(back.at(0, 0), (Rgb{1, 2, 3}));
  EXPECT_EQ(back.at(2, 1), (Rgb{10, 20, 30}));
}

TEST(BmpWriter, RejectsOtherFormats) {
  EXPECT_THROW(decodeBmp("GIF89a"), BmpError);
  std::string bytes = encodeBmp(Bitmap(2, 2));
  bytes[28] = 8;  // 8 bits per pixel
  EXPECT_THROW(decodeBmp(bytes), BmpError);
}

TEST(WavWriter, WritesMonoSixteenBitPcm) {
  const std::string bytes = encodeWav({0.0f, 1.0f, -1.0f, 2.0f});
  const WavFormat format = readWavFormat(bytes);
  EXPECT_EQ(format.channels, 1);
  EXPECT_EQ(format.rate, 22050);
  EXPECT_EQ(format.bitsPerSample, 16);
  EXPECT_EQ(format.frames, 4u);
  // Full scale is 32767 and values beyond it are clipped.
  EXPECT_EQ(static_cast<unsigned char>(bytes[46]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[47]), 0x7F);
  EXPECT_EQ(bytes.substr(50, 2), bytes.substr(46, 2));
}

TEST(GeneratedArtwork, CardSheetsBacksAndMarksHaveTheirSizes) {
  ASSERT_FALSE(home().empty()) << "QUILLORO_HOME is not set";
  const fs::path images = home() / "Images";
  const int sets = static_cast<int>(cardStyles().size());
  ASSERT_GE(sets, 5);
  ASSERT_GE(cardBackCount(), 26);
  for (CardSize size : kCardSizes) {
    for (int set = 1; set <= sets; ++set)
      for (Suit suit : kSuits)
        expectBmp(images / (std::string("C") + size.letter + threeDigits(set) + suitLetter(suit) + ".bmp"), 5 * size.width,
                  3 * size.height);
    for (int back = 1; back <= cardBackCount(); ++back)
      expectBmp(images / (std::string("D") + size.letter + threeDigits(back) + ".bmp"), size.width, size.height);
    for (int code : markCodes()) expectBmp(images / (std::string("W") + size.letter + threeDigits(code) + ".bmp"), size.width, size.height);
  }
  for (int code : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 20, 21, 22}) {
    EXPECT_NE(std::find(markCodes().begin(), markCodes().end(), code), markCodes().end()) << code;
  }
}

int distance(Rgb a, Rgb b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

// Whether a pixel is at least half ink on the ground, allowing for the softened edges of small print.
bool isInk(Rgb pixel, Rgb ink, Rgb ground) { return 2 * distance(pixel, ink) < distance(ground, ink); }

// A fan that covers a card leaves its top rows (downward) or its left columns
// (rightward) showing: the rank and the suit of the corner index must both lie
// there, and nothing of them outside, on every card of every set.
TEST(GeneratedArtwork, TheCornerIndexLiesInTheStripEveryFanLeavesShowing) {
  ASSERT_FALSE(home().empty()) << "QUILLORO_HOME is not set";
  const std::vector<CardStyle>& styles = cardStyles();
  for (CardSize size : kCardSizes) {
    if (size.letter == 'P') continue;  // the miniature fans by three pixels: it shows its corner only when on top
    const VisibleStrip strip = visibleStrip(size);
    for (std::size_t set = 0; set < styles.size(); ++set) {
      const CardStyle& style = styles[set];
      for (Suit suit : kSuits) {
        const fs::path file = home() / "Images" /
                              (std::string("C") + size.letter + threeDigits(static_cast<int>(set) + 1) + suitLetter(suit) + ".bmp");
        const Bitmap sheet = readBmp(file);
        // On a tab the rank is printed white; the suit stays in ink below it.
        const Rgb ink = style.ink[static_cast<std::size_t>(suit)];
        const bool tab = style.indexLook == IndexLook::Tab;
        const Rgb rankInk = tab ? Rgb{255, 255, 255} : ink;
        const Rgb rankGround = tab ? ink : style.face;
        for (int rank = 1; rank <= 13; ++rank) {
          SCOPED_TRACE(file.string() + " rank " + std::to_string(rank));
          const int cellX = ((rank - 1) % 5) * size.width, cellY = ((rank - 1) / 5) * size.height;
          auto at = [&](int x, int y) { return sheet.at(cellX + x, cellY + y); };
          const int rankRows = strip.rows / 2;
          int rankInkPixels = 0, suitInkPixels = 0;
          for (int y = 1; y < strip.rows; ++y)
            for (int x = 1; x < strip.columns; ++x) {
              if (y < rankRows && isInk(at(x, y), rankInk, rankGround)) ++rankInkPixels;
              if (y > rankRows && isInk(at(x, y), ink, style.face)) ++suitInkPixels;
            }
          EXPECT_GE(rankInkPixels, 4);
          EXPECT_GE(suitInkPixels, 4);
          // Nothing of the index reaches past the strip: the column right of it
          // above the court frames, the rows below it.
          // A set's inner frame runs 3 to 4 pixels inside the edge.
          auto onFrame = [&](int v) { return style.innerFrame && (v == 3 || v == 4); };
          const int courtFrameTop = 8 * size.height / 96 - 1;
          for (int y = 1; y < std::min(strip.rows, courtFrameTop); ++y)
            if (!onFrame(y)) {
              EXPECT_FALSE(isInk(at(strip.columns, y), ink, style.face)) << "y " << y;
            }
          for (int x = 1; x < strip.columns - 1; ++x)
            for (int y = strip.rows; y < strip.rows + 2; ++y)
              if (!onFrame(x)) {
                EXPECT_FALSE(isInk(at(x, y), ink, style.face)) << "x " << x << " y " << y;
              }
        }
      }
    }
  }
}

TEST(GeneratedArtwork, FolderListingsGiveWholeSetsAndNumberedBacks) {
  ASSERT_FALSE(home().empty());
  // The program counts card sets as the "cb" files divided by four, and backs as the "db" files.
  int faceFiles = 0, backFiles = 0, backgrounds = 0;
  for (const auto& entry : fs::directory_iterator(home() / "Images")) {
    std::string name = entry.path().filename().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name.ends_with(".bmp") && name.starts_with("cb")) ++faceFiles;
    if (name.ends_with(".bmp") && name.starts_with("db")) ++backFiles;
    if (name.ends_with(".bmp") && name.starts_with("b")) ++backgrounds;
  }
  EXPECT_EQ(faceFiles, 4 * static_cast<int>(cardStyles().size()));
  EXPECT_EQ(backFiles, cardBackCount());
  EXPECT_GE(backgrounds, 6);
  EXPECT_TRUE(fs::exists(home() / "Images" / "Y001.bmp"));
  EXPECT_TRUE(fs::exists(home() / "Images" / "B500.bmp"));
}

TEST(GeneratedArtwork, ResourceBitmapsExist) {
  ASSERT_FALSE(home().empty());
  const fs::path resources = home() / "Resources";
  for (CardSize size : kCardSizes) {
    const std::string letter(1, size.letter);
    expectBmp(resources / ("3D_BORDER_" + letter + "1.bmp"), 16, size.height + 13);
    expectBmp(resources / ("3D_BORDER_" + letter + "2.bmp"), size.width + 11, 16);
    EXPECT_TRUE(fs::exists(resources / ("SHADOW_" + letter + "1.bmp")));
    EXPECT_TRUE(fs::exists(resources / ("SHADOW_" + letter + "2.bmp")));
  }
  EXPECT_TRUE(fs::exists(resources / "Panel_pk.bmp"));
  for (const char* name : {"imgGraph0500", "imgGraph0525", "imgGraph0975", "imgGraph1000", "imgGraphNoValues"})
    EXPECT_TRUE(fs::exists(resources / (std::string(name) + ".bmp"))) << name;
  for (const char* name : {"CUR_ARROW1A", "CUR_ARROW2A", "CUR_HAND1A", "CUR_HAND2A", "CUR_CROSS1A", "CUR_ARROW1B", "CUR_ARROW2B",
                           "CUR_HAND1B", "CUR_HAND2B", "CUR_CROSS1B"})
    expectBmp(resources / (std::string(name) + ".bmp"), 32, 32);
}

TEST(GeneratedArtwork, EverySoundIsAQuietMonoWave) {
  ASSERT_FALSE(home().empty());
  const auto names = soundFileNames();
  EXPECT_EQ(names.size(), 20u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string bytes = slurp(home() / "SOUNDS" / name);
    const WavFormat format = readWavFormat(bytes);
    EXPECT_EQ(format.channels, 1);
    EXPECT_EQ(format.rate, 22050);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_GT(format.frames, 22050u / 100);
    EXPECT_LT(format.frames, 22050u * 3);
    int peak = 0;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
      const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
      peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(peak, 3000);   // audible
    EXPECT_LT(peak, 20000);  // and never loud
  }
}

}  // namespace
