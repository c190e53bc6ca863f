// Reading and drawing the Customize window's samples; every file is read once per run.
#include "dialogs/customize_samples.hpp"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <memory>

#include "table/card_image_files.hpp"

namespace quilloro {
namespace {

constexpr int kBigCardWidth = 71;
constexpr int kBigCardHeight = 96;
// The table's own green, shown for the default background.
const QColor kDefaultGreen(0, 128, 0);

QString pathText(const std::filesystem::path& file) { return QString::fromStdString(file.string()); }

}  // namespace

QImage CustomizeSamples::load(const std::filesystem::path& file) {
  const std::string key = file.string();
  auto found = files_.find(key);
  if (found == files_.end()) found = files_.emplace(key, QImage(pathText(file)).convertToFormat(QImage::Format_RGB32)).first;
  return found->second;
}

QImage CustomizeSamples::heartFace(int cardSet, int rank) {
  const QImage sheet = load(home_ / "Images" / faceSheetFileName('B', cardSet, Suit::Hearts));
  if (sheet.isNull()) {
    QImage blank(kBigCardWidth, kBigCardHeight, QImage::Format_RGB32);
    blank.fill(QColor(200, 200, 200));
    return blank;
  }
  const int cell = rank - 1;
  return sheet.copy((cell % 5) * kBigCardWidth, (cell / 5) * kBigCardHeight, kBigCardWidth, kBigCardHeight);
}

QImage CustomizeSamples::back(int number) { return load(home_ / "Images" / backFileName('B', number)); }

QImage CustomizeSamples::resource(const std::string& name) { return load(home_ / "Resources" / (name + ".bmp")); }

QColor CustomizeSamples::colourOf(long long value) {
  if (value < 0 || value > 0xFFFFFF) value = 0xC0C0C0;
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>((value >> 16) & 0xFF));
}

QImage CustomizeSamples::background(long long value, long long customColour, bool fade, QSize size) {
  QImage sample(size, QImage::Format_RGB32);
  QPainter painter(&sample);
  const bool colour = value == 1 || value > 1000;
  if (value >= 2 && value <= 1000) {
    const QImage picture = load(home_ / "Images" / backgroundFileName(static_cast<int>(value)));
    if (picture.isNull()) sample.fill(kDefaultGreen);
    else if (value >= 500) painter.drawImage(QRect(QPoint(0, 0), size), picture);
    else painter.drawTiledPixmap(QRect(QPoint(0, 0), size), QPixmap::fromImage(picture));
  } else if (colour) {
    const QColor base = colourOf(value == 1 ? customColour : value);
    if (fade) {
      // The table's fade: the colour at the top down to black at the bottom.
      QLinearGradient gradient(0, 0, 0, size.height());
      gradient.setColorAt(0, base);
      gradient.setColorAt(1, Qt::black);
      painter.fillRect(sample.rect(), gradient);
    } else {
      sample.fill(base);
    }
  } else {
    sample.fill(kDefaultGreen);
  }
  return sample;
}

QImage CustomizeSamples::rounded(const QImage& card) {
  QImage out(card.size(), QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter painter(&out);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addRoundedRect(QRectF(0, 0, card.width(), card.height()), 4, 4);
  painter.setClipPath(outline);
  painter.drawImage(0, 0, card);
  return out;
}

CustomizeSamples& CustomizeSamples::shared(const std::filesystem::path& installFolder) {
  static std::map<std::string, std::unique_ptr<CustomizeSamples>> all;
  auto& slot = all[installFolder.string()];
  if (!slot) slot = std::make_unique<CustomizeSamples>(installFolder);
  return *slot;
}

}  // namespace quilloro
