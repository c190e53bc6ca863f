#include "table/pixel_downscale.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quilloro {
namespace {

// How much of source pixel `first + k` (k = 0, 1, ...) one target pixel
// covers, along one axis; the weights of one target pixel add up to 1.
struct Coverage {
  int first = 0;
  std::vector<double> weights;
};

std::vector<Coverage> coverages(int sourceLength, int targetLength) {
  std::vector<Coverage> result(static_cast<std::size_t>(targetLength));
  const double scale = static_cast<double>(sourceLength) / targetLength;
  for (int t = 0; t < targetLength; ++t) {
    const double from = t * scale;
    const double to = std::min((t + 1) * scale, static_cast<double>(sourceLength));
    Coverage& c = result[static_cast<std::size_t>(t)];
    c.first = static_cast<int>(std::floor(from));
    for (int s = c.first; s < to; ++s) {
      const double part = std::min(to, s + 1.0) - std::max(from, static_cast<double>(s));
      if (part > 0) c.weights.push_back(part / (to - from));
    }
  }
  return result;
}

using Channels = std::array<double, 3>;

Channels channelsOf(Pixel pixel) {
  return {static_cast<double>((pixel >> 16) & 0xFFu), static_cast<double>((pixel >> 8) & 0xFFu),
          static_cast<double>(pixel & 0xFFu)};
}

unsigned rounded(double value) { return static_cast<unsigned>(std::clamp(std::lround(value), 0L, 255L)); }

}  // namespace

PixelSize sizeToFit(int width, int height, int maxWidth, int maxHeight) {
  if (width <= 0 || height <= 0 || maxWidth <= 0 || maxHeight <= 0) return {};
  if (width <= maxWidth && height <= maxHeight) return {width, height};
  // Compared in whole numbers, so that an exact ratio such as 1200 x 740 into
  // 300 x 185 gives exactly 300 x 185.
  if (static_cast<long long>(width) * maxHeight >= static_cast<long long>(height) * maxWidth) {
    const long long h = static_cast<long long>(height) * maxWidth / width;
    return {maxWidth, static_cast<int>(std::max(h, 1LL))};
  }
  const long long w = static_cast<long long>(width) * maxHeight / height;
  return {static_cast<int>(std::max(w, 1LL)), maxHeight};
}

PixelSurface downscaleToFit(const PixelSurface& source, int maxWidth, int maxHeight) {
  const PixelSize size = sizeToFit(source.width(), source.height(), maxWidth, maxHeight);
  if (size.width == source.width() && size.height == source.height()) return source;
  PixelSurface target(size.width, size.height);
  if (target.empty()) return target;

  // Rows first: each source row shrunk to the target width, then columns.
  const std::vector<Coverage> across = coverages(source.width(), size.width);
  const std::vector<Coverage> down = coverages(source.height(), size.height);
  std::vector<Channels> narrowed(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(source.height()));
  for (int y = 0; y < source.height(); ++y) {
    const Pixel* row = source.row(y);
    for (int x = 0; x < size.width; ++x) {
      const Coverage& c = across[static_cast<std::size_t>(x)];
      Channels sum{};
      for (std::size_t k = 0; k < c.weights.size(); ++k) {
        const Channels channels = channelsOf(row[c.first + static_cast<int>(k)]);
        for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += channels[i] * c.weights[k];
      }
      narrowed[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width) + static_cast<std::size_t>(x)] = sum;
    }
  }
  for (int y = 0; y < size.height; ++y) {
    const Coverage& c = down[static_cast<std::size_t>(y)];
    Pixel* row = target.row(y);
    for (int x = 0; x < size.width; ++x) {
      Channels sum{};
      for (std::size_t k = 0; k < c.weights.size(); ++k) {
        const std::size_t at = static_cast<std::size_t>(c.first + static_cast<int>(k)) *
                                   static_cast<std::size_t>(size.width) + static_cast<std::size_t>(x);
        for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += narrowed[at][i] * c.weights[k];
      }
      row[x] = rgbPixel(rounded(sum[0]), rounded(sum[1]), rounded(sum[2]));
    }
  }
  return target;
}

}  // namespace quilloro
