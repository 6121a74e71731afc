#pragma once
// One document window: the program text in txtText, its caption, DataChanged
// and the line-end style of its file.
#include <QPlainTextEdit>
#include <QString>
#include <QWidget>
#include <string>

#include "document/text_file.h"

class frmDocument : public QWidget {
  Q_OBJECT
 public:
  explicit frmDocument(QWidget* parent = nullptr);

  QPlainTextEdit* txtText = nullptr;

  QString caption() const;
  void setCaption(const QString& caption);
  bool isUntitled() const;  // caption begins with "Untitled"

  bool DataChanged() const;
  void setDataChanged(bool changed);

  quillon::LineEndStyle lineEndStyle() const { return m_lineEnds; }
  void setLineEndStyle(quillon::LineEndStyle style) { m_lineEnds = style; }

  // The text as bytes (one byte per character, "\n" line ends).
  std::string text() const;
  // Caret and selection as character offsets.
  int selStart() const;
  int selLength() const;
  void setSelection(int start, int length);

  // The one place edits are applied: replaces [start, start+length) with
  // text as one undo step, keeps the scroll position, leaves the caret at
  // caretAfter (an offset in the new text). Sets DataChanged.
  void replaceRange(int start, int length, const std::string& text, int caretAfter);

 signals:
  void textFocused(frmDocument* self);

 private:
  QString m_caption;
  quillon::LineEndStyle m_lineEnds = quillon::LineEndStyle::CrLf;
};
