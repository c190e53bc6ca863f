// quilloro-cli render: a game dealt and drawn as the window would show it, written as PNG or BMP.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tools/cli_arguments.hpp"

#include "table/pixel_surface.hpp"

namespace quilloro {
class TableRenderer;
}  // namespace quilloro

namespace quilloro::cli {

struct RenderOptions {
  int game = 0;
  std::string gameNumber;
  int width = 1024;
  int height = 768;
  // The table's zoom: width and height are then the screen's pixels, the
  // table is laid out on width / zoom x height / zoom of its own.
  double zoom = 1.0;
  // "B", "M" or "P"; the preferences' size when not given. "M" is the size
  // of narrow screens: the table is then laid out as on a screen 640 pixels
  // wide, with the predefined card set and back of such screens.
  std::optional<char> cardSize;
  // Width and height of a box the drawn window is shrunk into, keeping its
  // shape (box filter); the window's own size when not given.
  std::optional<std::pair<int, int>> scaleTo;
  std::filesystem::path home;       // DATA/ with the preferences
  std::filesystem::path imagesHome;  // Images/ and Resources/
  std::filesystem::path gamesDat;
};

// The options of the command line; throws UsageError.
RenderOptions renderOptionsFrom(const Arguments& args);
// The same without --game, for commands that draw every game.
RenderOptions tableOptionsFrom(const Arguments& args);

// A game dealt onto a laid-out table of the window's size, with its renderer.
class DealtTable {
 public:
  // Throws std::runtime_error when the game cannot be dealt.
  explicit DealtTable(const RenderOptions& options);
  ~DealtTable();

  // The whole table into the table buffer and onto the window.
  void redraw();
  PixelSurface& window();
  TableRenderer& renderer();
  // The error boxes the pictures gave, "\r" turned into line breaks.
  const std::vector<std::string>& imageProblems() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// The dealt table drawn, shrunk into options.scaleTo when given; throws
// std::runtime_error when the game cannot be dealt or a picture is missing.
PixelSurface renderedPicture(const RenderOptions& options);

// "render --game I --number G [--size WxH] [--scale-to WxH] [--card-size B|M|P] [--home DIR] --output FILE";
// the file's extension (.png or .bmp) picks the format.
int renderTable(const Arguments& args, std::ostream& out);

}  // namespace quilloro::cli
