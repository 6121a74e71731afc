#include "ui/toolpath/ToolpathView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "toolpath/plot.h"

namespace {

// A press that moves less than this is a click, not a drag.
constexpr int kDragThresholdPx = 4;
// A click selects a segment this close.
constexpr double kPickPx = 6;
constexpr double kFitMarginPx = 16;
constexpr double kCaretExtraPx = 2.5;

Qt::PenStyle PenStyle(quillon::StrokeDash dash) {
  switch (dash) {
    case quillon::StrokeDash::Dashed:
      return Qt::DashLine;
    case quillon::StrokeDash::Dotted:
      return Qt::DotLine;
    case quillon::StrokeDash::Solid:
      break;
  }
  return Qt::SolidLine;
}

double Distance(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
  const QPointF d = p - (a + t * ab);
  return std::hypot(d.x(), d.y());
}

}  // namespace

ToolpathView::ToolpathView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("viewToolpath"));
  setMouseTracking(true);
  setMinimumSize(120, 120);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void ToolpathView::setToolpath(quillon::Toolpath path) {
  m_path = std::move(path);
  build();
  // A drawing nobody zoomed or panned yet stays fitted as the text grows.
  if (m_keepFit && isVisible()) fit();
  update();
}

void ToolpathView::setCaretLine(std::uint32_t line) {
  if (line == m_caretLine) return;
  m_caretLine = line;
  update();
}

void ToolpathView::addSegment(QPainterPath& path, const quillon::Segment& s) const {
  // World coordinates: x = Z, y = radius.
  const QPointF a(s.start.z, s.start.x / 2), b(s.end.z, s.end.x / 2);
  if (path.isEmpty() || path.currentPosition() != a) path.moveTo(a);
  if (s.arc == quillon::ArcSense::None) {
    path.lineTo(b);
    return;
  }
  const quillon::ToolpathPoint c = m_path.centreOf(s);
  const double radius = std::hypot(s.start.z - c.z, (s.start.x - c.x) / 2);
  const double start = std::atan2(s.start.x / 2 - c.x / 2, s.start.z - c.z) * 180 / std::numbers::pi;
  const double sweep = quillon::ArcSweep(s.start, s.end, c, s.arc) * 180 / std::numbers::pi;
  // arcTo counts angles counter-clockwise in its own (y-down) frame; the
  // world's y points up, so its signs are the drawing's.
  const QRectF box(c.z - radius, c.x / 2 - radius, 2 * radius, 2 * radius);
  path.arcTo(box, -start, s.arc == quillon::ArcSense::Clockwise ? sweep : -sweep);
}

void ToolpathView::build() {
  ++m_pathsBuilt;
  m_groups.clear();
  m_blank = QPainterPath();
  m_bore = QPainterPath();
  std::map<std::pair<int, std::string>, std::size_t> groupOf;
  for (const quillon::Segment& s : m_path.segments) {
    const std::string colour = quillon::SegmentColour(m_path, s);
    auto [it, added] = groupOf.try_emplace({static_cast<int>(s.kind), colour}, m_groups.size());
    if (added) {
      const quillon::SegmentStyle& style = quillon::StyleOf(s.kind);
      QPen pen(QColor(QString::fromStdString(colour)), style.width, PenStyle(style.dash), Qt::RoundCap, Qt::RoundJoin);
      pen.setCosmetic(true);
      m_groups.push_back({pen, QPainterPath()});
    }
    addSegment(m_groups[it->second].path, s);
  }
  for (const quillon::BlankOutline& r : m_path.blank) {
    const QRectF rect(QPointF(std::min(r.z1, r.z2), std::min(r.x1, r.x2) / 2),
                      QPointF(std::max(r.z1, r.z2), std::max(r.x1, r.x2) / 2));
    (r.bore ? m_bore : m_blank).addRect(rect);
  }
}

QTransform ToolpathView::worldToView() const { return QTransform(m_scale, 0, 0, -m_scale, m_offset.x(), m_offset.y()); }

QPointF ToolpathView::viewPoint(quillon::ToolpathPoint p) const { return worldToView().map(QPointF(p.z, p.x / 2)); }

void ToolpathView::fit() {
  // The part, not the trips to the index position: the blank and every
  // segment but the rapids, when there are any.
  quillon::ToolpathBounds b;
  for (const quillon::Segment& s : m_path.segments)
    if (s.kind != quillon::SegmentKind::Rapid) quillon::AddSegmentBounds(b, m_path, s);
  for (const quillon::BlankOutline& r : m_path.blank) {
    b.add({r.x1, r.z1});
    b.add({r.x2, r.z2});
  }
  if (b.empty) b = quillon::DrawingBounds(m_path);
  m_fitted = true;
  m_keepFit = true;
  if (b.empty || width() <= 2 * kFitMarginPx || height() <= 2 * kFitMarginPx) {
    m_scale = 1;
    m_offset = QPointF(width() / 2.0, height() / 2.0);
    update();
    return;
  }
  const double w = std::max(b.maxZ - b.minZ, 1e-3), h = std::max((b.maxX - b.minX) / 2, 1e-3);
  m_scale = std::min((width() - 2 * kFitMarginPx) / w, (height() - 2 * kFitMarginPx) / h);
  const QPointF centre((b.minZ + b.maxZ) / 2, (b.minX + b.maxX) / 4);
  m_offset = QPointF(width() / 2.0 - centre.x() * m_scale, height() / 2.0 + centre.y() * m_scale);
  update();
}

void ToolpathView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QTransform t = worldToView();
  // The centre line of the part.
  QPen axis(QColor(quillon::kBlankColour), 1, Qt::DashDotLine);
  axis.setCosmetic(true);
  painter.setPen(axis);
  const double axisY = t.map(QPointF(0, 0)).y();
  painter.drawLine(QPointF(0, axisY), QPointF(width(), axisY));
  painter.setTransform(t);
  QPen blank(QColor(quillon::kBlankColour), 1.5);
  blank.setCosmetic(true);
  painter.setPen(blank);
  painter.setBrush(QColor(0xf0, 0xf0, 0xf0));
  painter.drawPath(m_blank);
  blank.setStyle(Qt::DashLine);
  painter.setPen(blank);
  painter.setBrush(Qt::white);
  painter.drawPath(m_bore);
  painter.setBrush(Qt::NoBrush);
  for (const Group& g : m_groups) {
    painter.setPen(g.pen);
    painter.drawPath(g.path);
  }
  if (m_caretLine == 0) return;
  for (const quillon::Segment& s : m_path.segments) {
    if (s.line != m_caretLine) continue;
    QPainterPath one;
    addSegment(one, s);
    const quillon::SegmentStyle& style = quillon::StyleOf(s.kind);
    QPen pen(QColor(QString::fromStdString(quillon::SegmentColour(m_path, s))), style.width + kCaretExtraPx,
             Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawPath(one);
  }
}

std::uint32_t ToolpathView::lineAt(QPointF pos) const {
  const QTransform t = worldToView();
  double best = kPickPx;
  std::uint32_t line = 0;
  for (const quillon::Segment& s : m_path.segments) {
    double d;
    if (s.arc == quillon::ArcSense::None) {
      d = Distance(pos, viewPoint(s.start), viewPoint(s.end));
    } else {
      QPainterPath one;
      addSegment(one, s);
      const QPolygonF points = t.map(one).toSubpathPolygons().value(0);
      d = best + 1;
      for (qsizetype i = 1; i < points.size(); ++i) d = std::min(d, Distance(pos, points[i - 1], points[i]));
    }
    if (d < best) {
      best = d;
      line = s.line;
    }
  }
  return line;
}

void ToolpathView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0) return;
  const double factor = std::pow(1.25, steps);
  const double scale = std::clamp(m_scale * factor, 1e-4, 1e5);
  // The world point under the pointer stays there.
  const QPointF at = event->position();
  m_offset = at - (at - m_offset) * (scale / m_scale);
  m_scale = scale;
  m_keepFit = false;
  update();
  event->accept();
}

void ToolpathView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  m_pressAt = m_lastDrag = event->position().toPoint();
  m_dragging = false;
}

void ToolpathView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF world = worldToView().inverted().map(event->position());
  emit pointerMoved(QStringLiteral("X%1 Z%2").arg(world.y() * 2, 0, 'f', 3).arg(world.x(), 0, 'f', 3));
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint now = event->position().toPoint();
  if (!m_dragging && (now - m_pressAt).manhattanLength() < kDragThresholdPx) return;
  m_dragging = true;
  m_keepFit = false;
  m_offset += now - m_lastDrag;
  m_lastDrag = now;
  update();
}

void ToolpathView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!m_dragging)
    if (const std::uint32_t line = lineAt(event->position())) emit lineClicked(line);
  m_dragging = false;
}

void ToolpathView::leaveEvent(QEvent*) { emit pointerMoved(QString()); }

void ToolpathView::resizeEvent(QResizeEvent*) {
  // Until the user zooms or pans, the drawing follows the view's size.
  if ((!m_fitted || m_keepFit) && isVisible() && !m_path.segments.empty()) fit();
}
