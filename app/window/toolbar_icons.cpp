// The pictures of the toolbar buttons, drawn by the program itself at any size.
#include "app/window/toolbar_icons.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quilloro {
namespace {

// Every picture is drawn on a 32 by 32 grid and scaled to the side asked for.
constexpr qreal kGrid = 32.0;

const QColor kInk(40, 40, 40);
const QColor kCardWhite(250, 250, 245);
const QColor kRed(200, 30, 30);
const QColor kGreen(20, 130, 50);
const QColor kBlue(40, 80, 180);
const QColor kGold(230, 170, 30);

void card(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kCardWhite);
  p.drawRoundedRect(r, 2.5, 2.5);
}

void arrowHead(QPainter& p, QPointF tip, QPointF back1, QPointF back2, const QColor& colour) {
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(back1);
  head.lineTo(back2);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(head);
}

void curvedArrow(QPainter& p, bool toLeft, const QColor& colour) {
  p.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  if (toLeft) {
    path.moveTo(25, 24);
    path.cubicTo(27, 12, 16, 8, 9, 13);
    p.drawPath(path);
    arrowHead(p, {4, 16}, {12, 18}, {9, 9}, colour);
  } else {
    path.moveTo(7, 24);
    path.cubicTo(5, 12, 16, 8, 23, 13);
    p.drawPath(path);
    arrowHead(p, {28, 16}, {20, 18}, {23, 9}, colour);
  }
}

void heart(QPainter& p, QPointF centre, qreal size, const QColor& colour) {
  QPainterPath path;
  path.moveTo(centre.x(), centre.y() + size * 0.6);
  path.cubicTo(centre.x() - size, centre.y(), centre.x() - size * 0.5, centre.y() - size * 0.8, centre.x(),
               centre.y() - size * 0.25);
  path.cubicTo(centre.x() + size * 0.5, centre.y() - size * 0.8, centre.x() + size, centre.y(), centre.x(),
               centre.y() + size * 0.6);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
}

void drawNew(QPainter& p) {
  card(p, {7, 4, 18, 25});
  heart(p, {16, 16}, 7, kRed);
  p.setPen(QPen(kGold, 2));
  p.drawLine(QPointF(25, 2), QPointF(25, 10));
  p.drawLine(QPointF(21, 6), QPointF(29, 6));
}

void drawOpen(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(220, 180, 80));
  p.drawRect(QRectF(3, 9, 24, 18));
  p.setBrush(QColor(245, 210, 110));
  QPainterPath flap;
  flap.moveTo(3, 27);
  flap.lineTo(8, 14);
  flap.lineTo(30, 14);
  flap.lineTo(26, 27);
  flap.closeSubpath();
  p.drawPath(flap);
  p.setBrush(QColor(220, 180, 80));
  p.drawRect(QRectF(3, 6, 9, 3));
}

void drawRestart(QPainter& p) {
  p.setPen(QPen(kGreen, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 280 * 16);
  arrowHead(p, {24, 4}, {27, 13}, {18, 11}, kGreen);
}

void drawSave(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kBlue);
  p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
  p.setBrush(kCardWhite);
  p.drawRect(QRectF(9, 4, 14, 9));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(8, 18, 16, 10));
  p.setBrush(kInk);
  p.drawRect(QRectF(18, 6, 3, 5));
}

void drawAutoplay(QPainter& p) {
  card(p, {3, 8, 15, 20});
  card(p, {14, 4, 15, 20});
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  QPainterPath bolt;
  bolt.moveTo(23, 6);
  bolt.lineTo(16, 16);
  bolt.lineTo(21, 16);
  bolt.lineTo(18, 27);
  bolt.lineTo(27, 13);
  bolt.lineTo(22, 13);
  bolt.closeSubpath();
  p.drawPath(bolt);
}

void drawStatistics(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(4, 28), QPointF(29, 28));
  p.drawLine(QPointF(4, 28), QPointF(4, 3));
  const QColor colours[] = {kRed, kGreen, kBlue};
  const qreal heights[] = {10, 20, 14};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(colours[i]);
    p.drawRect(QRectF(7 + i * 7.5, 28 - heights[i], 6, heights[i]));
  }
}

void drawRules(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(150, 40, 40));
  p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
  p.setBrush(kCardWhite);
  p.drawRect(QRectF(9, 5, 15, 22));
  QFont font;
  font.setBold(true);
  font.setPixelSize(18);
  p.setFont(font);
  p.setPen(kBlue);
  p.drawText(QRectF(9, 5, 15, 22), Qt::AlignCenter, QStringLiteral("?"));
}

void drawExit(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(150, 100, 60));
  p.drawRect(QRectF(5, 3, 15, 26));
  p.setBrush(kGold);
  p.drawEllipse(QRectF(15, 15, 3, 3));
  p.setPen(QPen(kRed, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 10), QPointF(25, 10));
  arrowHead(p, {31, 10}, {24, 5}, {24, 15}, kRed);
}

}  // namespace

QIcon toolbarIcon(ToolButton button, int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side / kGrid, side / kGrid);
  switch (button) {
    case ToolButton::New: drawNew(p); break;
    case ToolButton::Open: drawOpen(p); break;
    case ToolButton::Restart: drawRestart(p); break;
    case ToolButton::Save: drawSave(p); break;
    case ToolButton::Undo: curvedArrow(p, true, kBlue); break;
    case ToolButton::Redo: curvedArrow(p, false, kBlue); break;
    case ToolButton::Autoplay: drawAutoplay(p); break;
    case ToolButton::Statistics: drawStatistics(p); break;
    case ToolButton::Rules: drawRules(p); break;
    case ToolButton::Exit: drawExit(p); break;
  }
  p.end();
  return QIcon(pixmap);
}

}  // namespace quilloro
