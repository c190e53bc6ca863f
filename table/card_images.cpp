#include "table/card_images.hpp"

#include "table/bmp_image.hpp"

namespace quilloro {
namespace {

// The marks read with the cards; the family-8 stock mark waits for its first use.
constexpr std::array kMarksLoadedWithCards{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22};

constexpr int kSheetColumns = 5;
constexpr int kSheetRows = 3;
constexpr int kCardsPerSuit = 13;

constexpr Pixel kStandInFace = rgbPixel(255, 255, 255);
constexpr Pixel kStandInEdge = rgbPixel(128, 128, 128);
constexpr Pixel kStandInBack = rgbPixel(0, 0, 128);

// A plain card for a picture that could not be read.
PixelSurface standIn(const CardSize& size, Pixel face) {
  PixelSurface card(size.width, size.height, kStandInEdge);
  card.fillRect({1, 1, size.width - 2, size.height - 2}, face);
  return card;
}

}  // namespace

void CardImages::report(const std::string& text, bool& problem) {
  // The program ends at the first box; one per load is all anyone will see.
  if (!problem && listener_ != nullptr) listener_->imageProblem(kImageErrorTitle, text);
  problem = true;
}

std::optional<PixelSurface> CardImages::read(const std::filesystem::path& folder, const std::string& name,
                                             int minWidth, int minHeight, bool& problem) {
  const std::optional<std::filesystem::path> file = ImageFolders::find(folder, name);
  if (!file) {
    report(missingImageText(folder / name), problem);
    return std::nullopt;
  }
  BmpResult result = readBmpFile(*file);
  if (!result.ok()) {
    report(unreadableImageText(*file, result.error), problem);
    return std::nullopt;
  }
  if (result.image.width() < minWidth || result.image.height() < minHeight) {
    report(unreadableImageText(*file, "it is smaller than " + std::to_string(minWidth) + " x " +
                                          std::to_string(minHeight) + " pixels"),
           problem);
    return std::nullopt;
  }
  return std::move(result.image);
}

void CardImages::loadFaces(bool& problem) {
  const int w = size_.width, h = size_.height;
  for (const Suit suit : {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades}) {
    const int base = static_cast<int>(suit) * kCardsPerSuit;
    const std::optional<PixelSurface> sheet = read(folders_.images(), faceSheetFileName(size_.letter, cardSet_, suit),
                                                   kSheetColumns * w, kSheetRows * h, problem);
    // Rows of five: ace to 5, 6 to 10, then jack, queen and king.
    for (int k = 0; k < kCardsPerSuit; ++k) {
      PixelSurface& face = faces_[static_cast<std::size_t>(base + k)];
      const int column = k % kSheetColumns, row = k / kSheetColumns;
      face = sheet ? sheet->cropped({column * w, row * h, w, h}) : placeholder_;
    }
  }
}

void CardImages::loadBackImage(bool& problem) {
  const std::optional<PixelSurface> image =
      read(folders_.images(), backFileName(size_.letter, back_), size_.width, size_.height, problem);
  backImage_ = image ? image->cropped({0, 0, size_.width, size_.height}) : standIn(size_, kStandInBack);
}

void CardImages::loadMark(int code, bool& problem) {
  const std::optional<PixelSurface> image =
      read(folders_.images(), markFileName(size_.letter, code), size_.width, size_.height, problem);
  if (image) marks_[code] = image->cropped({0, 0, size_.width, size_.height});
  else marks_.erase(code);
}

void CardImages::setZoom(double zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  loaded_ = false;
}

void CardImages::zoomBack() {
  if (zoom_ == 1.0) return;
  std::optional<PixelSurface> drawn = drawn_.back(back_, size_, zoom_);
  backImage_ = drawn ? std::move(*drawn) : atScale(backImage_, zoom_);
}

void CardImages::zoomMark(int code) {
  const auto found = marks_.find(code);
  if (zoom_ == 1.0 || found == marks_.end()) return;
  std::optional<PixelSurface> drawn = drawn_.mark(code, size_, zoom_);
  found->second = drawn ? std::move(*drawn) : atScale(found->second, zoom_);
}

void CardImages::applyZoom() {
  if (zoom_ == 1.0) return;
  // A face the files could not give keeps its stand-in, enlarged.
  const ZoomedCardPictures::Faces* drawn = drawn_.faces(cardSet_, size_, zoom_);
  for (std::size_t k = 0; k < faces_.size(); ++k) {
    const bool fromFile = faces_[k].pixels() != placeholder_.pixels();
    faces_[k] = drawn != nullptr && fromFile ? (*drawn)[k] : atScale(faces_[k], zoom_);
  }
  placeholder_ = atScale(placeholder_, zoom_);
  zoomBack();
  for (auto& entry : marks_) zoomMark(entry.first);
  // The strips are screens of single dots.
  for (PixelSurface& strip : shadow_) strip = screenAtScale(strip, zoom_);
  for (PixelSurface& strip : border_) strip = screenAtScale(strip, zoom_);
}

bool CardImages::load(const CardSize& size, int cardSet, int back) {
  size_ = size;
  cardSet_ = cardSet;
  back_ = back;
  placeholder_ = standIn(size_, kStandInFace);
  marks_.clear();
  panel_.reset();
  panelTried_ = false;
  family8StockTried_ = false;
  bool problem = false;
  loadFaces(problem);
  loadBackImage(problem);
  for (const int code : kMarksLoadedWithCards) loadMark(code, problem);
  const std::string letter(1, size_.letter);
  // The strips fit any card of the size; they need only be there.
  for (int which = 1; which <= 2; ++which) {
    const std::size_t slot = static_cast<std::size_t>(which - 1);
    const std::string suffix = letter + std::to_string(which);
    const auto shadow = read(folders_.resources(), resourceFileName("SHADOW_" + suffix), 1, 1, problem);
    shadow_[slot] = shadow ? *shadow : PixelSurface{};
    const auto border = read(folders_.resources(), resourceFileName("3D_BORDER_" + suffix), 1, 1, problem);
    border_[slot] = border ? *border : PixelSurface{};
  }
  applyZoom();
  loaded_ = true;
  return !problem;
}

bool CardImages::loadBack(int back) {
  back_ = back;
  bool problem = false;
  loadBackImage(problem);
  zoomBack();
  return !problem;
}

const PixelSurface& CardImages::face(CardNumber card) const {
  if (!isCardNumber(card) || !loaded_) return placeholder_;
  const int withinPack = card > kCardsPerPack ? card - kCardsPerPack : card;
  return faces_[static_cast<std::size_t>(withinPack - 1)];
}

const PixelSurface* CardImages::markImage(int code) {
  auto found = marks_.find(code);
  if (found == marks_.end() && code == mark::kFamily8Stock && loaded_ && !family8StockTried_) {
    family8StockTried_ = true;
    bool problem = false;
    loadMark(code, problem);
    zoomMark(code);
    found = marks_.find(code);
  }
  return found == marks_.end() ? nullptr : &found->second;
}

const PixelSurface* CardImages::pokerPanel() {
  if (!panelTried_) {
    panelTried_ = true;
    bool problem = false;
    panel_ = read(folders_.resources(), resourceFileName("Panel_pk"), 1, 1, problem);
  }
  return panel_ ? &*panel_ : nullptr;
}

}  // namespace quilloro
