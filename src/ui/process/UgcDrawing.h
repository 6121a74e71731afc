#pragma once
// The sketch above the "Material Input" boxes: blank, chuck jaws and
// tailstock centre, with one dimension line per box so the user sees which
// measure a box asks for.
#include <QWidget>

class UgcDrawing : public QWidget {
  Q_OBJECT
 public:
  explicit UgcDrawing(QWidget* parent = nullptr);

  // The box (1..9, as Text1..Text9) whose dimension is drawn highlighted; 0 for none.
  void setHighlight(int box);
  int highlight() const { return m_highlight; }
  // The centre, its dimensions and the label "Center" are drawn only with a tailstock.
  void setCenterVisible(bool visible);
  bool centerVisible() const { return m_centerVisible; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_highlight = 0;
  bool m_centerVisible = false;
};
