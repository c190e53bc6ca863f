// Text for the artwork: glyphs of a TrueType font rasterised with anti-aliasing by FreeType.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "artwork/canvas.hpp"

namespace quilloro::artwork {

// One font face. Not shared between threads: each worker opens its own.
class Font {
 public:
  explicit Font(const std::filesystem::path& file);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // The ink of the text, trimmed to its bounding box (left and top 0), with
  // capital letters and digits about capHeight pixels tall. widthFactor < 1
  // narrows the glyphs, as for a "10" in a narrow corner.
  Mask render(const std::string& text, double capHeight, double widthFactor = 1.0);
  // One character at a pixel size, hinted for small print, untrimmed: a mask
  // `height` rows tall with the baseline at row `baseline`, as wide as the
  // glyph's ink reaches from its pen position. Empty when the font lacks it.
  Mask glyph(char32_t character, int pixelSize, int height, int baseline);

 private:
  struct Library;
  std::unique_ptr<Library> library_;
  double capRatio_ = 0.73;  // cap height / pixel size, measured from "H"
};

// The fonts of one worker, opened on first use from one folder.
class FontBook {
 public:
  explicit FontBook(std::filesystem::path folder) : folder_(std::move(folder)) {}
  Font& get(const std::string& fileName);

 private:
  std::filesystem::path folder_;
  std::vector<std::pair<std::string, std::unique_ptr<Font>>> fonts_;
};

// The mask moved so that its top-left corner lies at (left, top).
Mask placed(Mask mask, int left, int top);
// The mask turned half round within its own rectangle.
Mask rotated180(Mask mask);

// Draws text with its ink box centred on (cx, cy) in pixels; turned half round when upsideDown.
void drawTextCentred(Canvas& canvas, Font& font, const std::string& text, double capHeight, double cx, double cy, Rgb colour,
                     bool upsideDown = false, double widthFactor = 1.0);

}  // namespace quilloro::artwork
