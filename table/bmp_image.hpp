// Reading and writing bitmap (.bmp) files; a damaged file gives an error text, never a crash.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "table/pixel_surface.hpp"

namespace quilloro {

struct BmpResult {
  PixelSurface image;
  // Empty when the picture was read; otherwise what is wrong with it.
  std::string error;
  bool ok() const { return error.empty(); }
};

// The pictures are at most this many pixels wide or high; larger claims are
// taken for damage rather than allocated.
inline constexpr int kMaxBmpSide = 16384;
inline constexpr long long kMaxBmpPixels = 1LL << 25;

// Uncompressed bitmaps of 1, 4, 8 (palettised), 16, 24 and 32 bits per pixel,
// bit-field masks included, bottom-up or top-down, with any of the usual
// header versions. Every pixel comes out opaque.
BmpResult decodeBmp(std::string_view bytes);
// The file's content decoded; a file that cannot be read is an error too.
BmpResult readBmpFile(const std::filesystem::path& file);

// A 24-bit bottom-up bitmap of the surface.
std::string encodeBmp(const PixelSurface& surface);
// False when the file cannot be written.
bool writeBmpFile(const std::filesystem::path& file, const PixelSurface& surface);

}  // namespace quilloro
