// The small bold print of the table's panels and hint boxes, read from its glyph sheet.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "table/pixel_surface.hpp"

namespace quilloro {

// The sheet "PANEL_FONT.bmp" holds one cell of kPanelFontCell x its height
// per character, black print on white: the printable ASCII characters, then
// the accented letters of Italian (à è é ì ò ù and their capitals).
inline constexpr int kPanelFontCell = 14;

class PanelFont {
 public:
  // False when the sheet is missing or damaged; the font then prints nothing.
  bool load(const std::filesystem::path& sheet);
  bool loaded() const { return !sheet_.empty(); }
  int height() const { return sheet_.height(); }

  // The width of a UTF-8 text in pixels; characters without a glyph count as a space.
  int width(std::string_view text) const;
  // Prints the text with its cell tops at top, blending the print's
  // coverage in the colour over what the target holds.
  void draw(PixelSurface& target, std::string_view text, int left, int top, Pixel colour) const;

 private:
  // The cell of a character, or -1 for one the sheet lacks.
  int cellOf(char32_t character) const;
  int advanceOf(int cell) const;

  PixelSurface sheet_;
  std::vector<int> advances_;
};

// The characters of a UTF-8 text; malformed bytes read as '?'.
std::u32string decodeUtf8(std::string_view text);

}  // namespace quilloro
