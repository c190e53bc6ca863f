// FreeType glyph rendering into coverage masks.
#include "artwork/font.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quilloro::artwork {

struct Font::Library {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Library() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

Font::Font(const std::filesystem::path& file) : library_(std::make_unique<Library>()) {
  if (FT_Init_FreeType(&library_->library) != 0) throw std::runtime_error("cannot start FreeType");
  if (FT_New_Face(library_->library, file.c_str(), 0, &library_->face) != 0)
    throw std::runtime_error("cannot open font " + file.string());
  FT_Set_Pixel_Sizes(library_->face, 0, 200);
  if (FT_Load_Char(library_->face, 'H', FT_LOAD_NO_HINTING) == 0) {
    FT_BBox box;
    FT_Outline_Get_CBox(&library_->face->glyph->outline, &box);
    capRatio_ = static_cast<double>(box.yMax - box.yMin) / 64.0 / 200.0;
  }
}

Font::~Font() = default;

Mask Font::render(const std::string& text, double capHeight, double widthFactor) {
  FT_Face face = library_->face;
  const auto pixels = static_cast<FT_UInt>(std::max(4L, std::lround(capHeight / capRatio_)));
  FT_Set_Pixel_Sizes(face, 0, pixels);
  FT_Matrix matrix{static_cast<FT_Fixed>(widthFactor * 0x10000), 0, 0, 0x10000};
  FT_Set_Transform(face, &matrix, nullptr);

  // Lay the glyphs out on a generous scratch mask, then trim it to the ink.
  const int scratchHeight = static_cast<int>(pixels) * 2;
  const int scratchWidth = static_cast<int>(pixels) * static_cast<int>(text.size() + 1) * 2;
  const int baseline = static_cast<int>(pixels) * 3 / 2;
  Mask scratch{0, 0, scratchWidth, scratchHeight, std::vector<float>(static_cast<std::size_t>(scratchWidth * scratchHeight), 0.0f)};
  long penX = static_cast<long>(pixels) / 4 * 64;
  for (char ch : text) {
    if (FT_Load_Char(face, static_cast<unsigned char>(ch), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) continue;
    const FT_GlyphSlot glyph = face->glyph;
    const FT_Bitmap& bitmap = glyph->bitmap;
    const int originX = static_cast<int>(penX >> 6) + glyph->bitmap_left;
    const int originY = baseline - glyph->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const int x = originX + static_cast<int>(col), y = originY + static_cast<int>(row);
        if (x < 0 || y < 0 || x >= scratchWidth || y >= scratchHeight) continue;
        float& cell = scratch.cover[static_cast<std::size_t>(y * scratchWidth + x)];
        cell = std::min(1.0f, cell + bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + col] / 255.0f);
      }
    }
    penX += glyph->advance.x;
  }
  FT_Set_Transform(face, nullptr, nullptr);

  int minX = scratchWidth, minY = scratchHeight, maxX = -1, maxY = -1;
  for (int y = 0; y < scratchHeight; ++y) {
    for (int x = 0; x < scratchWidth; ++x) {
      if (scratch.cover[static_cast<std::size_t>(y * scratchWidth + x)] > 0.02f) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
    }
  }
  Mask ink;
  if (maxX < 0) return ink;
  ink.width = maxX - minX + 1;
  ink.height = maxY - minY + 1;
  ink.cover.resize(static_cast<std::size_t>(ink.width * ink.height));
  for (int y = 0; y < ink.height; ++y)
    for (int x = 0; x < ink.width; ++x)
      ink.cover[static_cast<std::size_t>(y * ink.width + x)] = scratch.cover[static_cast<std::size_t>((y + minY) * scratchWidth + x + minX)];
  return ink;
}

Mask Font::glyph(char32_t character, int pixelSize, int height, int baseline) {
  FT_Face face = library_->face;
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::max(pixelSize, 4)));
  FT_Set_Transform(face, nullptr, nullptr);
  Mask out;
  if (FT_Get_Char_Index(face, character) == 0 || FT_Load_Char(face, character, FT_LOAD_RENDER) != 0) return out;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  const int left = std::max(slot->bitmap_left, 0);
  out.width = std::max(left + static_cast<int>(bitmap.width), 1);
  out.height = height;
  out.cover.assign(static_cast<std::size_t>(out.width * out.height), 0.0f);
  for (unsigned row = 0; row < bitmap.rows; ++row)
    for (unsigned col = 0; col < bitmap.width; ++col) {
      const int x = left + static_cast<int>(col), y = baseline - slot->bitmap_top + static_cast<int>(row);
      if (y < 0 || y >= height) continue;
      out.cover[static_cast<std::size_t>(y * out.width + x)] =
          bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + col] / 255.0f;
    }
  return out;
}

Font& FontBook::get(const std::string& fileName) {
  for (auto& [name, font] : fonts_)
    if (name == fileName) return *font;
  fonts_.emplace_back(fileName, std::make_unique<Font>(folder_ / fileName));
  return *fonts_.back().second;
}

Mask placed(Mask mask, int left, int top) {
  mask.left = left;
  mask.top = top;
  return mask;
}

Mask rotated180(Mask mask) {
  std::reverse(mask.cover.begin(), mask.cover.end());
  return mask;
}

void drawTextCentred(Canvas& canvas, Font& font, const std::string& text, double capHeight, double cx, double cy, Rgb colour,
                     bool upsideDown, double widthFactor) {
  Mask ink = font.render(text, capHeight, widthFactor);
  if (upsideDown) ink = rotated180(std::move(ink));
  const int left = static_cast<int>(std::lround(cx - ink.width / 2.0));
  const int top = static_cast<int>(std::lround(cy - ink.height / 2.0));
  canvas.paintMask(placed(std::move(ink), left, top), colour);
}

}  // namespace quilloro::artwork
