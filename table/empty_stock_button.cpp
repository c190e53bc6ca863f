// The empty stock's push-button look and its release.
#include "table/empty_stock_button.hpp"

#include "table/bmp_image.hpp"
#include "table/card_image_files.hpp"

namespace quilloro {

namespace {

constexpr int kPressedMark = 5;
// How long the button shows that it came up again.
constexpr int kComeUpMilliseconds = 50;

}  // namespace

EmptyStockButton::EmptyStockButton(TableRenderer& renderer, PixelSurface& window, Pacer& pacer,
                                   std::filesystem::path programDirectory)
    : renderer_(renderer), window_(window), pacer_(pacer), programDirectory_(std::move(programDirectory)) {}

const PixelSurface* EmptyStockButton::pressedPicture(const CardSize& size) {
  const double zoom = renderer_.zoom();
  if (zoom != 1.0) {
    // The zoomed table draws the picture afresh at its size, or enlarges the file's.
    auto zoomed = zoomedPictures_.find({size.letter, zoom});
    if (zoomed == zoomedPictures_.end()) {
      std::optional<PixelSurface> picture = drawn_.mark(kPressedMark, size, zoom);
      if (!picture) {
        const PixelSurface* plain = filePicture(size);
        if (plain != nullptr) picture = atScale(*plain, zoom);
      }
      zoomed = zoomedPictures_.emplace(std::make_pair(size.letter, zoom), std::move(picture)).first;
    }
    return zoomed->second ? &*zoomed->second : nullptr;
  }
  return filePicture(size);
}

const PixelSurface* EmptyStockButton::filePicture(const CardSize& size) {
  auto found = pictures_.find(size.letter);
  if (found == pictures_.end()) {
    std::optional<PixelSurface> picture;
    const ImageFolders folders(programDirectory_);
    if (const auto file = ImageFolders::find(folders.images(), markFileName(size.letter, kPressedMark))) {
      BmpResult read = readBmpFile(*file);
      if (read.ok() && read.image.width() >= size.width && read.image.height() >= size.height)
        picture = read.image.cropped({0, 0, size.width, size.height});
    }
    found = pictures_.emplace(size.letter, std::move(picture)).first;
  }
  return found->second ? &*found->second : nullptr;
}

void EmptyStockButton::press(const TableLayout& layout) {
  const CardSize& size = renderer_.images().size();
  const Point at = layout.cardPosition(kStockPile, 0);
  stock_ = {at.x, at.y, size.width, size.height};
  if (const PixelSurface* picture = pressedPicture(size)) {
    // Like every mark, the pressed one lies over the bare table.
    window_.copyFrom(renderer_.backgroundBuffer(), stock_, stock_.left, stock_.top);
    window_.overlayLightFrom(*picture, at.x, at.y);
  } else {
    window_.invertRect(stock_);  // without the picture the button still looks pressed
  }
  pressed_ = true;
}

void EmptyStockButton::comeUp() {
  // The table buffer holds the stock's own mark, whichever it is.
  renderer_.refreshWindow(window_, stock_);
  pacer_.pause(kComeUpMilliseconds);
  pressed_ = false;
}

bool EmptyStockButton::pointerMoved(int x, int y) {
  if (!pressed_) return false;
  const bool inside = x >= stock_.left && x <= stock_.right() && y >= stock_.top && y <= stock_.bottom();
  if (inside) return false;
  comeUp();
  return true;
}

bool EmptyStockButton::release() {
  if (!pressed_) return false;
  comeUp();
  return true;
}

}  // namespace quilloro
