// Card pictures drawn from the vector artwork at a zoom: the faces of our card sets, the backs and the empty-pile marks.
#include "table/zoomed_card_pictures.hpp"

#include <algorithm>
#include <exception>
#include <thread>

#include "artwork/card_backs.hpp"
#include "artwork/card_faces.hpp"
#include "artwork/card_styles.hpp"
#include "artwork/font.hpp"
#include "artwork/marks.hpp"

#ifndef QUILLORO_FONT_DIR
#define QUILLORO_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace quilloro {
namespace {

constexpr int kRanksInSuit = 13;

artwork::CardSize artworkSize(const CardSize& size) { return {size.letter, size.width, size.height}; }

PixelSurface surfaceOf(const Bitmap& bitmap, const CardSize& size, double zoom) {
  PixelSurface out(size.width, size.height, zoom, kOpaqueAlpha);
  const int w = std::min(bitmap.width(), out.storedWidth()), h = std::min(bitmap.height(), out.storedHeight());
  for (int y = 0; y < h; ++y) {
    Pixel* row = out.row(y);
    for (int x = 0; x < w; ++x) {
      const Rgb& c = bitmap.at(x, y);
      row[x] = rgbPixel(c.r, c.g, c.b);
    }
  }
  return out;
}

}  // namespace

std::filesystem::path cardFontFolder() { return QUILLORO_FONT_DIR; }

ZoomedCardPictures::ZoomedCardPictures(std::filesystem::path fontFolder) : fontFolder_(std::move(fontFolder)) {}

ZoomedCardPictures::~ZoomedCardPictures() = default;

artwork::FontBook* ZoomedCardPictures::fonts() {
  if (fontsFailed_) return nullptr;
  if (!fonts_) fonts_ = std::make_unique<artwork::FontBook>(fontFolder_);
  return fonts_.get();
}

const ZoomedCardPictures::Faces* ZoomedCardPictures::faces(int cardSet, const CardSize& size, double zoom) {
  const auto key = std::make_tuple(cardSet, size.letter, zoom);
  if (faces_ && facesKey_ == key) return &*faces_;
  const auto& styles = artwork::cardStyles();
  if (cardSet < 1 || cardSet > static_cast<int>(styles.size()) || fonts() == nullptr) return nullptr;
  const artwork::CardStyle& style = styles[static_cast<std::size_t>(cardSet - 1)];
  Faces drawn;
  // Two workers, each with fonts of its own, share the suits.
  bool failed = false;
  auto drawSuits = [&](artwork::FontBook& book, int firstSuit, bool& failure) {
    try {
      for (int s = firstSuit; s < 4; s += 2) {
        for (int rank = 1; rank <= kRanksInSuit; ++rank) {
          const Bitmap face =
              artwork::renderCardFace(style, artworkSize(size), artwork::kSuits[static_cast<std::size_t>(s)], rank, book, zoom);
          drawn[static_cast<std::size_t>(s * kRanksInSuit + rank - 1)] = surfaceOf(face, size, zoom);
        }
      }
    } catch (const std::exception&) {
      failure = true;
    }
  };
  bool helperFailed = false;
  std::thread helper([&] {
    artwork::FontBook book(fontFolder_);
    drawSuits(book, 1, helperFailed);
  });
  drawSuits(*fonts(), 0, failed);
  helper.join();
  if (failed || helperFailed) {
    // Without the fonts no face can be drawn: the files' pictures serve, enlarged.
    fontsFailed_ = true;
    return nullptr;
  }
  faces_ = std::move(drawn);
  facesKey_ = key;
  return &*faces_;
}

std::optional<PixelSurface> ZoomedCardPictures::back(int number, const CardSize& size, double zoom) {
  if (number < 1 || number > artwork::cardBackCount()) return std::nullopt;
  try {
    return surfaceOf(artwork::renderCardBack(number, artworkSize(size), zoom), size, zoom);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::optional<PixelSurface> ZoomedCardPictures::mark(int code, const CardSize& size, double zoom) {
  const std::vector<int> codes = artwork::markCodes();
  if (std::find(codes.begin(), codes.end(), code) == codes.end() || fonts() == nullptr) return std::nullopt;
  try {
    return surfaceOf(artwork::renderMark(code, artworkSize(size), *fonts(), zoom), size, zoom);
  } catch (const std::exception&) {
    fontsFailed_ = true;
    return std::nullopt;
  }
}

PixelSurface atScale(const PixelSurface& picture, double scale) {
  PixelSurface out(picture.width(), picture.height(), scale, kOpaqueAlpha);
  out.copyFrom(picture, {0, 0, picture.width(), picture.height()}, 0, 0);
  return out;
}

PixelSurface screenAtScale(const PixelSurface& picture, double scale) {
  if (scale >= 1.0 || picture.scale() != 1.0 || picture.empty()) return atScale(picture, scale);
  PixelSurface out(picture.width(), picture.height(), scale, kOpaqueAlpha);
  const int w = picture.width(), h = picture.height();
  for (int y = 0; y < out.storedHeight(); ++y) {
    const int sy = std::min(static_cast<int>((y + 0.5) / scale), h - 1);
    Pixel* row = out.row(y);
    for (int x = 0; x < out.storedWidth(); ++x) {
      int sx = std::min(static_cast<int>((x + 0.5) / scale), w - 1);
      // The nearest pixel of the same weave: a dot stays a dot, a gap a gap.
      if ((sx + sy) % 2 != (x + y) % 2 && w > 1) sx += sx + 1 < w ? 1 : -1;
      row[x] = picture.row(sy)[sx];
    }
  }
  return out;
}

}  // namespace quilloro
