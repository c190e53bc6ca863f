// PNG files of a surface: 24-bit colour, the image data in stored (uncompressed) deflate blocks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "table/pixel_surface.hpp"

namespace quilloro {

// The checksums the format asks for, over the bytes given.
std::uint32_t crc32Of(std::string_view bytes, std::uint32_t crc = 0);
std::uint32_t adler32Of(std::string_view bytes, std::uint32_t adler = 1);

// The whole file: signature, IHDR, IDAT and IEND.
std::string encodePng(const PixelSurface& surface);
// False when the file cannot be written.
bool writePngFile(const std::filesystem::path& file, const PixelSurface& surface);

}  // namespace quilloro
