#include "ui/program/DocumentProgram.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <string>
#include <vector>

#include "ui/documents/frmDocument.h"
#include "ui/program/NcHighlighter.h"

DocumentProgram::DocumentProgram(frmDocument& doc) : QObject(&doc), m_doc(doc) {
  setObjectName(QStringLiteral("DocumentProgram"));
  m_highlighter = new NcHighlighter(*doc.txtText);
  rebuild();
  connect(doc.txtText->document(), &QTextDocument::contentsChange, this, &DocumentProgram::contentsChanged);
}

DocumentProgram* DocumentProgram::of(const frmDocument* doc) {
  return doc ? doc->findChild<DocumentProgram*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void DocumentProgram::rebuild() {
  m_index = quillon::ProgramIndex(m_doc.text());
  m_blocks = m_doc.txtText->document()->blockCount();
  m_linesLexed += m_blocks;
}

void DocumentProgram::contentsChanged(int position, int /*removed*/, int added) {
  QTextDocument* doc = m_doc.txtText->document();
  const int count = doc->blockCount();
  const QTextBlock firstBlock = doc->findBlock(position);
  QTextBlock lastBlock = doc->findBlock(position + added);
  if (!lastBlock.isValid()) lastBlock = doc->lastBlock();
  const int first = firstBlock.isValid() ? firstBlock.blockNumber() : 0;
  const int last = lastBlock.blockNumber();
  // The edit's blocks now are first..last; before it they were as many
  // plus the blocks it removed (or minus those it added).
  const int replaced = last - first + 1 + (m_blocks - count);
  if (first < 0 || last < first || replaced < 0 || first + replaced > m_blocks) {
    rebuild();
  } else {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(last - first + 1));
    for (QTextBlock b = firstBlock; b.isValid() && b.blockNumber() <= last; b = b.next())
      lines.push_back(QtToProgramText(b.text()));
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    m_index.replaceLines(static_cast<std::size_t>(first), static_cast<std::size_t>(replaced), views);
    m_blocks = count;
    m_linesLexed += static_cast<long long>(lines.size());
  }
  emit changed();
}
