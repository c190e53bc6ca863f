#include "table/background_painter.hpp"

#include "table/bmp_image.hpp"

namespace quilloro {
namespace {

constexpr long long kTableGreen = 0x006000;
constexpr long long kPaletteTableGreen = 0x008000;
constexpr int kFadeBands = 256;

long long resolvedColour(long long value) {
  // System colour codes carry the top bit of a 32-bit value.
  if (value < 0 || value > 0xFFFFFF) return kButtonFaceValue;
  return value;
}

long long defaultGreen(long long displayColours) {
  return displayColours > kPaletteDisplayColours ? kTableGreen : kPaletteTableGreen;
}

void tile(PixelSurface& target, const PixelSurface& picture) {
  for (int y = 0; y < target.height(); y += picture.height())
    for (int x = 0; x < target.width(); x += picture.width()) target.draw(picture, x, y);
}

}  // namespace

BackgroundChoice backgroundChoiceFrom(const SettingsRecord& settings, bool demo, long long displayColours) {
  BackgroundChoice choice;
  choice.colour = defaultGreen(displayColours);
  if (demo) {
    choice.kind = BackgroundChoice::Kind::DemoPicture;
    return choice;
  }
  if (settings.get(field::BackgroundDefault) == "Y") return choice;
  const long long picture = settings.getInteger(field::BackgroundBitmap).value_or(0);
  if (picture > 0 && picture <= 999) {
    choice.kind = BackgroundChoice::Kind::Picture;
    choice.picture = static_cast<int>(picture);
    return choice;
  }
  choice.kind = BackgroundChoice::Kind::Colour;
  const long long fixed = settings.getInteger(field::BackgroundFixedColour).value_or(0);
  const long long chosen = settings.getInteger(field::BackgroundColour).value_or(kButtonFaceValue);
  choice.colour = resolvedColour(fixed > 0 ? fixed : chosen);
  choice.fade = settings.get(field::FadeBackground) == "Y" && displayColours > kPaletteDisplayColours;
  return choice;
}

void paintFade(PixelSurface& target, int width, int height, long long colour) {
  const Pixel c = colourValuePixel(colour);
  const unsigned red = (c >> 16) & 0xFF, green = (c >> 8) & 0xFF, blue = c & 0xFF;
  const int bottom = height;
  for (int n = 0; n < kFadeBands; ++n) {
    const int from = bottom - static_cast<int>(static_cast<long long>(n + 1) * height / kFadeBands);
    const int to = bottom - static_cast<int>(static_cast<long long>(n) * height / kFadeBands);
    const auto scale = [n](unsigned channel) { return static_cast<unsigned>(n) * channel / kFadeBands; };
    target.fillRect({0, from, width, to - from}, rgbPixel(scale(red), scale(green), scale(blue)));
  }
}

const PixelSurface* BackgroundPainter::picture(const std::string& name, bool reportProblems) {
  if (name == cachedName_) return cached_ ? &*cached_ : nullptr;
  cachedName_ = name;
  cached_.reset();
  const std::optional<std::filesystem::path> file = ImageFolders::find(folders_.images(), name);
  if (!file) {
    if (reportProblems && listener_ != nullptr)
      listener_->imageProblem(kImageErrorTitle, missingImageText(folders_.images() / name));
    return nullptr;
  }
  BmpResult result = readBmpFile(*file);
  if (!result.ok()) {
    if (reportProblems && listener_ != nullptr)
      listener_->imageProblem(kImageErrorTitle, unreadableImageText(*file, result.error));
    return nullptr;
  }
  cached_ = std::move(result.image);
  return &*cached_;
}

void BackgroundPainter::paint(const BackgroundChoice& choice, PixelSurface& target, int windowWidth,
                              int windowHeight) {
  using Kind = BackgroundChoice::Kind;
  switch (choice.kind) {
    case Kind::DefaultGreen:
      target.fill(colourValuePixel(choice.colour));
      return;
    case Kind::Colour:
      target.fill(colourValuePixel(choice.colour));
      if (choice.fade) paintFade(target, windowWidth + 1, windowHeight + 1, choice.colour);
      return;
    case Kind::DemoPicture:
    case Kind::Picture: {
      const std::string name =
          choice.kind == Kind::DemoPicture ? kDemoBackgroundFileName : backgroundFileName(choice.picture);
      const PixelSurface* image = picture(name, choice.tiled());
      if (image == nullptr || !choice.tiled()) target.fill(colourValuePixel(choice.colour));
      if (image == nullptr) return;
      if (choice.tiled()) tile(target, *image);
      else target.draw(*image, 0, 0);
      return;
    }
  }
}

}  // namespace quilloro
