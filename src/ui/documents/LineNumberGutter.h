#pragma once
// The line numbers beside a document's text: a widget of its own, painted
// from the text control's layout, as wide as the largest number needs.
#include <QWidget>

class QPlainTextEdit;

class LineNumberGutter : public QWidget {
  Q_OBJECT
 public:
  LineNumberGutter(QPlainTextEdit& edit, QWidget* parent);

  // Digits room is kept for: those of the line count, at least two.
  int digits() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void updateWidth();

  QPlainTextEdit& m_edit;
  int m_digits = 0;
};
