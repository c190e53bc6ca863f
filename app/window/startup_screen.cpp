// The borderless picture shown while the program starts.
#include "app/window/startup_screen.hpp"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace quilloro {
namespace {

void fannedCard(QPainter& p, qreal angle, const QString& corner, const QColor& colour) {
  p.save();
  p.translate(186, 215);
  p.rotate(angle);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(252, 252, 248));
  p.drawRoundedRect(QRectF(-28, -95, 56, 78), 5, 5);
  QFont font;
  font.setBold(true);
  font.setPixelSize(16);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(-24, -92, 30, 20), Qt::AlignLeft | Qt::AlignTop, corner);
  p.restore();
}

}  // namespace

StartupScreen::StartupScreen(QString subtitle, QString version)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      subtitle_(std::move(subtitle)),
      version_(std::move(version)) {
  setFixedSize(kWidth, kHeight);
}

void StartupScreen::showNow() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  show();
  repaint();
  QApplication::processEvents();
}

void StartupScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient table(0, 0, 0, kHeight);
  table.setColorAt(0, QColor(20, 120, 50));
  table.setColorAt(1, QColor(5, 45, 20));
  p.fillRect(rect(), table);
  p.setPen(QPen(QColor(200, 170, 60), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(1, 1, -2, -2));

  fannedCard(p, -30, QStringLiteral("A\u2660"), Qt::black);
  fannedCard(p, -10, QStringLiteral("K\u2665"), QColor(200, 20, 20));
  fannedCard(p, 10, QStringLiteral("Q\u2663"), Qt::black);
  fannedCard(p, 30, QStringLiteral("J\u2666"), QColor(200, 20, 20));

  QFont title;
  title.setBold(true);
  title.setPixelSize(40);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(QRect(2, 22, kWidth, 50), Qt::AlignHCenter, QStringLiteral("Quilloro 98"));
  p.setPen(QColor(245, 215, 100));
  p.drawText(QRect(0, 20, kWidth, 50), Qt::AlignHCenter, QStringLiteral("Quilloro 98"));
  QFont line;
  line.setPixelSize(13);
  p.setFont(line);
  p.setPen(QColor(230, 230, 220));
  p.drawText(QRect(0, 70, kWidth, 20), Qt::AlignHCenter, subtitle_);
  p.drawText(QRect(0, kHeight - 28, kWidth, 20), Qt::AlignHCenter, version_);
}

}  // namespace quilloro
