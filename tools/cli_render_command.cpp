// The render command: deals a game headless, lays it out for a window and draws it.
#include "tools/cli_render_command.hpp"

#include <cstdlib>

#include <charconv>
#include <random>
#include <stdexcept>

#include "app/core/settings_record.hpp"
#include "app/core/settings_store.hpp"
#include "engine/game_clock.hpp"
#include "engine/game_number.hpp"
#include "engine/game_session.hpp"
#include "engine/games_dat.hpp"
#include "engine/recording_observer.hpp"
#include "table/bmp_image.hpp"
#include "table/pixel_downscale.hpp"
#include "table/png_image.hpp"
#include "table/small_screen_policy.hpp"
#include "table/table_layout.hpp"
#include "table/table_renderer.hpp"
#include "tools/cli_catalogue_commands.hpp"

namespace quilloro::cli {
namespace {

// Medium cards belong to narrow screens; a layout for them is one for such a screen.
constexpr int kNarrowScreenWidth = 640;
constexpr int kStatusBarHeight = 20;
constexpr int kStatusBarGap = 45;
constexpr int kMinSide = 100;
constexpr int kMinScaledSide = 8;
constexpr int kMaxSide = 8192;

void parseSize(const std::string& option, const std::string& text, int minSide, int& width, int& height) {
  const std::size_t x = text.find_first_of("xX");
  const auto number = [&](std::string_view part, int& value) {
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    return !part.empty() && error == std::errc() && end == part.data() + part.size();
  };
  if (x == std::string::npos || !number(std::string_view(text).substr(0, x), width) ||
      !number(std::string_view(text).substr(x + 1), height))
    throw UsageError(option + " needs WIDTHxHEIGHT, not \"" + text + "\"");
  if (width < minSide || height < minSide || width > kMaxSide || height > kMaxSide)
    throw UsageError(option + " takes sides from " + std::to_string(minSide) + " to " + std::to_string(kMaxSide));
}

// The game's parameters as loaded, with the wish for the narrow screens' size
// added when medium cards are asked for, so that the layout settles on them.
class MediumCardsGeometry : public TableGeometry {
 public:
  MediumCardsGeometry(TableLayout& layout, bool forceMedium) : layout_(layout), forceMedium_(forceMedium) {}
  void attach(GameState& state) {
    state_ = &state;
    layout_.attach(state);
  }
  void prepareTable() override {
    if (forceMedium_ && state_ != nullptr) state_->parameters[param::kNeedsWideScreen] = 1;
    layout_.prepareTable();
  }
  bool isPlaced(PileRef pile) const override { return layout_.isPlaced(pile); }
  Point cardPosition(PileRef pile, int slot) const override { return layout_.cardPosition(pile, slot); }

 private:
  TableLayout& layout_;
  GameState* state_ = nullptr;
  bool forceMedium_;
};

class ProblemCollector : public TableRendererListener {
 public:
  void imageProblem(const std::string& /*title*/, const std::string& text) override {
    std::string lines = text;
    for (char& c : lines)
      if (c == '\r') c = '\n';
    problems.push_back(lines);
  }
  std::vector<std::string> problems;
};

}  // namespace

RenderOptions renderOptionsFrom(const Arguments& args) {
  RenderOptions options = tableOptionsFrom(args);
  options.game = args.integer("game");
  return options;
}

RenderOptions tableOptionsFrom(const Arguments& args) {
  RenderOptions options;
  const std::optional<std::string> number = args.text("number");
  if (!number) throw UsageError("--number is required");
  options.gameNumber = normaliseGameNumber(*number);
  if (const auto size = args.text("size")) parseSize("--size", *size, kMinSide, options.width, options.height);
  if (const auto box = args.text("scale-to")) {
    int width = 0, height = 0;
    parseSize("--scale-to", *box, kMinScaledSide, width, height);
    options.scaleTo = {width, height};
  }
  if (const auto zoom = args.text("zoom")) {
    char* end = nullptr;
    const double value = std::strtod(zoom->c_str(), &end);
    if (end == zoom->c_str() || *end != '\0' || !(value >= 1.0 && value <= 6.0))
      throw UsageError("--zoom takes a number from 1 to 6");
    options.zoom = value;
  }
  if (const auto letter = args.text("card-size")) {
    if (*letter != "B" && *letter != "M" && *letter != "P") throw UsageError("--card-size takes B, M or P");
    options.cardSize = (*letter)[0];
  }
  const ProgramPaths paths = programPaths(args);
  options.home = paths.home;
  options.imagesHome = paths.pictures;
  options.gamesDat = paths.gamesDat;
  return options;
}

struct DealtTable::Parts {
  explicit Parts(const RenderOptions& options)
      : dat(GamesDat::load(options.gamesDat)),
        settings(startupSettings(options.home)),
        random(static_cast<std::uint32_t>(std::hash<std::string>{}(options.gameNumber))),
        layout(settings, nullptr, [this](int bound) { return draw(bound); }),
        geometry(layout, options.cardSize == 'M'),
        session(&dat, settings, observer, geometry, time, options.home),
        renderer(settings, options.imagesHome, &problems),
        window(0, 0, options.zoom, kOpaqueAlpha) {
    window.resizeStored(options.width, options.height, options.zoom);
    renderer.setZoom(options.zoom);
    geometry.attach(session.game().state);
  }

  // Untidy offsets and random choices follow the game number, so a render repeats.
  int draw(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }

  GamesDat dat;
  SettingsRecord settings;
  std::mt19937 random;
  TableLayout layout;
  RecordingObserver observer;
  SystemTimeSource time;
  MediumCardsGeometry geometry;
  GameSession session;
  ProblemCollector problems;
  TableRenderer renderer;
  PixelSurface window;
};

DealtTable::DealtTable(const RenderOptions& options) {
  parts_ = std::make_unique<Parts>(options);
  Parts& p = *parts_;
  requireGame(p.dat, options.game);
  p.settings.setInteger(field::Game, options.game);
  p.settings.set(field::GameNumber, options.gameNumber);
  p.settings.set(field::ConfirmEnterHiScores, "N");
  if (options.cardSize) p.settings.set(field::CardSize, std::string(1, *options.cardSize));
  // The small cards come with their own set and back, as the window shows them on a small screen.
  if (options.cardSize == 'M') {
    p.settings.set(field::Card, std::string(kPredefinedCardSet));
    p.settings.set(field::BackCard, std::string(kPredefinedBack));
  }

  // The table's own pixels: the window's divided by the zoom.
  const int width = static_cast<int>(options.width / options.zoom);
  const int height = static_cast<int>(options.height / options.zoom);
  WindowMetrics metrics;
  metrics.windowWidth = metrics.screenWidth = width;
  metrics.windowHeight = metrics.screenHeight = height;
  if (options.cardSize == 'M') metrics.screenWidth = kNarrowScreenWidth;
  metrics.statusBarHeight = kStatusBarHeight;
  metrics.statusBarTop = height - kStatusBarHeight - kStatusBarGap;
  p.layout.setWindow(metrics);
  p.renderer.resizeBuffers(std::max(metrics.screenWidth, width), height);

  p.session.game().setAutoplay(false);
  if (const auto error = p.session.newGame({.deal = true, .newNumber = false})) throw std::runtime_error(*error);
  const TableScene scene{p.session.game().state, p.layout, p.session.game().redealCount()};
  p.renderer.randomChoices([&p](int bound) { return p.draw(bound); }, scene);
}

DealtTable::~DealtTable() = default;

void DealtTable::redraw() {
  Parts& p = *parts_;
  const Game& game = p.session.game();
  const TableScene scene{game.state, p.layout, game.redealCount()};
  p.renderer.redrawTable(scene, &p.window);
}

PixelSurface& DealtTable::window() { return parts_->window; }
TableRenderer& DealtTable::renderer() { return parts_->renderer; }
const std::vector<std::string>& DealtTable::imageProblems() const { return parts_->problems.problems; }

int renderTable(const Arguments& args, std::ostream& out) {
  const RenderOptions options = renderOptionsFrom(args);
  const std::optional<std::string> output = args.text("output");
  if (!output) throw UsageError("-o FILE is required");
  const std::filesystem::path file(*output);
  const std::string extension = file.extension().string();
  const bool png = extension == ".png" || extension == ".PNG";
  if (!png && extension != ".bmp" && extension != ".BMP") throw UsageError("the output file must end in .png or .bmp");

  const PixelSurface picture = renderedPicture(options);
  const bool written = png ? writePngFile(file, picture) : writeBmpFile(file, picture);
  if (!written) throw std::runtime_error("cannot write " + file.string());
  out << file.string() << ": " << picture.width() << "x" << picture.height() << '\n';
  return 0;
}

PixelSurface renderedPicture(const RenderOptions& options) {
  DealtTable table(options);
  table.redraw();
  // Like the program, which ends at the first missing picture, nothing is made then.
  if (!table.imageProblems().empty()) throw std::runtime_error(table.imageProblems().front());
  PixelSurface picture = table.window().storedPixels();
  if (!options.scaleTo) return picture;
  return downscaleToFit(picture, options.scaleTo->first, options.scaleTo->second);
}

}  // namespace quilloro::cli
