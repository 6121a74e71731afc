#pragma once
// The drawing of a toolpath: Z to the right, the radius up. The wheel zooms
// about the pointer, a drag pans, a click on a segment reports its line; the
// segments of the caret's line are drawn thicker. Paths are built once per
// toolpath and only transformed on a pan or zoom.
#include <QPainterPath>
#include <QPen>
#include <QWidget>
#include <vector>

#include "toolpath/toolpath.h"

class ToolpathView : public QWidget {
  Q_OBJECT
 public:
  explicit ToolpathView(QWidget* parent = nullptr);

  void setToolpath(quillon::Toolpath path);
  const quillon::Toolpath& toolpath() const { return m_path; }
  // Thickens the segments of line (1-based; 0 for none).
  void setCaretLine(std::uint32_t line);
  std::uint32_t caretLine() const { return m_caretLine; }
  // The whole drawing in the view, with a margin.
  void fit();
  // True once fit() ran for the toolpath shown.
  bool fitted() const { return m_fitted; }

  // Drawing transform: world (Z, radius) to widget pixels.
  QTransform worldToView() const;
  // The widget point of a drawing point (X as a diameter).
  QPointF viewPoint(quillon::ToolpathPoint p) const;
  // The line of the segment nearest to pos within a few pixels; 0 for none.
  std::uint32_t lineAt(QPointF pos) const;
  // Paths drawn by the last paint (a redraw after pan or zoom rebuilds none).
  int pathsBuilt() const { return m_pathsBuilt; }

 signals:
  void lineClicked(std::uint32_t line);
  // "X… Z…" of the point under the pointer; empty when it leaves.
  void pointerMoved(const QString& position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Group {
    QPen pen;
    QPainterPath path;
  };
  void build();
  void addSegment(QPainterPath& path, const quillon::Segment& s) const;

  quillon::Toolpath m_path;
  std::vector<Group> m_groups;  // one per kind and colour
  QPainterPath m_blank, m_bore;
  std::uint32_t m_caretLine = 0;
  double m_scale = 1;  // pixels per millimetre
  QPointF m_offset;    // widget position of world (0, 0)
  bool m_fitted = false;
  bool m_keepFit = false;  // fitted and not zoomed or panned since
  bool m_dragging = false;
  QPoint m_pressAt, m_lastDrag;
  int m_pathsBuilt = 0;
};
