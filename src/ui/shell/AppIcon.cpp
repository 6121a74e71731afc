#include "ui/shell/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap QuillonPixmap(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size / 32.0;
  p.scale(s, s);
  PaintQuillonIcon(p);
  return pm;
}

void PaintQuillonIcon(QPainter& p) {
  // Chuck jaws
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(QColor(110, 120, 135));
  p.drawRoundedRect(QRectF(2, 6, 9, 20), 2, 2);
  // Part (turned bar with a shoulder)
  p.setBrush(QColor(200, 205, 215));
  p.drawRect(QRectF(11, 10, 10, 12));
  p.drawRect(QRectF(21, 13, 7, 6));
  // Tool tip
  QPainterPath tool;
  tool.moveTo(24, 30);
  tool.lineTo(29, 22);
  tool.lineTo(31, 30);
  tool.closeSubpath();
  p.setBrush(QColor(214, 120, 30));
  p.drawPath(tool);
  // Centre line
  p.setPen(QPen(QColor(200, 30, 30), 0.8, Qt::DashLine));
  p.drawLine(QPointF(1, 16), QPointF(31, 16));
}

QIcon QuillonIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(QuillonPixmap(size));
  return icon;
}
