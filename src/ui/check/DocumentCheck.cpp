#include "ui/check/DocumentCheck.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>

#include "program/program_lines.h"
#include "ui/documents/LineNumberGutter.h"
#include "ui/documents/frmDocument.h"
#include "ui/program/DocumentProgram.h"

namespace {
// After the last keystroke; the findings must follow within 200 ms.
constexpr int kCheckDelayMs = 150;

QString Latin1(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
}  // namespace

DocumentCheck::DocumentCheck(DocumentProgram& program, const quillon::MachineParameters& machine)
    : QObject(&program.document()), m_program(program), m_machine(machine) {
  setObjectName(QStringLiteral("DocumentCheck"));
  m_delay = new QTimer(this);
  m_delay->setObjectName(QStringLiteral("checkDelay"));
  m_delay->setSingleShot(true);
  m_delay->setInterval(kCheckDelayMs);
  connect(m_delay, &QTimer::timeout, this, &DocumentCheck::checkNow);
  connect(&m_program, &DocumentProgram::changed, m_delay, qOverload<>(&QTimer::start));
  m_delay->start();
}

DocumentCheck* DocumentCheck::of(const frmDocument* doc) {
  return doc ? doc->findChild<DocumentCheck*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

frmDocument& DocumentCheck::document() const { return m_program.document(); }

void DocumentCheck::checkNow() {
  m_delay->stop();
  frmDocument& doc = document();
  m_findings = quillon::CheckProgram(doc.text(), m_program.index(), m_machine);
  // One mark per line: an error outranks warnings; every message in the tip.
  std::vector<GutterMark> marks;
  for (const quillon::Finding& f : m_findings) {
    const quillon::Severity severity = quillon::RuleOf(f).severity;
    if (severity == quillon::Severity::Note) continue;
    const int line = static_cast<int>(f.line) - 1;
    const QString tip = Latin1(quillon::FindingMessage(f));
    if (!marks.empty() && marks.back().line == line) {
      marks.back().error = marks.back().error || severity == quillon::Severity::Error;
      marks.back().toolTip += QLatin1Char('\n') + tip;
    } else {
      marks.push_back({line, severity == quillon::Severity::Error, tip});
    }
  }
  doc.gutter->setMarks(std::move(marks));
  emit checked();
}

void DocumentCheck::goTo(const quillon::Finding& finding) const {
  frmDocument& doc = document();
  const QTextBlock block = doc.txtText->document()->findBlockByNumber(static_cast<int>(finding.line) - 1);
  if (!block.isValid()) return;
  const int column = std::min(static_cast<int>(finding.column) - 1, block.length() - 1);
  doc.setSelection(block.position() + column, 0);
  doc.txtText->setFocus();
}
