// Pixel access on a caller's surface, answering like the platform's single-pixel calls.
#pragma once

#include <cstdint>
#include <optional>

#include "cardlib/quilloro.h"

namespace quilloro::cardlib {

inline constexpr uint32_t kOpaque = 0xFF000000u;
inline constexpr uint32_t kBlack = kOpaque;
inline constexpr uint32_t kSilver = kOpaque | 0xC0C0C0u;

inline bool inside(const QuilloroSurface* surface, int32_t x, int32_t y) {
  return surface != nullptr && surface->pixels != nullptr && x >= 0 && y >= 0 && x < surface->width &&
         y < surface->height;
}

inline std::optional<uint32_t> readPixel(const QuilloroSurface* surface, int32_t x, int32_t y) {
  if (!inside(surface, x, y)) return std::nullopt;
  return surface->pixels[static_cast<std::int64_t>(y) * surface->stride + x];
}

// The colour as 0x00BBGGRR, the form in which colours are answered.
inline int32_t colourCode(uint32_t pixel) {
  const uint32_t red = (pixel >> 16) & 0xFFu;
  const uint32_t green = (pixel >> 8) & 0xFFu;
  const uint32_t blue = pixel & 0xFFu;
  return static_cast<int32_t>(red | (green << 8) | (blue << 16));
}

inline int32_t writePixel(QuilloroSurface* surface, int32_t x, int32_t y, uint32_t pixel) {
  if (!inside(surface, x, y)) return QUILLORO_PIXEL_INVALID;
  surface->pixels[static_cast<std::int64_t>(y) * surface->stride + x] = pixel;
  return colourCode(pixel);
}

// Copies one pixel; a source pixel off its surface writes nothing.
inline int32_t copyPixel(const QuilloroSurface* src, int32_t sx, int32_t sy, QuilloroSurface* dst, int32_t dx,
                         int32_t dy) {
  const std::optional<uint32_t> pixel = readPixel(src, sx, sy);
  if (!pixel) return QUILLORO_PIXEL_INVALID;
  return writePixel(dst, dx, dy, *pixel);
}

}  // namespace quilloro::cardlib
