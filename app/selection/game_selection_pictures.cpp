// Drawing and loading the pictures of the game selection dialogs.
#include "app/selection/game_selection_pictures.hpp"

#include <QBitmap>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cstdio>

namespace quilloro {

namespace {

constexpr int kIcon = 16;

QColor categoryColour(int category) {
  static const std::array<QColor, 10> colours{
      QColor(200, 40, 40),  QColor(40, 140, 200), QColor(150, 90, 30),  QColor(40, 90, 200),
      QColor(20, 140, 60),  QColor(200, 120, 20), QColor(120, 120, 120), QColor(20, 20, 20),
      QColor(130, 40, 160), QColor(190, 30, 110)};
  return colours[static_cast<std::size_t>(category) % colours.size()];
}

void drawFolder(QPainter& p, const QColor& colour, bool open) {
  p.setPen(QColor(90, 70, 0));
  p.setBrush(colour);
  p.drawRect(1, 3, 6, 2);
  if (open) {
    QPainterPath path;
    path.moveTo(1, 5);
    path.lineTo(12, 5);
    path.lineTo(12, 7);
    path.lineTo(15, 7);
    path.lineTo(12, 14);
    path.lineTo(1, 14);
    path.closeSubpath();
    p.drawPath(path);
  } else {
    p.drawRect(1, 5, 13, 9);
  }
}

// A small card with a coloured corner mark: the game image of one category.
void drawGameCard(QPainter& p, const QColor& colour) {
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRoundedRect(3, 1, 10, 14, 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(5, 5, 6, 6);
}

void drawStar(QPainter& p, const QColor& colour) {
  QPainterPath path;
  constexpr std::array<QPointF, 10> points{QPointF(8, 1),    QPointF(10, 6),   QPointF(15, 6),  QPointF(11, 9.5),
                                           QPointF(13, 15),  QPointF(8, 11.5), QPointF(3, 15),  QPointF(5, 9.5),
                                           QPointF(1, 6),    QPointF(6, 6)};
  path.moveTo(points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
  path.closeSubpath();
  p.setPen(QColor(120, 90, 0));
  p.setBrush(colour);
  p.drawPath(path);
}

QPixmap blankIcon() {
  QPixmap pixmap(kIcon, kIcon);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap treeImage(int index) {
  QPixmap pixmap = blankIcon();
  if (index < 0 || index >= kTreeImageCount) return pixmap;
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (index) {
    case 0: drawFolder(p, QColor(240, 210, 90), false); break;
    case 1: drawFolder(p, QColor(250, 225, 120), true); break;
    case 2:
    case 3:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(60, 120, 60));
      p.drawEllipse(5, 5, 6, 6);
      break;
    case 4:  // "(Double click to customize)": a pencil
      p.setPen(QPen(QColor(60, 60, 60), 1));
      p.setBrush(QColor(240, 200, 60));
      p.drawPolygon(QPolygonF({QPointF(3, 13), QPointF(11, 5), QPointF(13, 7), QPointF(5, 15)}));
      break;
    case 5:
    case 6:  // "Selected games": a folder with a tick
      drawFolder(p, QColor(170, 220, 150), index == 6);
      p.setPen(QPen(QColor(0, 110, 0), 2));
      p.drawPolyline(QPolygonF({QPointF(5, 9), QPointF(8, 12), QPointF(13, 6)}));
      break;
    case 7:
    case 8: drawStar(p, index == 8 ? QColor(255, 220, 60) : QColor(240, 190, 30)); break;
    case 9:
    case 10:  // "Folders list": two folders
      drawFolder(p, QColor(200, 180, 110), index == 10);
      p.translate(2, -2);
      drawFolder(p, QColor(240, 210, 90), index == 10);
      break;
    default: drawGameCard(p, categoryColour(index - 11)); break;
  }
  return pixmap;
}

QPixmap meterPicture(Meter meter, int level) {
  const int levels = meter == Meter::Chance ? 5 : 3;
  if (level < 0 || level >= levels) return {};
  // Filled bars: how hard, how likely, how long. A high chance and a quick
  // game fill few bars, like an easy one.
  int filled = level + 1;
  if (meter == Meter::Chance) filled = levels - level;
  if (meter == Meter::GameTime) filled = levels - level;
  QPixmap pixmap(5 * 8 + 1, 14);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  static const std::array<QColor, 5> colours{QColor(0, 170, 0), QColor(140, 190, 0), QColor(230, 200, 0),
                                             QColor(240, 130, 0), QColor(220, 30, 30)};
  for (int i = 0; i < levels; ++i) {
    const int height = 4 + i * 9 / levels;
    const QRect bar(i * 8, 13 - height, 6, height);
    p.setPen(QColor(60, 60, 60));
    const int colour = meter == Meter::Chance ? i : i * 2;
    p.setBrush(i < filled ? colours[static_cast<std::size_t>(colour)] : QColor(230, 230, 230));
    p.drawRect(bar);
  }
  return pixmap;
}

QPixmap catalogueTitlePicture(QSize size, const QString& hint) {
  QPixmap pixmap(size);
  pixmap.fill(QColor(192, 192, 192));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font = p.font();
  font.setBold(true);
  font.setPointSize(22);
  p.setFont(font);
  p.setPen(QColor(0, 100, 0));
  p.drawText(pixmap.rect().adjusted(0, 0, 0, -30), Qt::AlignCenter, QStringLiteral("Quilloro 98"));
  font.setPointSize(10);
  font.setBold(false);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(pixmap.rect().adjusted(0, 40, 0, 0), Qt::AlignCenter | Qt::TextWordWrap, hint);
  return pixmap;
}

QImage previewBackground(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  const int height = size.height();
  const QColor top(0, 128, 0);
  const QColor bottom(0, 0, 0);
  QPainter p(&image);
  for (int i = 0; i < 256; ++i) {
    const int from = height * i / 256;
    const int to = height * (i + 1) / 256;
    if (to <= from) continue;
    const QColor band(bottom.red() + (top.red() - bottom.red()) * i / 256,
                      bottom.green() + (top.green() - bottom.green()) * i / 256,
                      bottom.blue() + (top.blue() - bottom.blue()) * i / 256);
    // Counted from the bottom edge.
    p.fillRect(0, height - to, size.width(), to - from, band);
  }
  return image;
}

QImage loadPreviewPicture(const std::filesystem::path& pictureDirectory, int gameIndex) {
  char name[32];
  std::snprintf(name, sizeof name, "GAME%04d.bmp", gameIndex);
  const QString path = QString::fromStdString((pictureDirectory / "Images" / name).string());
  if (gameIndex < 0 || !QFile::exists(path)) return {};
  QImage picture(path);
  if (picture.isNull()) return {};
  picture = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = picture.pixel(0, 0);
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      if (line[x] == transparent) line[x] = qRgba(0, 0, 0, 0);
  }
  return picture;
}

}  // namespace quilloro
