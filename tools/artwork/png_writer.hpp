// PNG files with an alpha channel, for the program's icons.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quilloro::artwork {

// The whole file of a width x height picture given as rows top first, four
// bytes red, green, blue, alpha per pixel; the image data in stored deflate blocks.
std::string encodeRgbaPng(int width, int height, const std::vector<std::uint8_t>& rgba);

// Throws std::runtime_error when the file cannot be written.
void writeRgbaPng(const std::filesystem::path& file, int width, int height, const std::vector<std::uint8_t>& rgba);

}  // namespace quilloro::artwork
