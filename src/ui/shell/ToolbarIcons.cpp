#include "ui/shell/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <functional>

namespace {
constexpr int kSize = 32;

QIcon Draw(const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 30, 30), 2));
  paint(p);
  return QIcon(pixmap);
}

QIcon Letters(const QString& text, const QColor& color) {
  return Draw([&](QPainter& p) {
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 2 ? 12 : 18);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
  });
}

void Page(QPainter& p, QRectF r) {
  p.setBrush(Qt::white);
  p.drawRect(r);
  p.setBrush(Qt::NoBrush);
}
}  // namespace

QIcon ToolbarIcon(int position, const QStyle* style) {
  const QColor blue(20, 80, 180), red(190, 40, 30), green(20, 130, 60);
  switch (position) {
    case 1:
      return style->standardIcon(QStyle::SP_FileIcon);
    case 2:
      return style->standardIcon(QStyle::SP_DialogOpenButton);
    case 3:
      return style->standardIcon(QStyle::SP_DialogSaveButton);
    case 5:  // printer
      return Draw([](QPainter& p) {
        Page(p, {9, 3, 14, 10});
        p.setBrush(QColor(200, 200, 200));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        Page(p, {9, 20, 14, 9});
      });
    case 7:  // scissors
      return Draw([](QPainter& p) {
        p.drawEllipse(QRectF(4, 20, 8, 8));
        p.drawEllipse(QRectF(20, 20, 8, 8));
        p.drawLine(QPointF(11, 21), QPointF(24, 3));
        p.drawLine(QPointF(21, 21), QPointF(8, 3));
      });
    case 8:  // two pages
      return Draw([](QPainter& p) {
        Page(p, {4, 3, 15, 19});
        Page(p, {13, 10, 15, 19});
      });
    case 9:  // clipboard with a page
      return Draw([](QPainter& p) {
        p.setBrush(QColor(190, 150, 90));
        p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(QRectF(10, 2, 8, 5));
        Page(p, {14, 12, 14, 17});
      });
    case 10:  // magnifier
      return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(30, 30, 30), 3));
        p.drawEllipse(QRectF(4, 4, 16, 16));
        p.drawLine(QPointF(18, 18), QPointF(28, 28));
      });
    case 12:
      return Letters(QStringLiteral("N+"), blue);
    case 13:
      return Letters(QStringLiteral("N123"), blue);
    case 14:
      return Letters(QStringLiteral("±"), red);
    case 15:
      return Letters(QStringLiteral("S"), green);
    case 16:  // calculator
      return Draw([](QPainter& p) {
        p.setBrush(QColor(220, 220, 220));
        p.drawRoundedRect(QRectF(6, 2, 20, 28), 2, 2);
        p.setBrush(QColor(170, 210, 170));
        p.drawRect(QRectF(9, 5, 14, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        for (int row = 0; row < 3; ++row)
          for (int col = 0; col < 3; ++col) p.drawRect(QRectF(9 + col * 5, 14 + row * 5, 3, 3));
      });
    case 18:  // two lines and the angle between them
      return Draw([](QPainter& p) {
        p.drawLine(QPointF(3, 28), QPointF(29, 28));
        p.drawLine(QPointF(3, 28), QPointF(26, 6));
        p.setPen(QPen(QColor(190, 40, 30), 2));
        p.drawArc(QRectF(-9, 16, 24, 24), 0, 44 * 16);
      });
    case 19:  // corner circle of two lines
      return Draw([](QPainter& p) {
        p.drawLine(QPointF(3, 28), QPointF(29, 28));
        p.drawLine(QPointF(3, 28), QPointF(3, 3));
        p.setPen(QPen(QColor(190, 40, 30), 2));
        p.drawEllipse(QRectF(4, 11, 16, 16));
      });
    case 20:  // a line cutting a circle
      return Draw([](QPainter& p) {
        p.drawEllipse(QRectF(7, 7, 18, 18));
        p.setPen(QPen(QColor(190, 40, 30), 2));
        p.drawLine(QPointF(2, 26), QPointF(30, 10));
      });
    case 21:  // circle through a point, tangent to a line
      return Draw([](QPainter& p) {
        p.drawLine(QPointF(2, 29), QPointF(30, 29));
        p.setPen(QPen(QColor(190, 40, 30), 2));
        p.drawEllipse(QRectF(8, 9, 20, 20));
        p.setBrush(QColor(20, 80, 180));
        p.drawEllipse(QPointF(10, 12), 2.5, 2.5);
      });
    case 22:  // tangent line on a circle
      return Draw([](QPainter& p) {
        p.drawEllipse(QRectF(4, 10, 18, 18));
        p.setPen(QPen(QColor(190, 40, 30), 2));
        p.drawLine(QPointF(13, 3), QPointF(31, 12));
        p.drawLine(QPointF(13, 3), QPointF(13, 10));
      });
    case 23:  // a table with a heading row
      return Draw([green](QPainter& p) {
        Page(p, {3, 5, 26, 22});
        p.fillRect(QRectF(4, 6, 24, 5), green);
        for (double y : {16.0, 21.0}) p.drawLine(QPointF(3, y), QPointF(29, y));
        for (double x : {12.0, 20.0}) p.drawLine(QPointF(x, 5), QPointF(x, 27));
      });
    default:
      return {};
  }
}
