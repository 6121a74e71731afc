#pragma once
// The drawing of a calculator: paints a quillon::Figure with its view box
// stretched over the widget, shows the cross-hair pointer and reports the
// part position under the mouse.
#include <QString>
#include <QWidget>

#include "geometry/figure.h"

class FigureView : public QWidget {
  Q_OBJECT
 public:
  explicit FigureView(QWidget* parent = nullptr);

  const quillon::Figure& figure() const { return m_figure; }
  void setFigure(const quillon::Figure& figure);

  // The part position ("X… Z…") under a widget position.
  QString positionText(QPointF widgetPos) const;
  // Where a drawing point lands in the widget (for tests and screenshots).
  QPointF toWidget(quillon::FigurePoint p) const;

  QSize sizeHint() const override;

 signals:
  void mousePositionChanged(const QString& text);
  // The drawing was clicked (it takes the focus, which redraws).
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  quillon::Figure m_figure;
};
