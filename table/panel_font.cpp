// The small bold print of the table's panels and hint boxes, read from its glyph sheet.
#include "table/panel_font.hpp"

#include <algorithm>

#include "table/bmp_image.hpp"

namespace quilloro {
namespace {

constexpr std::u32string_view kAccented = U"àèéìòùÀÈÉÌÒÙ";
constexpr int kFirstPrintable = 32;
constexpr int kLastPrintable = 126;
constexpr int kSpaceAdvance = 3;
constexpr int kLetterGap = 1;

// How much print a sheet pixel holds: 0 on white, 255 on black.
unsigned coverageAt(const PixelSurface& sheet, int x, int y) { return 255u - (sheet.pixel(x, y) & 0xFFu); }

}  // namespace

std::u32string decodeUtf8(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    char32_t c = extra == 0 ? lead : extra == 1 ? (lead & 0x1Fu) : extra == 2 ? (lead & 0x0Fu) : (lead & 0x07u);
    bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      ok = (next & 0xC0u) == 0x80u;
      c = (c << 6) | (next & 0x3Fu);
    }
    out += ok ? c : U'?';
    i += ok ? static_cast<std::size_t>(extra) + 1 : 1;
  }
  return out;
}

bool PanelFont::load(const std::filesystem::path& sheet) {
  const BmpResult read = readBmpFile(sheet);
  const int cells = kLastPrintable - kFirstPrintable + 1 + static_cast<int>(kAccented.size());
  if (!read.ok() || read.image.width() < cells * kPanelFontCell || read.image.height() < 4) {
    sheet_ = PixelSurface{};
    advances_.clear();
    return false;
  }
  sheet_ = read.image;
  advances_.assign(static_cast<std::size_t>(cells), kSpaceAdvance);
  for (int cell = 0; cell < cells; ++cell) {
    int lastInk = -1;
    for (int x = 0; x < kPanelFontCell; ++x)
      for (int y = 0; y < sheet_.height(); ++y)
        if (coverageAt(sheet_, cell * kPanelFontCell + x, y) > 40) lastInk = x;
    if (lastInk >= 0) advances_[static_cast<std::size_t>(cell)] = lastInk + 1 + kLetterGap;
  }
  return true;
}

int PanelFont::cellOf(char32_t character) const {
  if (character >= kFirstPrintable && character <= kLastPrintable) return static_cast<int>(character) - kFirstPrintable;
  const std::size_t at = kAccented.find(character);
  return at == std::u32string_view::npos ? -1 : kLastPrintable - kFirstPrintable + 1 + static_cast<int>(at);
}

int PanelFont::advanceOf(int cell) const {
  return cell < 0 || !loaded() ? kSpaceAdvance : advances_[static_cast<std::size_t>(cell)];
}

int PanelFont::width(std::string_view text) const {
  int total = 0;
  for (const char32_t c : decodeUtf8(text)) total += advanceOf(cellOf(c));
  return total > 0 ? total - kLetterGap : 0;
}

void PanelFont::draw(PixelSurface& target, std::string_view text, int left, int top, Pixel colour) const {
  if (!loaded()) return;
  int x = left;
  for (const char32_t c : decodeUtf8(text)) {
    const int cell = cellOf(c);
    if (cell >= 0) {
      for (int gy = 0; gy < sheet_.height(); ++gy)
        for (int gx = 0; gx < kPanelFontCell; ++gx) {
          const unsigned cover = coverageAt(sheet_, cell * kPanelFontCell + gx, gy);
          if (cover == 0 || !target.contains(x + gx, top + gy)) continue;
          const Pixel below = target.pixel(x + gx, top + gy);
          auto mixed = [&](int shift) {
            const unsigned b = (below >> shift) & 0xFFu, p = (colour >> shift) & 0xFFu;
            return (b * (255 - cover) + p * cover + 127) / 255;
          };
          target.setPixel(x + gx, top + gy, rgbPixel(mixed(16), mixed(8), mixed(0)));
        }
    }
    x += advanceOf(cell);
  }
}

}  // namespace quilloro
