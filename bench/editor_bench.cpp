// The editor's side of the program model on a 65000-byte program, offscreen:
// opening it in a bare text control (the editor before highlighting) against
// a document window with gutter, current line, highlighter, index and the
// Outline dock; and what one keystroke re-colours and re-lexes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <memory>
#include <string>

#include "app/machine_parameters.h"
#include "bench_program.h"
#include "document/text_file.h"
#include "ui/check/DocumentCheck.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/LineNumberGutter.h"
#include "ui/documents/frmDocument.h"
#include "ui/platform/Interaction.h"
#include "ui/program/DocumentProgram.h"
#include "ui/program/NcHighlighter.h"
#include "ui/program/OutlineDock.h"

namespace {

using namespace quillon;

// The editor-sized program of bench/transform_bench.cpp, with the headers
// and tool calls of real blocks.
const std::string& EditorProgram() {
  static const std::string text = [] {
    // Lines are at least 3 bytes long, so this many always fill the limit.
    std::string bytes = bench::ProgramBytes(kMaxProgramFileBytes / 3);
    bytes.resize(kMaxProgramFileBytes);
    return DecodeProgramBytes(bytes).text;
  }();
  return text;
}

// Today's document: the text control alone.
void OpenInBareTextControl(benchmark::State& state) {
  QMainWindow window;
  auto* edit = new QPlainTextEdit(&window);
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  window.setCentralWidget(edit);
  window.resize(900, 700);
  window.show();
  const QString text = ProgramTextToQt(EditorProgram());
  for (auto _ : state) {
    edit->document()->setPlainText(text);
    QCoreApplication::processEvents();
    edit->viewport()->repaint();
  }
}

struct FullDocument {
  QMainWindow window;
  QMdiArea* area = new QMdiArea(&window);
  QtInteraction interaction;
  DocumentHost host{*area, interaction, window};
  OutlineDock* dock = new OutlineDock(host, &window);
  frmDocument* doc = new frmDocument;
  DocumentProgram* program = nullptr;

  FullDocument() {
    window.setCentralWidget(area);
    window.addDockWidget(Qt::RightDockWidgetArea, dock);
    window.resize(900, 700);
    area->addSubWindow(doc)->showMaximized();
    program = new DocumentProgram(*doc);
    window.show();
    dock->followActiveDocument();
  }
};

// The document window with everything the program model adds.
void OpenWithProgramModel(benchmark::State& state) {
  FullDocument full;
  for (auto _ : state) {
    full.doc->loadText(EditorProgram());
    QCoreApplication::processEvents();
    full.dock->refresh();  // what the dock's timer does 100 ms later
    full.doc->txtText->viewport()->repaint();
    full.doc->gutter->repaint();
  }
}

// One character typed in the middle and taken back: two edits.
void Keystroke(benchmark::State& state) {
  FullDocument full;
  full.doc->loadText(EditorProgram());
  QCoreApplication::processEvents();
  QTextCursor cursor(full.doc->txtText->document());
  cursor.setPosition(static_cast<int>(EditorProgram().size() / 2));
  const long long blocksBefore = full.program->highlighter().highlightedBlocks();
  const long long linesBefore = full.program->linesLexed();
  for (auto _ : state) {
    cursor.insertText(QStringLiteral("5"));
    cursor.deletePreviousChar();
  }
  const double edits = 2.0 * static_cast<double>(state.iterations());
  state.counters["blocks_coloured_per_edit"] =
      static_cast<double>(full.program->highlighter().highlightedBlocks() - blocksBefore) / edits;
  state.counters["lines_lexed_per_edit"] = static_cast<double>(full.program->linesLexed() - linesBefore) / edits;
  state.counters["document_lines"] = full.doc->txtText->document()->blockCount();
}

// A keystroke and the program check it starts once typing stops: the text
// read from the document, every rule over it and the gutter marks set.
void KeystrokeAndRecheck(benchmark::State& state) {
  FullDocument full;
  const MachineParameters machine;
  auto* check = new DocumentCheck(*full.program, machine);
  full.doc->loadText(EditorProgram());
  QCoreApplication::processEvents();
  QTextCursor cursor(full.doc->txtText->document());
  cursor.setPosition(static_cast<int>(EditorProgram().size() / 2));
  for (auto _ : state) {
    cursor.insertText(QStringLiteral("5"));
    check->checkNow();
    cursor.deletePreviousChar();
    check->checkNow();
  }
  state.counters["findings"] = static_cast<double>(check->findings().size());
  state.counters["document_bytes"] = static_cast<double>(EditorProgram().size());
}

BENCHMARK(OpenInBareTextControl)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWithProgramModel)->Unit(benchmark::kMillisecond);
BENCHMARK(Keystroke)->Unit(benchmark::kMicrosecond);
// Two keystrokes, two checks per iteration.
BENCHMARK(KeystrokeAndRecheck)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
