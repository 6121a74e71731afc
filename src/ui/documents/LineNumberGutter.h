#pragma once
// The line numbers beside a document's text: a widget of its own, painted
// from the text control's layout, as wide as the largest number needs.
#include <QString>
#include <QWidget>
#include <vector>

class QPlainTextEdit;

// A line the gutter marks (the program check's errors and warnings).
struct GutterMark {
  int line = 0;        // 0-based block number
  bool error = false;  // else a warning
  QString toolTip;
};

class LineNumberGutter : public QWidget {
  Q_OBJECT
 public:
  LineNumberGutter(QPlainTextEdit& edit, QWidget* parent);

  // Replaces the marks (in line order, one per line).
  void setMarks(std::vector<GutterMark> marks);
  // The mark on line; nullptr for none.
  const GutterMark* markOn(int line) const;

  // Digits room is kept for: those of the line count, at least two.
  int digits() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void updateWidth();

  QPlainTextEdit& m_edit;
  int m_digits = 0;
  std::vector<GutterMark> m_marks;
};
