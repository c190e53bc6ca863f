// The table's pointer shapes, read from the Resources folder by their ids 10-14 and 20-24.
#include "app/widgets/pointer_shapes.hpp"

#include <QImage>
#include <QPixmap>
#include <fstream>
#include <sstream>
#include <string>

#include "table/bmp_image.hpp"

namespace quilloro {
namespace {

constexpr Pixel kTransparent = rgbPixel(255, 0, 255);
constexpr int kMaxPointerSide = 256;

QPixmap pointerPixmap(const PixelSurface& image) {
  QImage picture(image.width(), image.height(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const Pixel p = image.pixel(x, y) | kOpaqueAlpha;
      line[x] = p == kTransparent ? 0u : p;
    }
  }
  return QPixmap::fromImage(picture);
}

}  // namespace

void PointerShapes::load(const std::filesystem::path& programDirectory) {
  shapes_.clear();
  const std::filesystem::path folder = programDirectory / "Resources";
  std::ifstream list(folder / "POINTERS.TXT");
  std::string line;
  while (std::getline(list, line)) {
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name;
    int id = 0;
    int hotX = 0;
    int hotY = 0;
    if (!(fields >> name >> id >> hotX >> hotY)) continue;
    const BmpResult read = readBmpFile(folder / (name + ".bmp"));
    // A damaged or outsized shape leaves the system arrow in its place.
    if (!read.ok() || read.image.width() > kMaxPointerSide || read.image.height() > kMaxPointerSide) continue;
    shapes_[id] = QCursor(pointerPixmap(read.image), hotX, hotY);
  }
}

QCursor PointerShapes::shape(int id) const {
  const auto found = shapes_.find(id);
  return found == shapes_.end() ? QCursor(Qt::ArrowCursor) : found->second;
}

}  // namespace quilloro
