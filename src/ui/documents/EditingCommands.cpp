// Clipboard and undo, the Insert menu, the G-code and M-code templates,
// printing and fonts.
#include "ui/documents/EditingCommands.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSet>
#include <QTextDocument>

#include "document/print_layout.h"
#include "document/text_file.h"
#include "numbers/process_error.h"
#include "templates/code_templates.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/PrintSetting.h"
#include "ui/documents/Printing.h"
#include "ui/documents/frmDocument.h"
#include "ui/platform/Interaction.h"
#include "ui/shell/Commands.h"

namespace {

const QString kAppTitle = QStringLiteral("Quillon");
const QString kInsertFileFilter = QStringLiteral("All Files (*.*)|*.*|LIB File (*.lib)|*.lib|System Sub (*.ssb)|*.ssb");
const QString kTooBigMessage = QStringLiteral(" this  file は size が big きすぎるため Open ことが can not do  . ");
const QString kCannotOpenMessage = QStringLiteral("  file が Open けません.");
const QString kNoPrinterQuestion =
    QStringLiteral("No printer is installed.\nDo you want to write the listing to a PDF file instead?");
const QString kCannotPrintMessage = QStringLiteral("Can not print.");
const QString kPdfFilter = QStringLiteral("PDF File (*.pdf)|*.pdf");
// A file that exists but cannot be read: the controller-era "path/file access error".

EditingPlatform DefaultPlatform() {
  EditingPlatform p;
  p.today = [] {
    const QDate d = QDate::currentDate();
    return quillon::CalendarDate{d.year(), d.month(), d.day()};
  };
  p.chooseFont = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) return std::nullopt;
    return chosen;
  };
  p.choosePrinterOrientation = [](QWidget* parent, int orientation) -> std::optional<int> {
    QPrinter printer;
    printer.setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
  };
  p.hasPrinter = [] { return !QPrinterInfo::defaultPrinter().isNull(); };
  return p;
}

// Other programs put CR LF line ends on the clipboard; inside the program a
// line end is "\n", and a lone CR stays a byte.
std::string ClipboardBytes() {
  return quillon::DecodeProgramBytes(QtToProgramText(QGuiApplication::clipboard()->text())).text;
}

void SetClipboardBytes(const std::string& bytes) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string SelectedBytes(const frmDocument& doc) {
  return doc.text().substr(static_cast<std::size_t>(doc.selStart()), static_cast<std::size_t>(doc.selLength()));
}

// Reads a whole file; nullopt when it cannot be opened.
std::optional<std::string> ReadFileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  return bytes.toStdString();
}

// Undo and redo follow the active document's own history; the clipboard keys
// typed in a document run the menu commands, so pasted text takes the same
// way into the program as every insertion.
class UndoTracker : public QObject {
 public:
  UndoTracker(Commands& commands, DocumentHost& docs) : QObject(&docs), m_commands(commands), m_docs(docs) {
    connect(&docs, &DocumentHost::activeDocumentChanged, this, [this] { update(); });
    connect(&docs, &DocumentHost::documentCreated, this, [this](frmDocument* doc) { watch(doc); });
    connect(&docs, &DocumentHost::documentFocused, this, [this] { update(); });
  }

  void update() {
    frmDocument* doc = m_docs.ActiveDocument();
    QTextDocument* text = doc ? doc->txtText->document() : nullptr;
    if (QAction* undo = m_commands.action(QStringLiteral("mnuEditUndo")))
      undo->setEnabled(text && text->isUndoAvailable());
    if (QAction* redo = m_commands.action(QStringLiteral("mnuEditRedo")))
      redo->setEnabled(text && text->isRedoAvailable());
  }

 private:
  void watch(frmDocument* doc) {
    QTextDocument* text = doc->txtText->document();
    connect(text, &QTextDocument::undoAvailable, this, [this] { update(); });
    connect(text, &QTextDocument::redoAvailable, this, [this] { update(); });
    // A closed document leaves the items to the next active one (or none).
    connect(
        doc, &QObject::destroyed, this, [this] { update(); }, Qt::QueuedConnection);
    doc->txtText->installEventFilter(this);
    update();
  }

  static const char* ClipboardCommand(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Cut)) return "mnuEditCut";
    if (key.matches(QKeySequence::Copy)) return "mnuEditCopy";
    if (key.matches(QKeySequence::Paste)) return "mnuEditPaste";
    return nullptr;
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride && ClipboardCommand(*static_cast<QKeyEvent*>(event))) {
      // Not taken by the text control: the window's shortcut runs instead.
      event->ignore();
      return true;
    }
    if (event->type() == QEvent::KeyPress) {
      // The second keys of the platform (Shift+Insert, Ctrl+Insert,
      // Shift+Delete) have no menu shortcut and arrive here: they run the
      // menu command too rather than the text control's own clipboard.
      if (const char* command = ClipboardCommand(*static_cast<QKeyEvent*>(event))) {
        m_commands.runCommand(QLatin1String(command));
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

  Commands& m_commands;
  DocumentHost& m_docs;
};

void InstallClipboardCommands(Commands& commands, DocumentHost& docs) {
  commands.setCommand(QStringLiteral("mnuEditCopy"), [&docs](int) {
    frmDocument* doc = docs.ActiveDocument();
    if (!doc) return;
    SetClipboardBytes(SelectedBytes(*doc));
  });
  commands.setCommand(QStringLiteral("mnuEditCut"), [&docs](int) {
    frmDocument* doc = docs.ActiveDocument();
    if (!doc) return;
    SetClipboardBytes(SelectedBytes(*doc));
    // The document's own history makes the cut undoable in place.
    if (doc->selLength() > 0) docs.apply(quillon::InsertAtSelection(std::string()), doc);
  });
  commands.setCommand(QStringLiteral("mnuEditPaste"), [&docs](int) {
    if (!docs.ActiveDocument()) return;
    docs.apply(quillon::InsertAtSelection(ClipboardBytes()));
  });
  commands.setCommand(QStringLiteral("mnuEditUndo"), [&docs](int) {
    if (frmDocument* doc = docs.ActiveDocument()) doc->txtText->undo();
  });
  commands.setCommand(QStringLiteral("mnuEditRedo"), [&docs](int) {
    if (frmDocument* doc = docs.ActiveDocument()) doc->txtText->redo();
  });
  auto* tracker = new UndoTracker(commands, docs);
  tracker->update();
}

void InstallInsertCommands(Commands& commands, DocumentHost& docs, quillon::AppSettings& settings,
                           const QString& appFolder) {
  commands.setCommand(QStringLiteral("mnuInsertComment"), [&docs, appFolder](int) {
    // Only read: the application folder is not the user's to write into, and
    // a missing comment file simply inserts nothing.
    const QString path = appFolder + QStringLiteral("/Comment.txt");
    if (!QFileInfo::exists(path)) return;
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
      docs.ReportProcessError(quillon::kErrFileAccess);
      return;
    }
    docs.apply(quillon::InsertAtSelection(quillon::DecodeProgramBytes(*bytes).text));
  });

  commands.setCommand(QStringLiteral("mnuInsertDate"), [&docs](int) {
    docs.apply(quillon::InsertAtSelection(quillon::InsertDateText(EditingPlatformHooks().today())));
  });

  commands.setCommand(QStringLiteral("mnuInsertFile"), [&docs, &settings](int) {
    const FileDialogResult chosen = docs.interaction().askOpenFile(
        docs.window(), QString(), QString::fromStdString(settings.InsertPathName), QString(), kInsertFileFilter);
    if (!chosen.accepted) return;
    settings.InsertPathName = chosen.folder.toStdString();
    if (chosen.path.isEmpty()) return;
    const QFileInfo info(chosen.path);
    if (info.exists() && info.size() > static_cast<qint64>(quillon::kMaxProgramFileBytes)) {
      docs.interaction().message(docs.window(), kAppTitle, kTooBigMessage, MessageIcon::None);
      return;
    }
    const auto bytes = ReadFileBytes(chosen.path);
    if (!bytes) {
      docs.interaction().message(docs.window(), kAppTitle, chosen.path + kCannotOpenMessage, MessageIcon::None);
      return;
    }
    docs.apply(quillon::InsertAtSelection(quillon::DecodeProgramBytes(*bytes).text));
  });
}

void InstallTemplateCommands(Commands& commands, DocumentHost& docs) {
  QSet<QString> bound;
  for (const quillon::CodeTemplate& t : quillon::CodeTemplateTable()) {
    const QString name = QString::fromLatin1(t.control.data(), static_cast<qsizetype>(t.control.size()));
    if (bound.contains(name)) continue;
    bound.insert(name);
    const std::string control(t.control);
    // A single item has index 0; an array passes the index of the item chosen.
    const bool array = t.index != 0;
    commands.setCommand(name, [&docs, control, array](int index) {
      if (auto edit = quillon::CodeTemplateEdit(control, array ? index : 0)) docs.apply(*edit);
    });
  }
}

void PrintActiveDocument(DocumentHost& docs, const quillon::AppSettings& settings) {
  frmDocument* doc = docs.ActiveDocument();
  if (!doc) return;
  const quillon::CalendarDate today = EditingPlatformHooks().today();
  QPrinter printer(QPrinter::HighResolution);
  if (!EditingPlatformHooks().hasPrinter()) {
    const Answer answer = docs.interaction().question(docs.window(), kAppTitle, kNoPrinterQuestion, Buttons::YesNo,
                                                      MessageIcon::Exclamation);
    if (answer != Answer::Yes) return;
    QString name = QFileInfo(doc->isUntitled() ? doc->caption() : doc->filePath()).completeBaseName();
    if (name.isEmpty()) name = doc->caption();
    const FileDialogResult target =
        docs.interaction().askSaveFile(docs.window(), QString(), QString::fromStdString(settings.SavePathName),
                                       name + QStringLiteral(".pdf"), kPdfFilter);
    if (!target.accepted || target.path.isEmpty()) return;
    MakePdfPrinter(printer, target.path);
  }
  if (!PrintListing(printer, settings, doc->caption(), today, doc->text()))
    docs.interaction().message(docs.window(), kAppTitle, kCannotPrintMessage, MessageIcon::Exclamation);
}

void InstallPrintCommands(Commands& commands, DocumentHost& docs, quillon::AppSettings& settings) {
  commands.setCommand(QStringLiteral("mnuFilePrint"), [&docs, &settings](int) { PrintActiveDocument(docs, settings); });

  auto setting = std::make_shared<QPointer<PrintSetting>>();
  commands.setCommand(QStringLiteral("mnuFilePrinterSetup"), [&docs, &settings, setting](int) {
    if (!*setting) {
      *setting = new PrintSetting(settings, docs.window());
      (*setting)->setAttribute(Qt::WA_DeleteOnClose);
    }
    (*setting)->load();
    (*setting)->show();
    (*setting)->raise();
    (*setting)->activateWindow();
  });

  commands.setCommand(QStringLiteral("mnuFileFont"), [&docs, &settings](int) {
    QFont initial(QString::fromStdString(settings.ScreenFontName));
    if (settings.ScreenFontSize > 0) initial.setPointSize(settings.ScreenFontSize);
    const auto chosen = EditingPlatformHooks().chooseFont(docs.window(), initial);
    if (!chosen) return;
    settings.ScreenFontName = chosen->family().toStdString();
    settings.ScreenFontSize = quillon::RoundHalfEven(chosen->pointSizeF());
    if (frmDocument* doc = docs.ActiveDocument()) {
      QFont font(chosen->family());
      font.setPointSize(settings.ScreenFontSize);
      font.setBold(chosen->bold());
      font.setItalic(chosen->italic());
      font.setUnderline(chosen->underline());
      font.setStrikeOut(chosen->strikeOut());
      doc->txtText->setFont(font);
    }
  });
}

}  // namespace

EditingPlatform& EditingPlatformHooks() {
  static EditingPlatform hooks = DefaultPlatform();
  return hooks;
}

void ResetEditingPlatformHooks() { EditingPlatformHooks() = DefaultPlatform(); }

void InstallEditingCommands(Commands& commands, DocumentHost& documents, quillon::AppSettings& settings,
                            const QString& appFolder) {
  InstallClipboardCommands(commands, documents);
  InstallInsertCommands(commands, documents, settings, appFolder);
  InstallTemplateCommands(commands, documents);
  InstallPrintCommands(commands, documents, settings);
}
