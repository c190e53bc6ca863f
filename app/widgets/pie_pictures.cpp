// The pie pictures of won and lost games, shared by "Game won" and the statistics windows.
#include "app/widgets/pie_pictures.hpp"

#include <QColor>
#include <QFile>
#include <QPainter>
#include <cstdio>

namespace quilloro {

QImage exchangePieColours(const QImage& picture) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);
  const QRgb maroon = qRgb(128, 0, 0), darkGreen = qRgb(0, 128, 0);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = line[x] | 0xff000000u;
      if (c == red) line[x] = green;
      else if (c == green) line[x] = red;
      else if (c == maroon) line[x] = darkGreen;
      else if (c == darkGreen) line[x] = maroon;
    }
  }
  return out;
}

namespace {

// A pie for a picture that is not installed: the larger share in red.
QImage drawnPie(const std::string& name) {
  double share = -1;
  int tenths = 0;
  if (std::sscanf(name.c_str(), "imgGraph%4d", &tenths) == 1) share = tenths / 1000.0;
  QImage image(100, 80, QImage::Format_ARGB32);
  image.fill(QColor(192, 192, 192));
  QPainter p(&image);
  const QRect top(5, 7, 90, 56);
  if (share < 0) {
    p.setPen(Qt::black);
    p.setBrush(QColor(232, 232, 232));
    p.drawEllipse(top);
    return image;
  }
  p.setPen(Qt::black);
  p.setBrush(QColor(0, 128, 0));
  p.drawEllipse(top.translated(0, 10));
  p.setBrush(QColor(0, 255, 0));
  p.drawEllipse(top);
  p.setBrush(QColor(255, 0, 0));
  // Clockwise from twelve o'clock.
  p.drawPie(top, 90 * 16, -static_cast<int>(share * 360 * 16));
  return image;
}

}  // namespace

QPixmap piePicture(const std::filesystem::path& pictureDirectory, const std::string& name, bool exchange) {
  const QString path = QString::fromStdString((pictureDirectory / "Resources" / (name + ".bmp")).string());
  QImage picture;
  if (QFile::exists(path)) picture.load(path);
  if (picture.isNull()) picture = drawnPie(name);
  picture = picture.convertToFormat(QImage::Format_ARGB32);
  if (exchange) picture = exchangePieColours(picture);
  const QRgb silver = qRgb(192, 192, 192);
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      if ((line[x] | 0xff000000u) == silver) line[x] = qRgba(0, 0, 0, 0);
  }
  return QPixmap::fromImage(picture);
}

}  // namespace quilloro
