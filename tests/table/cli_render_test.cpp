// quilloro-cli render: the options, a dealt table drawn at each card size, and the files written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "table/table_renderer.hpp"
#include "tests/table/render_test_pictures.hpp"
#include "tools/cli_render_command.hpp"

namespace quilloro::cli {
namespace {

const std::filesystem::path kGamesDat =
    std::filesystem::path(std::getenv("QUILLORO_HOME") ? std::getenv("QUILLORO_HOME") : ".") / "GAMES.DAT";

Arguments args(std::vector<std::string> words) { return Arguments(words); }

RenderOptions optionsFor(const testing::PictureFolder& folder, int game, std::optional<char> size) {
  RenderOptions options;
  options.game = game;
  options.gameNumber = "0000000000001";
  options.width = 800;
  options.height = 600;
  options.cardSize = size;
  options.home = options.imagesHome = folder.home();
  options.gamesDat = kGamesDat;
  return options;
}

TEST(RenderCommand, OptionsAreChecked) {
  for (const char* size : {"800", "20x20", "800x-6", "800x600x2"})
    EXPECT_THROW(renderOptionsFrom(args({"--game", "0", "--number", "1", "--size", size})), UsageError) << size;
  EXPECT_THROW(renderOptionsFrom(args({"--game", "0", "--number", "1", "--card-size", "Q"})), UsageError);
  const RenderOptions options =
      renderOptionsFrom(args({"--game", "2", "--number", "77", "--size", "1920x1080", "--card-size", "P"}));
  EXPECT_EQ(options.gameNumber, "0000000000077");
  EXPECT_EQ(options.width * 10000 + options.height, 19201080);
  std::ostringstream out;
  EXPECT_THROW(renderTable(args({"--game", "0", "--number", "1", "--output", "table.gif"}), out), UsageError);
}

TEST(RenderCommand, EachCardSizeIsDrawnWithItsPictures) {
  testing::PictureFolder folder;
  for (const CardSize& size : {kCardSizeNormal, kCardSizeMedium, kCardSizeMiniature}) {
    folder.writeCardSet(size, 1, 11);
    // Narrow screens bring their own set and back.
    folder.writeCardSet(size, 3, 6);
  }
  for (const CardSize& size : {kCardSizeNormal, kCardSizeMedium, kCardSizeMiniature}) {
    DealtTable table(optionsFor(folder, 0, size.letter));
    table.redraw();
    EXPECT_TRUE(table.imageProblems().empty()) << size.letter;
    EXPECT_EQ(table.renderer().images().size().letter, size.letter);
    // The small cards show the small screen's set and back, as the window does.
    EXPECT_EQ(table.renderer().images().cardSet(), size.letter == 'M' ? 3 : 1) << size.letter;
    EXPECT_EQ(table.renderer().images().backNumber(), size.letter == 'M' ? 6 : 11) << size.letter;
    EXPECT_EQ(table.window().width(), 800);
    EXPECT_EQ(table.window().height(), 600);
    // Klondike's seventh pile ends in a face-up card: somewhere a face colour shows.
    int faces = 0, backs = 0;
    for (const Pixel p : table.window().pixels()) {
      faces += ((p >> 8) & 0xFF) == 100 && (p & 0xFF) == 200;
      backs += p == testing::kBackColour;
    }
    EXPECT_GE(faces, 7 * (size.width - 4) * (size.height - 10)) << size.letter;
    EXPECT_GT(backs, 0) << size.letter;
  }
}

TEST(RenderCommand, WritesTheVisibleTableOrFailsOnMissingPictures) {
  testing::PictureFolder folder;
  folder.writeCardSet(kCardSizeNormal, 1, 11);
  const std::filesystem::path png = folder.home() / "table.png";
  std::ostringstream out;
  const std::vector<std::string> common{"--game", "2", "--number", "5", "--size", "800x600", "--home",
                                        folder.home().string(), "--dat", kGamesDat.string(), "--output"};
  std::vector<std::string> words = common;
  words.push_back(png.string());
  ASSERT_EQ(renderTable(args(words), out), 0);
  std::ifstream file(png, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 800u * 600u * 3u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");

  std::filesystem::remove(folder.images() / "DB011.bmp");
  std::filesystem::remove(png);
  try {
    renderTable(args(words), out);
    FAIL() << "a missing back must stop the command";
  } catch (const std::runtime_error& error) {
    EXPECT_TRUE(std::string(error.what()).starts_with("Cannot find images file:\n")) << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace quilloro::cli
