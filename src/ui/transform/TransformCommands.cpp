// The transformation tools bound to the Search and Tools menus. Every step
// reads the target document's current text, so typing in the document while
// a dialog stays open is never lost, and every change reaches the document as
// an in-place edit that keeps its undo history and scroll position.
#include "ui/transform/TransformCommands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <span>

#include "app/settings.h"
#include "transform/search_steps.h"
#include "transform/sequence_numbers.h"
#include "transform/size_shift.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/platform/Interaction.h"
#include "ui/shell/Commands.h"
#include "ui/transform/frmFind.h"
#include "ui/transform/frmNumberArrange.h"
#include "ui/transform/frmReplace.h"
#include "ui/transform/frmSizeShift.h"

namespace {

using quillon::AppSettings;
using quillon::SearchOptions;

// The option check boxes of the search dialogs, each bound to its search
// option and its settings key.
struct OptionBox {
  const char* name;
  const char* caption;
  bool SearchOptions::*option;
  bool AppSettings::*setting;
};

// clang-format off
constexpr OptionBox kSearchOptionBoxes[] = {
  // name                 caption                 option                          setting
  {"MatchCase",          "Match case",           &SearchOptions::matchCase,      &AppSettings::FindMatchCase},
  {"WholeWord",          "Whole word",           &SearchOptions::wholeWord,      &AppSettings::FindWholeWord},
  {"RegularExpression",  "Regular expression",   &SearchOptions::regex,          &AppSettings::FindRegex},
  {"WrapAround",         "Wrap around",          &SearchOptions::wrapAround,     &AppSettings::FindWrapAround},
};
constexpr OptionBox kShiftOptionBoxes[] = {
  {"WordsOnly",          "Address words only",   &SearchOptions::shiftWordsOnly, &AppSettings::ShiftWordsOnly},
};
// clang-format on

// Owned by the main window: the search state, the target document, the
// modeless dialogs and the auto-number flag.
class TransformTools : public QObject {
 public:
  TransformTools(Commands& commands, DocumentHost& docs, AppSettings& settings)
      : QObject(docs.window()), m_commands(commands), m_docs(docs), m_settings(settings) {
    setObjectName(QStringLiteral("TransformTools"));
  }

  quillon::SearchState state;
  bool autoNumber = false;

  void install() {
    m_commands.setCommand(QStringLiteral("mnuSearchFind"), [this](int) { mnuSearchFind_Click(); });
    m_commands.setCommand(QStringLiteral("mnuSearchReplace"), [this](int) { mnuSearchReplace_Click(); });
    m_commands.setCommand(QStringLiteral("mnuSearchNextFind"), [this](int) { mnuSearchNextFind_Click(); });
    m_commands.setCommand(QStringLiteral("mnuToolsSizeShift"), [this](int) { mnuToolsSizeShift_Click(); });
    m_commands.setCommand(QStringLiteral("mnuToolsNumberArrange"), [this](int) { mnuToolsNumberArrange_Click(); });
    m_commands.setCommand(QStringLiteral("mnuToolsAutoNo"), [this](int) { mnuToolsAutoNo_Click(); });
    connect(&m_docs, &DocumentHost::documentCreated, this,
            [this](frmDocument* doc) { doc->txtText->installEventFilter(this); });
    connect(&m_docs, &DocumentHost::documentFocused, this, [this] {
      // An open search dialog stays above the document the user clicks into.
      for (QDialog* form :
           {static_cast<QDialog*>(m_find), static_cast<QDialog*>(m_replace), static_cast<QDialog*>(m_sizeShift)})
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
    frmDocument* doc = m_docs.ActiveDocument();
    if (!doc) return nullptr;
    m_target = doc;
    state.searchPos = static_cast<std::size_t>(doc->selStart());
    loadOptions();
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
    if (!form) form = new Form(m_docs.window());
    // A dialog that loads (or comes back after Escape hid it) starts a run.
    if (!form->isVisible()) state.firstFind = true;
    return form;
  }

  // The option boxes of a fresh form; each click is the search's option and the remembered setting at once.
  template <class Form, std::size_t N>
  void addOptionBoxes(Form* form, const OptionBox (&rows)[N]) {
    for (const OptionBox& row : rows) {
      QCheckBox* box = form->addOption(QString::fromLatin1(row.name), QString::fromLatin1(row.caption));
      connect(box, &QCheckBox::toggled, this, [this, &row](bool on) {
        state.options.*row.option = on;
        m_settings.*row.setting = on;
      });
    }
  }

  // The settings are loaded after the tools are made, and every box writes
  // both, so the search takes its options from them when a tool starts.
  void loadOptions() {
    for (const auto& rows :
         {std::span<const OptionBox>(kSearchOptionBoxes), std::span<const OptionBox>(kShiftOptionBoxes)})
      for (const OptionBox& row : rows) state.options.*row.option = m_settings.*row.setting;
  }

  // An option changed in another dialog shows when this one comes up.
  void syncOptionBoxes(QDialog* form) {
    for (const auto& rows :
         {std::span<const OptionBox>(kSearchOptionBoxes), std::span<const OptionBox>(kShiftOptionBoxes)})
      for (const OptionBox& row : rows)
        if (auto* box = form->findChild<QCheckBox*>(QString::fromLatin1(row.name))) {
          const QSignalBlocker quiet(box);
          box->setChecked(state.options.*row.option);
        }
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
      addOptionBoxes(form, kSearchOptionBoxes);
    }
    syncOptionBoxes(form);
    form->setFindText(SelectedText(doc));
    showForm(form);
  }

  // A calculation that is no calculation changes nothing and says why.
  bool refusedCalculation(QWidget* form, quillon::ChangeTool tool) {
    if (tool != quillon::ChangeTool::SizeShift) return false;
    const auto problem = quillon::ShiftCalculationProblem(state.replaceText);
    if (!problem) return false;
    m_docs.interaction().message(form, QStringLiteral("Size Shift"), QString::fromStdString(*problem),
                                 MessageIcon::Exclamation);
    return true;
  }

  void connectChangeDialog(SearchChangeDialog* form, quillon::ChangeTool tool) {
    connect(form, &SearchChangeDialog::textsChanged, this, [this](const QString& find, const QString& value) {
      state.findText = QtToProgramText(find);
      state.replaceText = QtToProgramText(value);
    });
    connect(form, &SearchChangeDialog::changeRequested, this, [this, form, tool](bool fromTop) {
      frmDocument* d = target();
      if (!d || refusedCalculation(form, tool)) return;
      const quillon::Match selection{static_cast<std::size_t>(d->selStart()), static_cast<std::size_t>(d->selLength())};
      apply(d, form, quillon::ChangeStep(tool, d->text(), selection, state, fromTop));
    });
    connect(form, &SearchChangeDialog::skipRequested, this, [this, form, tool](bool fromTop) {
      if (frmDocument* d = target()) apply(d, form, quillon::SkipStep(tool, d->text(), state, fromTop));
    });
    connect(form, &SearchChangeDialog::allChangeRequested, this, [this, form, tool](bool fromTop) {
      frmDocument* d = target();
      if (!d || refusedCalculation(form, tool)) return;
      QApplication::setOverrideCursor(Qt::WaitCursor);
      const quillon::DocumentEdit outcome =
          quillon::AllChangeStep(tool, d->text(), static_cast<std::size_t>(d->selStart()), state, fromTop);
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
    if (fresh) {
      connectChangeDialog(form, tool);
      if (tool == quillon::ChangeTool::Replace)
        addOptionBoxes(form, kSearchOptionBoxes);
      else
        addOptionBoxes(form, kShiftOptionBoxes);
    }
    syncOptionBoxes(form);
    form->setFindText(SelectedText(doc));
    showForm(form);
  }

  void mnuSearchReplace_Click() { openChangeDialog(m_replace, quillon::ChangeTool::Replace); }
  void mnuToolsSizeShift_Click() { openChangeDialog(m_sizeShift, quillon::ChangeTool::SizeShift); }

  void mnuSearchNextFind_Click() {
    frmDocument* doc = m_docs.ActiveDocument();
    if (!doc) return;
    m_target = doc;
    loadOptions();
    apply(doc, m_docs.window(),
          quillon::MenuNextFindStep(doc->text(), state, static_cast<std::size_t>(doc->selStart())));
  }

  void mnuToolsNumberArrange_Click() {
    frmDocument* doc = takeTarget();
    if (!doc) return;
    // No stored state: every opening starts from the design defaults.
    if (m_arrange) m_arrange->close();
    m_arrange = new frmNumberArrange(m_docs.window(), &m_docs.interaction());
    m_arrange->setKeepTargets(m_settings.KeepJumpTargets);
    connect(m_arrange, &frmNumberArrange::arrangeRequested, this, [this](const quillon::ArrangeOptions& o) {
      m_settings.KeepJumpTargets = o.keepTargets;
      frmDocument* d = target();
      if (!d) return;
      QApplication::setOverrideCursor(Qt::WaitCursor);
      const std::size_t caret = o.fromTop ? 0 : static_cast<std::size_t>(d->selStart());
      m_docs.apply(quillon::ArrangeEdit(d->text(), o, caret), d);
      QApplication::restoreOverrideCursor();
    });
    showForm(m_arrange);
  }

  void mnuToolsAutoNo_Click() {
    autoNumber = !autoNumber;
    // The toolbar button follows the item: pressed while checked.
    if (QAction* item = m_commands.action(QStringLiteral("mnuToolsAutoNo"))) item->setChecked(autoNumber);
  }

  // --- applying a step to the document

  frmDocument* target() const { return m_target.data(); }

  void apply(frmDocument* doc, QWidget* messageParent, const quillon::DocumentEdit& step) {
    m_docs.apply(step, doc, messageParent);
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
      m_docs.apply(quillon::InsertAtSelection(*prefix), doc);
  }

  Commands& m_commands;
  DocumentHost& m_docs;
  AppSettings& m_settings;
  QPointer<frmDocument> m_target;
  QPointer<frmFind> m_find;
  QPointer<frmReplace> m_replace;
  QPointer<frmSizeShift> m_sizeShift;
  QPointer<frmNumberArrange> m_arrange;
};

TransformTools& Tools(QWidget& window) {
  return *window.findChild<TransformTools*>(QStringLiteral("TransformTools"), Qt::FindDirectChildrenOnly);
}

}  // namespace

void InstallTransformCommands(Commands& commands, DocumentHost& documents, AppSettings& settings) {
  (new TransformTools(commands, documents, settings))->install();
}

quillon::SearchState& TransformSearchState(QWidget& window) { return Tools(window).state; }
bool AutoNumberOn(QWidget& window) { return Tools(window).autoNumber; }
