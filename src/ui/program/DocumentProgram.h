#pragma once
// The program model of one document: its highlighter and a program index
// that follows every edit by re-lexing only the lines the edit touched.
#include <QObject>

#include "program/program_index.h"

class frmDocument;
class NcHighlighter;

class DocumentProgram : public QObject {
  Q_OBJECT
 public:
  // Lives as long as doc (its child).
  explicit DocumentProgram(frmDocument& doc);

  // The model of doc; nullptr for a document without one.
  static DocumentProgram* of(const frmDocument* doc);

  const quillon::ProgramIndex& index() const { return m_index; }
  NcHighlighter& highlighter() const { return *m_highlighter; }
  frmDocument& document() const { return m_doc; }
  // Lines lexed for the index since the document was created (tests).
  long long linesLexed() const { return m_linesLexed; }

 signals:
  // The index followed an edit.
  void changed();

 private:
  void contentsChanged(int position, int removed, int added);
  void rebuild();

  frmDocument& m_doc;
  NcHighlighter* m_highlighter = nullptr;
  quillon::ProgramIndex m_index;
  int m_blocks = 1;
  long long m_linesLexed = 0;
};
