#include "ui/geometry/FigureView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// The picture keeps the proportions of its 8835 x 4875 drawing units at
// 15 units a pixel.
constexpr int kPixelWidth = 589;
constexpr int kPixelHeight = 325;
// A mark of a thousandth of the picture would be under a pixel; it is drawn
// at least this big so it can be seen.
constexpr double kSmallestMarkPixels = 2.5;

}  // namespace

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::CrossCursor);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  setFixedSize(kPixelWidth, kPixelHeight);
  setAutoFillBackground(false);
}

QSize FigureView::sizeHint() const { return {kPixelWidth, kPixelHeight}; }

void FigureView::setFigure(const quillon::Figure& figure) {
  m_figure = figure;
  update();
}

QPointF FigureView::toWidget(quillon::FigurePoint p) const {
  const quillon::ViewBox& v = m_figure.view;
  return {(p.x - v.left) / v.width * width(), (p.y - v.top) / v.height * height()};
}

QString FigureView::positionText(QPointF widgetPos) const {
  const quillon::FigurePoint p =
      quillon::ViewPointAt(m_figure.view, widgetPos.x() / std::max(1, width()), widgetPos.y() / std::max(1, height()));
  return QString::fromStdString(quillon::MousePositionText(p));
}

void FigureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QPen(Qt::gray));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setRenderHint(QPainter::Antialiasing);
  const quillon::ViewBox& v = m_figure.view;
  const double scaleX = width() / v.width;
  const double scaleY = height() / v.height;

  painter.setPen(QPen(QColor(0, 0, 160), 1.5));
  for (const auto& line : m_figure.lines) painter.drawLine(toWidget(line.from), toWidget(line.to));

  painter.setPen(QPen(QColor(0, 120, 0), 1.5));
  painter.setBrush(Qt::NoBrush);
  for (const auto& circle : m_figure.circles)
    painter.drawEllipse(toWidget(circle.centre), circle.radius * scaleX, circle.radius * scaleY);

  painter.setPen(QPen(Qt::red, 1.5));
  painter.setBrush(Qt::red);
  for (const auto& mark : m_figure.points) {
    const double r = std::max(kSmallestMarkPixels, mark.radius * scaleX);
    painter.drawEllipse(toWidget(mark.centre), r, r);
  }

  if (!m_figure.text.empty()) {
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(m_figure.text));
  }
}

void FigureView::mouseMoveEvent(QMouseEvent* event) {
  emit mousePositionChanged(positionText(event->position()));
  QWidget::mouseMoveEvent(event);
}

void FigureView::mousePressEvent(QMouseEvent* event) {
  emit clicked();
  QWidget::mousePressEvent(event);
}
