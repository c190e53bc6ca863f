// 24-bit uncompressed BMP files: the picture format of every card, back, mark and table image.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace quilloro {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture held top row first, one Rgb per pixel.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Rgb fill = {255, 255, 255});

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]; }
  const Rgb& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]; }

  // Copies the whole of source with its top-left corner at (left, top); what falls outside is dropped.
  void paste(const Bitmap& source, int left, int top);
  // The rectangle (left, top, width, height), which must lie inside.
  Bitmap cropped(int left, int top, int width, int height) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

class BmpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file image: BITMAPFILEHEADER, BITMAPINFOHEADER, rows bottom-up in B, G, R
// order, each padded to a multiple of four bytes.
std::string encodeBmp(const Bitmap& bitmap);
// Reads an uncompressed 24-bit BMP, bottom-up or top-down. Throws BmpError.
Bitmap decodeBmp(const std::string& bytes);

// Throws BmpError when the file cannot be written or read.
void writeBmp(const std::filesystem::path& file, const Bitmap& bitmap);
Bitmap readBmp(const std::filesystem::path& file);

}  // namespace quilloro
