// Card pictures drawn from the vector artwork at a zoom: the faces of our card sets, the backs and the empty-pile marks.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "engine/card.hpp"
#include "table/card_size.hpp"
#include "table/pixel_surface.hpp"

namespace quilloro {

namespace artwork {
class FontBook;
}

// The folder of the fonts the card indices are drawn with.
std::filesystem::path cardFontFolder();

// Pictures of size.width x size.height table pixels at the zoom's scale, drawn
// afresh rather than enlarged. A picture the artwork has no design for (a card
// set or back a player added), or one it cannot draw for want of its fonts,
// comes back empty: the caller enlarges the file's picture instead.
class ZoomedCardPictures {
 public:
  explicit ZoomedCardPictures(std::filesystem::path fontFolder = cardFontFolder());
  ~ZoomedCardPictures();
  ZoomedCardPictures(const ZoomedCardPictures&) = delete;
  ZoomedCardPictures& operator=(const ZoomedCardPictures&) = delete;

  using Faces = std::array<PixelSurface, kCardsPerPack>;
  // Hearts, diamonds, clubs and spades, ace to king each: card numbers 1 to 52.
  // The faces of the last set drawn are kept, so that a new back or a
  // redraw at the same zoom costs nothing.
  const Faces* faces(int cardSet, const CardSize& size, double zoom);
  std::optional<PixelSurface> back(int number, const CardSize& size, double zoom);
  std::optional<PixelSurface> mark(int code, const CardSize& size, double zoom);

 private:
  artwork::FontBook* fonts();

  std::filesystem::path fontFolder_;
  std::unique_ptr<artwork::FontBook> fonts_;
  bool fontsFailed_ = false;
  std::tuple<int, char, double> facesKey_{0, ' ', 0.0};
  std::optional<Faces> faces_;
};

// The picture at another scale, each stored pixel taking the nearest one of the picture.
PixelSurface atScale(const PixelSurface& picture, double scale);
// A screen of single dots (a shadow or an edge strip) at another scale: above
// 1 each dot grows as atScale makes it; below 1 each stored pixel takes the
// nearest pixel of the same weave, so that the dots stay single and even.
PixelSurface screenAtScale(const PixelSurface& picture, double scale);

}  // namespace quilloro
