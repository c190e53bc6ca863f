#include "tools/cli_preview_command.hpp"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "engine/games_dat.hpp"
#include "table/bmp_image.hpp"
#include "tools/cli_render_command.hpp"

namespace quilloro::cli {
namespace {

// Four times the catalogue's 300 x 185 preview area: every preview pixel is the
// average of a 4 x 4 block, and the table is laid out as on a large window.
constexpr int kPreviewWindowWidth = 1200;
constexpr int kPreviewWindowHeight = 740;
constexpr int kPreviewAreaWidth = 300;
constexpr int kPreviewAreaHeight = 185;

}  // namespace

std::string previewFileName(int gameIndex) {
  char name[32];
  std::snprintf(name, sizeof name, "GAME%04d.bmp", gameIndex);
  return name;
}

int writePreviews(const Arguments& args, std::ostream& out) {
  const std::optional<std::string> folder = args.text("output");
  if (!folder) throw UsageError("--output DIR is required");
  RenderOptions options = tableOptionsFrom(args);
  if (!args.text("size")) {
    options.width = kPreviewWindowWidth;
    options.height = kPreviewWindowHeight;
  }
  if (!options.scaleTo) options.scaleTo = {kPreviewAreaWidth, kPreviewAreaHeight};

  const std::filesystem::path directory(*folder);
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) throw std::runtime_error("cannot create " + directory.string() + ": " + error.message());

  const int games = GamesDat::load(options.gamesDat).gameCount();
  for (int game = 0; game < games; ++game) {
    options.game = game;
    const PixelSurface picture = renderedPicture(options);
    const std::filesystem::path file = directory / previewFileName(game);
    if (!writeBmpFile(file, picture)) throw std::runtime_error("cannot write " + file.string());
    out << file.string() << ": " << picture.width() << "x" << picture.height() << '\n';
  }
  return 0;
}

}  // namespace quilloro::cli
