// The card pictures of the current size, set and back: 52 faces, the back, the empty-pile marks and the strips.
#pragma once

#include <array>
#include <map>
#include <string>

#include "engine/card.hpp"
#include "table/card_image_files.hpp"
#include "table/card_size.hpp"
#include "table/pixel_surface.hpp"
#include "table/zoomed_card_pictures.hpp"

namespace quilloro {

// Told when a picture the table needs is missing or damaged. The program shows
// the error box and ends; the pictures meanwhile hold stand-ins, so that
// drawing goes on safely until then.
class ImageProblemListener {
 public:
  virtual ~ImageProblemListener() = default;
  virtual void imageProblem(const std::string& title, const std::string& text) = 0;
};

// The marks of empty piles, by the code in their file names.
namespace mark {
inline constexpr int kReserve = 1;
inline constexpr int kWaste = 2;
inline constexpr int kBaseQueen = 3;
inline constexpr int kPlainFoundation = 4;
inline constexpr int kBaseJack = 6;
inline constexpr int kPlainTableau = 7;
inline constexpr int kNoRedeal = 8;
inline constexpr int kSpecialReserve = 9;
inline constexpr int kBaseAce = 10;
inline constexpr int kBaseKing = 11;
inline constexpr int kBaseTwo = 12;  // ranks 2 to 10: rank + 10
inline constexpr int kFamily8Stock = 21;
inline constexpr int kRedeal = 22;
}  // namespace mark

class CardImages {
 public:
  CardImages(ImageFolders folders, ImageProblemListener* listener)
      : folders_(std::move(folders)), listener_(listener) {}

  // Faces, back, marks and strips for the size, the card set and the back.
  // Answers false when a picture was missing or damaged (reported once per call).
  bool load(const CardSize& size, int cardSet, int back);
  // The back alone, for a new back of the same size.
  bool loadBack(int back);
  bool loaded() const { return loaded_; }

  // The scale the pictures are kept at; above 1 our own faces, backs and
  // marks are drawn afresh at that size, any other picture is enlarged. The
  // pictures are loaded again at the next load.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }

  const CardSize& size() const { return size_; }
  int cardSet() const { return cardSet_; }
  int backNumber() const { return back_; }

  // Card numbers 53 to 104 show the card 52 lower; anything outside 1..104
  // gives the stand-in.
  const PixelSurface& face(CardNumber card) const;
  const PixelSurface& back() const { return backImage_; }
  // The mark of a code; nothing when the code has no picture. The family-8
  // stock mark is read at its first use.
  const PixelSurface* markImage(int code);
  // 1: the strip right of a card, 2: the strip below it. Empty when missing.
  const PixelSurface& shadowStrip(int which) const { return shadow_[which == 1 ? 0 : 1]; }
  const PixelSurface& borderStrip(int which) const { return border_[which == 1 ? 0 : 1]; }
  // The score panel of poker games, read at its first use.
  const PixelSurface* pokerPanel();

 private:
  // A picture of the folder, reported when missing or damaged. minWidth and
  // minHeight are the least size it must have to be used.
  std::optional<PixelSurface> read(const std::filesystem::path& folder, const std::string& name, int minWidth,
                                   int minHeight, bool& problem);
  void loadFaces(bool& problem);
  void loadBackImage(bool& problem);
  void loadMark(int code, bool& problem);
  void report(const std::string& text, bool& problem);
  // The pictures just read from the files, brought to the zoom.
  void applyZoom();
  void zoomBack();
  void zoomMark(int code);

  ImageFolders folders_;
  ImageProblemListener* listener_;
  CardSize size_ = kCardSizeNormal;
  int cardSet_ = 1;
  int back_ = 1;
  bool loaded_ = false;
  double zoom_ = 1.0;
  ZoomedCardPictures drawn_;

  std::array<PixelSurface, kCardsPerPack> faces_;
  PixelSurface placeholder_;
  PixelSurface backImage_;
  std::map<int, PixelSurface> marks_;
  std::array<PixelSurface, 2> shadow_;
  std::array<PixelSurface, 2> border_;
  std::optional<PixelSurface> panel_;
  bool panelTried_ = false;
  bool family8StockTried_ = false;
};

}  // namespace quilloro
