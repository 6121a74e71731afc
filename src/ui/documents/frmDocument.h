#pragma once
// One document window: the program text in txtText, its caption, DataChanged
// and the line-end style of its file.
#include <QPlainTextEdit>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "document/document_edit.h"
#include "document/text_file.h"

// Document text is bytes; in Qt each byte is the Latin-1 character of the same
// value; "\n" is the line end. A CR would become a line break inside
// QTextDocument, so it is shown as the visible symbol U+240D and comes back as
// the byte 13 when read (text from the clipboard is decoded before it arrives). Read the
// text with frmDocument::text(), not toPlainText(), which turns byte 0xA0 into
// a blank.
QString ProgramTextToQt(std::string_view bytes);
std::string QtToProgramText(const QString& text);

class LineNumberGutter;

class frmDocument : public QWidget {
  Q_OBJECT
 public:
  explicit frmDocument(QWidget* parent = nullptr);

  QPlainTextEdit* txtText = nullptr;
  // The line numbers painted beside txtText.
  LineNumberGutter* gutter = nullptr;

  QString caption() const;
  // The window title is the caption and the modified marker ("[*]").
  void setCaption(const QString& caption);
  bool isUntitled() const;  // caption begins with "Untitled"

  bool DataChanged() const;
  void setDataChanged(bool changed);

  // The file behind the document as the user named it (the caption is the
  // upper-cased path, which names another file on case-sensitive systems).
  // Empty for an untitled document.
  QString filePath() const { return m_filePath; }
  void setFilePath(const QString& path) { m_filePath = path; }

  quillon::LineEndStyle lineEndStyle() const { return m_lineEnds; }
  void setLineEndStyle(quillon::LineEndStyle style) { m_lineEnds = style; }

  // The text as bytes (one byte per character, "\n" line ends).
  std::string text() const;
  // Caret and selection as character offsets.
  int selStart() const;
  int selLength() const;
  void setSelection(int start, int length);

  // The one place edits are applied. A change replaces its span (and
  // appends its tail) as one undo step, keeps the scroll position, leaves the
  // caret where the edit says and sets DataChanged; then the edit's selection
  // is made and shown. An edit at the selection lands on the current one.
  void applyEdit(const quillon::DocumentEdit& edit);

  // Replaces the whole text without an undo step (loading a file). The text
  // is decoded already: a CR in it is a byte of the line even before "\n".
  void loadText(const std::string& text);

  // The screen font; a name the system does not have falls back to its
  // fixed-pitch font at the same size.
  void applyScreenFont(const QString& name, int pointSize);

  // Asked before the window closes; false keeps it open. Without one the
  // window closes at once.
  std::function<bool(frmDocument&)> closeQuery;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void textFocused(frmDocument* self);
  // The window agreed to close (its close query let it go).
  void unloaded(frmDocument* self);
  // The Insert key switched between inserting and overwriting.
  void overwriteModeChanged(frmDocument* self, bool overwrite);

 private:
  void shadeCurrentLine();
  void replaceRangeAndAppend(int start, int length, const std::string& text, int caretAfter,
                             const std::string& appendAtEnd);

  QString m_caption;
  QString m_filePath;
  quillon::LineEndStyle m_lineEnds = quillon::LineEndStyle::CrLf;
};
