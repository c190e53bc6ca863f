// The table's background: the demonstration picture, plain green, a tiled or single picture, or a colour with its fade.
#pragma once

#include <optional>

#include "app/core/settings_record.hpp"
#include "table/card_image_files.hpp"
#include "table/card_images.hpp"
#include "table/pixel_surface.hpp"

namespace quilloro {

// What the display can show; several choices change on displays of 256 colours or fewer.
inline constexpr long long kTrueColourDisplay = 999999999;
inline constexpr long long kPaletteDisplayColours = 256;

// The system colour "button face" stands for colours given as system colour
// codes (values with the top bit set), the default of Background_Col.
inline constexpr long long kButtonFaceValue = 0xC0C0C0;

struct BackgroundChoice {
  enum class Kind { DemoPicture, DefaultGreen, Picture, Colour };
  Kind kind = Kind::DefaultGreen;
  int picture = 0;       // Picture: the number n of "B" + n
  long long colour = 0;  // DefaultGreen and Colour: the colour value, red in the lowest byte
  bool fade = false;     // Colour: black at the bottom up to the colour at the top

  // Pictures numbered from 500 on are drawn once at the top-left corner; lower ones are tiled.
  bool tiled() const { return kind == Kind::DemoPicture || (kind == Kind::Picture && picture < 500); }
  friend bool operator==(const BackgroundChoice&, const BackgroundChoice&) = default;
};

// The background the settings ask for, in the order demonstration, plain
// green, picture, colour.
BackgroundChoice backgroundChoiceFrom(const SettingsRecord& settings, bool demo, long long displayColours);

class BackgroundPainter {
 public:
  BackgroundPainter(ImageFolders folders, ImageProblemListener* listener)
      : folders_(std::move(folders)), listener_(listener) {}

  // Paints the whole surface; the fade covers the window and one pixel more.
  // A tiled picture that is missing or damaged is reported and the table
  // shows plain green; a missing single picture leaves plain green silently.
  void paint(const BackgroundChoice& choice, PixelSurface& target, int windowWidth, int windowHeight);

 private:
  const PixelSurface* picture(const std::string& name, bool reportProblems);

  ImageFolders folders_;
  ImageProblemListener* listener_;
  // The last picture read, kept so that a repaint does not read it again.
  std::string cachedName_;
  std::optional<PixelSurface> cached_;
};

// Fills the rectangle (0, 0, width, height) with 256 bands, black at the
// bottom, the colour's channels scaled by n / 256 in band n counted upwards.
void paintFade(PixelSurface& target, int width, int height, long long colour);

}  // namespace quilloro
