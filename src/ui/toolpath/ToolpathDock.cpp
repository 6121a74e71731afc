#include "ui/toolpath/ToolpathDock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/machine_parameters.h"
#include "program/program_lines.h"
#include "toolpath/toolpath.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/program/DocumentProgram.h"
#include "ui/toolpath/ToolpathView.h"

namespace {
// After the last keystroke; the drawing must follow within 200 ms.
constexpr int kToolpathDelayMs = 120;
}  // namespace

ToolpathDock::ToolpathDock(DocumentHost& documents, const quillon::MachineParameters& machine, QWidget* parent)
    : QDockWidget(QStringLiteral("Toolpath"), parent), m_documents(documents), m_machine(machine) {
  setObjectName(QStringLiteral("dockToolpath"));
  auto* body = new QWidget(this);
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(2, 2, 2, 2);
  auto* row = new QHBoxLayout;
  cmdFit = new QPushButton(QStringLiteral("Fit"), body);
  cmdFit->setObjectName(QStringLiteral("cmdFit"));
  lblPosition = new QLabel(body);
  lblPosition->setObjectName(QStringLiteral("lblPosition"));
  lblPosition->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("X-0000.000 Z-0000.000")));
  row->addWidget(cmdFit);
  row->addStretch();
  row->addWidget(lblPosition);
  column->addLayout(row);
  viewToolpath = new ToolpathView(body);
  column->addWidget(viewToolpath, 1);
  setWidget(body);

  m_delay = new QTimer(this);
  m_delay->setObjectName(QStringLiteral("toolpathDelay"));
  m_delay->setSingleShot(true);
  m_delay->setInterval(kToolpathDelayMs);
  connect(m_delay, &QTimer::timeout, this, &ToolpathDock::refresh);
  connect(cmdFit, &QPushButton::clicked, viewToolpath, &ToolpathView::fit);
  connect(viewToolpath, &ToolpathView::pointerMoved, lblPosition, &QLabel::setText);
  connect(viewToolpath, &ToolpathView::lineClicked, this, &ToolpathDock::lineClicked);
  connect(&m_documents, &DocumentHost::activeDocumentChanged, this, &ToolpathDock::followActiveDocument);
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (!visible) return;
    refresh();
    // The first show fits once the layout has given the view its size.
    QTimer::singleShot(0, this, [this] {
      if (!viewToolpath->fitted()) viewToolpath->fit();
    });
  });
}

void ToolpathDock::followActiveDocument() { follow(DocumentProgram::of(m_documents.ActiveDocument())); }

void ToolpathDock::follow(DocumentProgram* program) {
  if (program == m_program) return;
  if (m_program) {
    m_program->disconnect(this);
    m_program->document().txtText->disconnect(this);
  }
  m_program = program;
  if (m_program) {
    connect(m_program, &DocumentProgram::changed, this, [this] { m_delay->start(); });
    connect(m_program->document().txtText, &QPlainTextEdit::cursorPositionChanged, this, &ToolpathDock::followCaret);
  }
  refresh();
  if (isVisible()) viewToolpath->fit();
}

void ToolpathDock::refresh() {
  m_delay->stop();
  if (!isVisible() && !m_program) return;
  viewToolpath->setToolpath(m_program ? quillon::InterpretToolpath(m_program->document().text(), m_machine)
                                      : quillon::Toolpath{});
  followCaret();
}

void ToolpathDock::followCaret() {
  viewToolpath->setCaretLine(
      m_program ? static_cast<std::uint32_t>(m_program->document().txtText->textCursor().blockNumber() + 1) : 0);
}

void ToolpathDock::lineClicked(std::uint32_t line) {
  if (!m_program) return;
  frmDocument& doc = m_program->document();
  m_documents.apply(quillon::GoToLineEdit(doc.text(), line), &doc);
  doc.txtText->setFocus();
}
