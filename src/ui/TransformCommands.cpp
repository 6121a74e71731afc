// The transformation tools bound to the Search and Tools menus. Every step
// reads the target document's current text, so typing in the document while
// a dialog stays open is never lost, and every change reaches the document as
// an in-place edit that keeps its undo history and scroll position.
#include "TransformCommands.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "Interaction.h"
#include "frmDocument.h"
#include "frmFind.h"
#include "frmMain.h"
#include "frmNumberArrange.h"
#include "frmReplace.h"
#include "frmSizeShift.h"
#include "transform/search_steps.h"
#include "transform/sequence_numbers.h"

namespace {

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Owned by the main window: the search state, the target document, the
// modeless dialogs and the auto-number flag.
class TransformTools : public QObject {
 public:
  explicit TransformTools(frmMain& main) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("TransformTools"));
  }

  quillon::SearchState state;
  bool autoNumber = false;

  void install() {
    m_main.setCommand(QStringLiteral("mnuSearchFind"), [this](int) { mnuSearchFind_Click(); });
    m_main.setCommand(QStringLiteral("mnuSearchReplace"), [this](int) { mnuSearchReplace_Click(); });
    m_main.setCommand(QStringLiteral("mnuSearchNextFind"), [this](int) { mnuSearchNextFind_Click(); });
    m_main.setCommand(QStringLiteral("mnuToolsSizeShift"), [this](int) { mnuToolsSizeShift_Click(); });
    m_main.setCommand(QStringLiteral("mnuToolsNumberArrange"), [this](int) { mnuToolsNumberArrange_Click(); });
    m_main.setCommand(QStringLiteral("mnuToolsAutoNo"), [this](int) { mnuToolsAutoNo_Click(); });
    connect(&m_main, &frmMain::documentCreated, this,
            [this](frmDocument* doc) { doc->txtText->installEventFilter(this); });
    connect(&m_main, &frmMain::documentFocused, this, [this] {
      // An open search dialog stays above the document the user clicks into.
      for (QDialog* form : {static_cast<QDialog*>(m_find), static_cast<QDialog*>(m_replace),
                            static_cast<QDialog*>(m_sizeShift)})
        if (form && form->isVisible()) form->raise();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && autoNumber) typed(watched, static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
  }

 private:
  // --- opening commands

  // The opening steps every tool shares: the active document becomes the
  // target and the search starts at its caret.
  frmDocument* takeTarget() {
    frmDocument* doc = m_main.ActiveDocument();
    if (!doc) return nullptr;
    m_target = doc;
    state.searchPos = static_cast<std::size_t>(doc->selStart());
    return doc;
  }

  static QString SelectedText(frmDocument* doc) {
    if (doc->selLength() == 0) return QString();
    const std::string text = doc->text();
    return ProgramTextToQt(std::string_view(text).substr(static_cast<std::size_t>(doc->selStart()),
                                                         static_cast<std::size_t>(doc->selLength())));
  }

  template <class Form>
  Form* ensureForm(QPointer<Form>& form) {
    if (!form) form = new Form(&m_main);
    // A dialog that loads (or comes back after Escape hid it) starts a run.
    if (!form->isVisible()) state.firstFind = true;
    return form;
  }

  static void showForm(QDialog* form) {
    form->show();
    form->raise();
    form->activateWindow();
  }

  void mnuSearchFind_Click() {
    frmDocument* doc = takeTarget();
    if (!doc) return;
    const bool fresh = !m_find;
    frmFind* form = ensureForm(m_find);
    if (fresh) {
      connect(form, &frmFind::findTextChanged, this, [this](const QString& t) { state.findText = QtToProgramText(t); });
      connect(form, &frmFind::nextFindRequested, this, [this](bool fromTop) {
        if (frmDocument* d = target()) apply(d, m_find, quillon::FindStep(d->text(), state, fromTop));
      });
    }
    form->setFindText(SelectedText(doc));
    showForm(form);
  }

  void connectChangeDialog(SearchChangeDialog* form, quillon::ChangeTool tool) {
    connect(form, &SearchChangeDialog::textsChanged, this, [this](const QString& find, const QString& value) {
      state.findText = QtToProgramText(find);
      state.replaceText = QtToProgramText(value);
    });
    connect(form, &SearchChangeDialog::changeRequested, this, [this, form, tool](bool fromTop) {
      frmDocument* d = target();
      if (!d) return;
      const quillon::Match selection{static_cast<std::size_t>(d->selStart()), static_cast<std::size_t>(d->selLength())};
      apply(d, form, quillon::ChangeStep(tool, d->text(), selection, state, fromTop));
    });
    connect(form, &SearchChangeDialog::skipRequested, this, [this, form, tool](bool fromTop) {
      if (frmDocument* d = target()) apply(d, form, quillon::SkipStep(tool, d->text(), state, fromTop));
    });
    connect(form, &SearchChangeDialog::allChangeRequested, this, [this, form, tool](bool fromTop) {
      frmDocument* d = target();
      if (!d) return;
      QApplication::setOverrideCursor(Qt::WaitCursor);
      const quillon::StepOutcome outcome = quillon::AllChangeStep(tool, d->text(), static_cast<std::size_t>(d->selStart()), state, fromTop);
      QApplication::restoreOverrideCursor();
      apply(d, form, outcome);
    });
  }

  template <class Form>
  void openChangeDialog(QPointer<Form>& slot, quillon::ChangeTool tool) {
    frmDocument* doc = takeTarget();
    if (!doc) return;
    const bool fresh = !slot;
    Form* form = ensureForm(slot);
    if (fresh) connectChangeDialog(form, tool);
    form->setFindText(SelectedText(doc));
    showForm(form);
  }

  void mnuSearchReplace_Click() { openChangeDialog(m_replace, quillon::ChangeTool::Replace); }
  void mnuToolsSizeShift_Click() { openChangeDialog(m_sizeShift, quillon::ChangeTool::SizeShift); }

  void mnuSearchNextFind_Click() {
    frmDocument* doc = m_main.ActiveDocument();
    if (!doc) return;
    m_target = doc;
    apply(doc, &m_main,
          quillon::MenuNextFindStep(doc->text(), state, static_cast<std::size_t>(doc->selStart())));
  }

  void mnuToolsNumberArrange_Click() {
    frmDocument* doc = takeTarget();
    if (!doc) return;
    // No stored state: every opening starts from the design defaults.
    if (m_arrange) m_arrange->close();
    m_arrange = new frmNumberArrange(&m_main);
    connect(m_arrange, &frmNumberArrange::arrangeRequested, this, [this](const quillon::ArrangeOptions& o) {
      frmDocument* d = target();
      if (!d) return;
      QApplication::setOverrideCursor(Qt::WaitCursor);
      const std::string before = d->text();
      const std::size_t caret = o.fromTop ? 0 : static_cast<std::size_t>(d->selStart());
      const quillon::ArrangeResult result = quillon::ArrangeSequenceNumbers(before, o, caret);
      const quillon::TextEdit edit = quillon::ChangedSpan(before, result.text);
      // One undo step even when nothing changed, so the caret still goes to the end.
      d->replaceRange(static_cast<int>(edit.start), static_cast<int>(edit.length), edit.text,
                      static_cast<int>(result.caret));
      QApplication::restoreOverrideCursor();
    });
    showForm(m_arrange);
  }

  void mnuToolsAutoNo_Click() {
    autoNumber = !autoNumber;
    // The toolbar button follows the item: pressed while checked.
    if (QAction* item = m_main.action(QStringLiteral("mnuToolsAutoNo"))) item->setChecked(autoNumber);
  }

  // --- applying a step to the document

  frmDocument* target() const { return m_target.data(); }

  void apply(frmDocument* doc, QWidget* messageParent, const quillon::StepOutcome& outcome) {
    if (outcome.edit)
      doc->replaceRange(static_cast<int>(outcome.edit->start), static_cast<int>(outcome.edit->length),
                        outcome.edit->text, static_cast<int>(outcome.caretAfterEdit));
    if (outcome.select) {
      doc->setSelection(static_cast<int>(outcome.select->start), static_cast<int>(outcome.select->length));
      doc->txtText->ensureCursorVisible();
    }
    if (outcome.message)
      m_main.interaction().message(messageParent, Utf8(outcome.message->title), Utf8(outcome.message->text),
                                   MessageIcon::None);
  }

  // --- typing with automatic sequence numbers

  void typed(QObject* watched, QKeyEvent* key) {
    auto* edit = qobject_cast<QPlainTextEdit*>(watched);
    auto* doc = edit ? qobject_cast<frmDocument*>(edit->parentWidget()) : nullptr;
    if (!doc || key->text().isEmpty()) return;
    // Shortcuts are commands, not typing.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return;
    const char16_t u = key->text().front().unicode();
    const char ch = u <= 0xFF ? static_cast<char>(u) : '?';
    if (ch == quillon::kBackspaceKey) return;
    // Only what a key types is looked at: Enter and TAB, not Escape or Delete.
    if ((u < 0x20 && ch != '\r' && ch != '\t') || u == 0x7F) return;

    const int caret = doc->selStart();
    state.searchPos = static_cast<std::size_t>(caret);
    // The rule only needs the character before the caret.
    std::string before;
    if (caret > 0) {
      const QChar c = edit->document()->characterAt(caret - 1);
      before.push_back(c == QChar::ParagraphSeparator || c == QChar::LineSeparator ? '\n' : '.');
    }
    if (const auto prefix = quillon::AutoNumberPrefix(before, before.size(), ch))
      doc->replaceRange(caret, doc->selLength(), *prefix, caret + static_cast<int>(prefix->size()));
  }

  frmMain& m_main;
  QPointer<frmDocument> m_target;
  QPointer<frmFind> m_find;
  QPointer<frmReplace> m_replace;
  QPointer<frmSizeShift> m_sizeShift;
  QPointer<frmNumberArrange> m_arrange;
};

TransformTools& Tools(frmMain& main) {
  return *main.findChild<TransformTools*>(QStringLiteral("TransformTools"), Qt::FindDirectChildrenOnly);
}

}  // namespace

void InstallTransformCommands(frmMain& main) { (new TransformTools(main))->install(); }

quillon::SearchState& TransformSearchState(frmMain& main) { return Tools(main).state; }
bool AutoNumberOn(frmMain& main) { return Tools(main).autoNumber; }
