#include "ui/shell/frmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <array>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "app/command_line.h"
#include "app/menu_tree.h"
#include "app/window_placement.h"
#include "document/file_bytes.h"
#include "document/text_file.h"
#include "help/help_topics.h"
#include "process/workspace.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/platform/Interaction.h"
#include "ui/shell/AppIcon.h"
#include "ui/shell/Commands.h"
#include "ui/shell/ScreenFit.h"
#include "ui/shell/ToolbarIcons.h"

namespace {
const QString kAppName = QStringLiteral("Quillon");
const QString kOpenFilter = QStringLiteral("All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb");
// Libraries are saved like the other programs; their filter is spelled as in
// the insert-file dialog.
const QString kSaveFilter =
    QStringLiteral("Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|LIB File (*.lib)|*.lib|All Files (*.*)|*.*");
const QString kUntitled = QStringLiteral("Untitled");
constexpr int kClockIntervalMs = 1000;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

// The local files a drag carries; empty when it carries anything else too.
QStringList DroppedFiles(const QMimeData* data) {
  QStringList files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    files << url.toLocalFile();
  }
  return files;
}

// Shows the wait pointer while a file is read or written.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};
}  // namespace

struct frmMain::Impl {
  QMdiArea* mdi = nullptr;
  QToolBar* toolbar = nullptr;
  QStatusBar* statusBar = nullptr;
  std::array<QAction*, 24> toolbarPositions{};  // 1..23
  QHash<QString, QLabel*> panels;
  QTimer* clock = nullptr;
  int untitledCounter = 0;
  bool pendingRearrangement = false;
  QString lastDialogFileName;
  // The document whose own close query must not ask again (the Close command
  // has asked already).
  frmDocument* answeredClose = nullptr;
  // Frame's top-left minus the client area's, as last seen in the normal state.
  QPoint normalFrameOffset;
};

frmMain::frmMain(quillon::Workspace& workspace, Interaction& interaction, QWidget* parent)
    : QMainWindow(parent), m_workspace(workspace), m_interaction(interaction), m_impl(std::make_unique<Impl>()) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(Q(quillon::MainWindowTitle()));
  setWindowIcon(QuillonIcon());

  m_impl->mdi = new QMdiArea(this);
  m_impl->mdi->setObjectName(QStringLiteral("mdiArea"));
  setCentralWidget(m_impl->mdi);
  // The area gets its final size only after the main window's layout ran
  // (also on the first show), so the arrangement follows the area itself.
  m_impl->mdi->viewport()->installEventFilter(this);
  connect(m_impl->mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
    updateInsertPanel();
    updateCaretPanel();
  });

  m_documents = new DocumentHost(*m_impl->mdi, m_interaction, *this);
  m_commands = new Commands(this, [this] { return ActiveDocument() != nullptr; });
  m_commands->buildMenus(menuBar());
  new ScreenFit(*this);
  setAcceptDrops(true);
  buildToolbar();
  buildStatusBar();
  bindShellCommands();
}

frmMain::~frmMain() {
  // The windows die after this object's members: they must not call back.
  m_impl->mdi->disconnect(this);
  m_impl->mdi->disconnect(m_documents);
  // Closed windows awaiting deletion are no longer in the area's list.
  for (QMdiSubWindow* window : m_impl->mdi->findChildren<QMdiSubWindow*>()) window->disconnect(this);
  for (frmDocument* doc : m_impl->mdi->findChildren<frmDocument*>()) {
    doc->disconnect(this);
    doc->txtText->disconnect(this);
  }
}

// ---------------------------------------------------------------- building

void frmMain::buildToolbar() {
  m_impl->toolbar = addToolBar(QStringLiteral("tbToolBar"));
  m_impl->toolbar->setObjectName(QStringLiteral("tbToolBar"));
  m_impl->toolbar->setMovable(false);
  m_impl->toolbar->setIconSize(QSize(24, 24));
  for (const quillon::ToolbarButton& button : quillon::ToolbarButtons()) {
    QAction* act = nullptr;
    if (quillon::IsSeparator(button)) {
      act = m_impl->toolbar->addSeparator();
    } else {
      QAction* command = action(Q(button.command));
      act = new QAction(ToolbarIcon(button.position, style()), Q(button.key), this);
      act->setObjectName(Q(button.key));
      act->setToolTip(Q(button.toolTip));
      act->setCheckable(command->isCheckable());
      // The button is the menu item's second face: same enabled state, same command.
      auto sync = [act, command] {
        act->setEnabled(command->isEnabled());
        act->setChecked(command->isChecked());
      };
      sync();
      connect(command, &QAction::changed, act, sync);
      connect(act, &QAction::triggered, command, [command, sync] {
        command->trigger();
        sync();
      });
      m_impl->toolbar->addAction(act);
    }
    m_impl->toolbarPositions[static_cast<std::size_t>(button.position)] = act;
  }
}

void frmMain::buildStatusBar() {
  m_impl->statusBar = statusBar();
  m_impl->statusBar->setObjectName(QStringLiteral("sbStatusBar"));
  for (const quillon::StatusPanel& panel : quillon::StatusPanels()) {
    auto* label = new QLabel(Q(panel.text), m_impl->statusBar);
    label->setObjectName(Q(panel.key));
    label->setToolTip(Q(panel.toolTip));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("OVR")) + 8);
    // The caret panel keeps its width while the numbers grow.
    if (panel.key == "LnCol")
      label->setMinimumWidth(label->fontMetrics().horizontalAdvance(Q(quillon::CaretPanelText(99999, 999))) + 8);
    if (panel.key == "Memo")
      m_impl->statusBar->addWidget(label, 1);
    else
      m_impl->statusBar->addPermanentWidget(label);
    m_impl->panels.insert(Q(panel.key), label);
  }
#ifndef Q_OS_WIN
  // Only Windows lets a program read the lock-key states; a panel that might
  // be wrong is worse than none.
  m_impl->panels.value(QStringLiteral("CAPS"))->setVisible(false);
  m_impl->panels.value(QStringLiteral("NUM"))->setVisible(false);
#endif
  m_impl->clock = new QTimer(this);
  connect(m_impl->clock, &QTimer::timeout, this, &frmMain::updateClockPanels);
  m_impl->clock->start(kClockIntervalMs);
  updateClockPanels();
  updateInsertPanel();
  updateCaretPanel();
}

void frmMain::updateClockPanels() {
  const QLocale locale;
  m_impl->panels.value(QStringLiteral("Date"))->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
  m_impl->panels.value(QStringLiteral("Time"))->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
#ifdef Q_OS_WIN
  m_impl->panels.value(QStringLiteral("CAPS"))->setEnabled((GetKeyState(VK_CAPITAL) & 1) != 0);
  m_impl->panels.value(QStringLiteral("NUM"))->setEnabled((GetKeyState(VK_NUMLOCK) & 1) != 0);
#endif
}

void frmMain::updateInsertPanel() {
  frmDocument* doc = ActiveDocument();
  const bool overwrite = doc && doc->txtText->overwriteMode();
  m_impl->panels.value(QStringLiteral("INS"))->setText(overwrite ? QStringLiteral("OVR") : QStringLiteral("INS"));
}

void frmMain::updateCaretPanel() {
  frmDocument* doc = ActiveDocument();
  QString text;
  if (doc) {
    const QTextCursor caret = doc->txtText->textCursor();
    text = Q(quillon::CaretPanelText(static_cast<std::size_t>(caret.blockNumber()) + 1,
                                     static_cast<std::size_t>(caret.positionInBlock()) + 1));
  }
  m_impl->panels.value(QStringLiteral("LnCol"))->setText(text);
}

void frmMain::bindShellCommands() {
  Commands& c = *m_commands;
  c.setCommand(QStringLiteral("mnuFileNew"), [this](int) { mnuFileNew_Click(); });
  c.setCommand(QStringLiteral("mnuFileOpen"), [this](int) { mnuFileOpen_Click(); });
  c.setCommand(QStringLiteral("mnuFileClose"), [this](int) { mnuFileClose_Click(); });
  c.setCommand(QStringLiteral("mnuFileSave"), [this](int) { mnuFileSave_Click(); });
  c.setCommand(QStringLiteral("mnuFileSaveAs"), [this](int) { mnuFileSaveAs_Click(); });
  c.setCommand(QStringLiteral("mnuFileRecentFile"), [this](int index) { mnuFileRecentFile_Click(index); });
  c.setCommand(QStringLiteral("mnuFileExit"), [this](int) { close(); });
  c.setCommand(QStringLiteral("mnuViewToolbar"),
               [this](int) { m_impl->toolbar->setVisible(action(QStringLiteral("mnuViewToolbar"))->isChecked()); });
  c.setCommand(QStringLiteral("mnuViewStatusBar"),
               [this](int) { m_impl->statusBar->setVisible(action(QStringLiteral("mnuViewStatusBar"))->isChecked()); });
  for (const char* mode : {"mnuWindowCascade", "mnuWindowTileHorizontal", "mnuWindowTileVertical"}) {
    const QString name = QLatin1String(mode);
    c.setCommand(name, [this, name](int) {
      action(name)->setChecked(true);
      ArrangeDocuments();
    });
  }
}

// ---------------------------------------------------------------- start and exit

void frmMain::load(const QString& argument) { load(argument.isEmpty() ? QStringList() : QStringList{argument}); }

void frmMain::load(const QStringList& arguments) {
  // 1. geometry
  placeAtStart();
  // 2. and 3. the records (and the recent files of step 7)
  m_workspace.load();
  // 4.
  HideDocumentMenus();
  m_impl->pendingRearrangement = false;
  // 6. (the parameter dialog applies Tallix to itself when it is built)
  m_commands->setVisible(quillon::TallixStartItems(), m_workspace.machine.Tallix);
  // 7.
  showRecentFiles();
  // 8. Each argument is one file, opened in order as its own document.
  std::vector<std::string> args;
  for (const QString& a : arguments) args.push_back(a.toStdString());
  for (const std::string& path : quillon::CommandLinePaths(args)) OpenCheckedFile(QString::fromStdString(path), true);
}

void frmMain::placeAtStart() {
  const QRect area = ScreenFit::AvailableArea(*this);
  if (!quillon::HasStoredWindowGeometry(m_workspace.store) && !area.isEmpty()) {
    // The stored defaults (433 by 433 pixels) would fold the menus away; a
    // first start takes three quarters of the screen instead.
    const quillon::ScreenRect r = quillon::FirstStartPlacement({area.x(), area.y(), area.width(), area.height()});
    move(r.x, r.y);
    resize(r.width, r.height);
    return;
  }
  // Stored in twips.
  const double dpi = screen() ? screen()->logicalDotsPerInchX() : 96.0;
  const quillon::WindowGeometryTwips g = quillon::LoadWindowGeometry(m_workspace.store, m_workspace.places);
  move(quillon::TwipsToPixels(g.left, dpi), quillon::TwipsToPixels(g.top, dpi));
  resize(quillon::TwipsToPixels(g.width, dpi), quillon::TwipsToPixels(g.height, dpi));
}

void frmMain::closeEvent(QCloseEvent* event) {
  // Every document agrees first; a Cancel keeps the program running.
  for (QMdiSubWindow* window : m_impl->mdi->subWindowList(QMdiArea::CreationOrder)) {
    if (!window->close()) {
      ArrangeDocuments();
      event->ignore();
      return;
    }
    ArrangeDocuments();
  }
  if (!isMinimized()) {
    const double dpi = screen() ? screen()->logicalDotsPerInchX() : 96.0;
    QRect r(pos(), size());
    if (isMaximized() || isFullScreen()) {
      // normalGeometry() places the client area, while the stored left and top
      // are the frame's (what move() takes): without the title bar's offset the
      // window would creep down each time the program ends maximized.
      r = normalGeometry().translated(m_impl->normalFrameOffset);
    }
    quillon::SaveWindowGeometry(m_workspace.store,
                                {quillon::PixelsToTwips(r.x(), dpi), quillon::PixelsToTwips(r.y(), dpi),
                                 quillon::PixelsToTwips(r.width(), dpi), quillon::PixelsToTwips(r.height(), dpi)});
    m_workspace.saveAtExit();
  }
  quillon::SaveRecentFiles(m_workspace.store, m_workspace.recentFiles);
  event->accept();
}

void frmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  rememberFrameOffset();
  ArrangeDocuments();
}

void frmMain::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  rememberFrameOffset();
}

void frmMain::rememberFrameOffset() {
  // A maximized window may lose its borders; only the normal frame tells
  // where normalGeometry()'s client area sits inside it.
  if (isVisible() && windowState() == Qt::WindowNoState)
    m_impl->normalFrameOffset = frameGeometry().topLeft() - geometry().topLeft();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_impl->mdi->viewport() && event->type() == QEvent::Resize) ArrangeDocuments();
  // Files dragged over a document open as documents too, instead of their
  // names being typed into the program text.
  if (watched->property("quillonDocumentText").toBool()) {
    switch (event->type()) {
      case QEvent::DragEnter:
        dragEnterEvent(static_cast<QDragEnterEvent*>(event));
        if (event->isAccepted()) return true;
        break;
      case QEvent::DragMove:
        dragMoveEvent(static_cast<QDragMoveEvent*>(event));
        if (event->isAccepted()) return true;
        break;
      case QEvent::Drop:
        if (!DroppedFiles(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) {
          dropEvent(static_cast<QDropEvent*>(event));
          return true;
        }
        break;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- commands

QAction* frmMain::action(const QString& controlName, int index) const { return m_commands->action(controlName, index); }

void frmMain::runCommand(const QString& controlName, int index) { m_commands->runCommand(controlName, index); }

QAction* frmMain::toolbarAction(int position) const {
  if (position < 1 || position >= static_cast<int>(m_impl->toolbarPositions.size())) return nullptr;
  return m_impl->toolbarPositions[static_cast<std::size_t>(position)];
}

void frmMain::HideDocumentMenus() {
  m_commands->setVisible(quillon::DocumentMenus(), false);
  for (const quillon::ToolbarButton& b : quillon::ToolbarButtons())
    if (b.document) toolbarAction(b.position)->setVisible(false);
}

void frmMain::ShowDocumentMenus() {
  m_commands->setVisible(quillon::DocumentMenus(), true);
  for (const quillon::ToolbarButton& b : quillon::ToolbarButtons())
    if (b.document) toolbarAction(b.position)->setVisible(true);
}

void frmMain::enableDocumentCommands() {
  for (std::string_view name : quillon::DocumentCommands()) action(Q(name))->setEnabled(true);
}

QString frmMain::lastDialogFileName() const { return m_impl->lastDialogFileName; }
bool frmMain::pendingRearrangement() const { return m_impl->pendingRearrangement; }

// ---------------------------------------------------------------- documents

frmDocument* frmMain::ActiveDocument() const { return m_documents->ActiveDocument(); }

QList<frmDocument*> frmMain::documents() const { return m_documents->documents(); }

QMdiArea* frmMain::mdiArea() const { return m_impl->mdi; }

frmDocument* frmMain::createDocumentWindow(const QString& caption) {
  auto* doc = new frmDocument;
  doc->setCaption(caption);
  doc->applyScreenFont(Q(m_workspace.settings.ScreenFontName), m_workspace.settings.ScreenFontSize);
  doc->closeQuery = [this](frmDocument& d) { return queryCloseDocument(d); };
  doc->txtText->viewport()->setProperty("quillonDocumentText", true);
  doc->txtText->viewport()->installEventFilter(this);
  QMdiSubWindow* window = m_impl->mdi->addSubWindow(doc);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowIcon(style()->standardIcon(QStyle::SP_FileIcon));
  connect(doc, &frmDocument::unloaded, this, [this] { m_impl->pendingRearrangement = true; });
  connect(window, &QObject::destroyed, this, [this] {
    updateInsertPanel();
    updateCaretPanel();
  });
  connect(doc->txtText, &QPlainTextEdit::cursorPositionChanged, this, [this, doc] {
    if (doc == ActiveDocument()) updateCaretPanel();
  });
  connect(doc, &frmDocument::textFocused, this, [this](frmDocument* d) {
    if (m_impl->pendingRearrangement) {
      ArrangeDocuments();
      m_impl->pendingRearrangement = false;
    }
    updateInsertPanel();
    emit m_documents->documentFocused(d);
  });
  connect(doc, &frmDocument::overwriteModeChanged, this, [this] { updateInsertPanel(); });
  window->show();
  m_impl->mdi->setActiveSubWindow(window);
  doc->txtText->setFocus();
  return doc;
}

frmDocument* frmMain::CreateUntitledDocument() {
  ++m_impl->untitledCounter;
  frmDocument* doc = createDocumentWindow(kUntitled + QString::number(m_impl->untitledCounter));
  emit m_documents->documentCreated(doc);
  return doc;
}

void frmMain::mnuFileNew_Click() {
  frmDocument* doc = CreateUntitledDocument();
  ShowDocumentMenus();
  ArrangeDocuments();
  doc->setDataChanged(false);
  enableDocumentCommands();
}

void frmMain::mnuFileOpen_Click() {
  const FileDialogResult r = m_interaction.askOpenFile(this, QString(), Q(m_workspace.settings.OpenPathName),
                                                       m_impl->lastDialogFileName, kOpenFilter);
  if (!r.accepted) return;
  if (!r.folder.isEmpty()) m_workspace.settings.OpenPathName = r.folder.toStdString();
  if (r.path.isEmpty()) return;
  m_impl->lastDialogFileName = QFileInfo(r.path).fileName();
  OpenCheckedFile(r.path, false);
}

frmDocument* frmMain::OpenCheckedFile(const QString& path, bool missingOpensEmpty) {
  const QFileInfo info(path);
  if (!info.exists() && !missingOpensEmpty) return nullptr;
  if (info.exists() && static_cast<std::size_t>(info.size()) > quillon::kMaxProgramFileBytes) {
    m_interaction.message(this, kAppName, QStringLiteral("This file size is too big, can not open."),
                          MessageIcon::None);
    return nullptr;
  }
  frmDocument* doc = OpenDocumentFile(path);
  if (doc) ShowDocumentMenus();
  return doc;
}

frmDocument* frmMain::OpenDocumentFile(const QString& given) {
  // A name relative to the current folder: the caption and the recent list
  // carry the full path, which still names the file in a later run.
  const QString path = QFileInfo(given).isRelative() ? QFileInfo(given).absoluteFilePath() : given;
  quillon::DecodedText decoded;
  QFile file(path);
  if (file.exists()) {
    WaitCursor wait;
    // Read before any window exists: a failed read must not leave an empty
    // window under the file's name that a Save would write over the file.
    // Read through the limit, not the size the file claims: a device such as
    // /dev/zero claims 0 bytes and never ends.
    const quillon::WholeRead read =
        quillon::ReadFileBytes(QFile::encodeName(path).toStdString(), quillon::kMaxProgramFileBytes);
    if (read.failure == quillon::ReadFailure::TooLarge) {
      m_interaction.message(this, kAppName, QStringLiteral("This file size is too big, can not open."),
                            MessageIcon::None);
      return nullptr;
    }
    if (!read.ok()) {
      m_interaction.message(this, kAppName, path + QStringLiteral("  file が Open けません."), MessageIcon::None);
      return nullptr;
    }
    decoded = quillon::DecodeProgramBytes(read.bytes);
  }
  // A missing file opens empty; it is created by the first Save, not now.
  // The caption is the path as it is: upper-cased it would name another file
  // on a file system that tells the cases apart.
  frmDocument* doc = createDocumentWindow(path);
  doc->setFilePath(path);
  ArrangeDocuments();
  doc->loadText(decoded.text);
  doc->setLineEndStyle(decoded.style);
  enableDocumentCommands();
  doc->setDataChanged(false);
  AddRecentFile(path);
  emit m_documents->documentCreated(doc);
  return doc;
}

frmDocument* frmMain::OpenDocumentText(const QString& path, const std::string& text, quillon::LineEndStyle style) {
  frmDocument* doc = path.isEmpty() ? CreateUntitledDocument() : createDocumentWindow(path);
  if (!path.isEmpty()) doc->setFilePath(path);
  ArrangeDocuments();
  doc->loadText(text);
  doc->setLineEndStyle(style);
  enableDocumentCommands();
  ShowDocumentMenus();
  doc->setDataChanged(true);
  if (!path.isEmpty()) emit m_documents->documentCreated(doc);
  return doc;
}

void frmMain::mnuFileRecentFile_Click(int index) {
  if (index < 1 || index > quillon::kRecentFileSlots) return;
  const quillon::RecentFileSlot& slot = m_workspace.recentFiles[static_cast<std::size_t>(index - 1)];
  if (OpenDocumentFile(Q(slot.caption))) ShowDocumentMenus();
}

void frmMain::showRecentFiles() {
  for (int i = 1; i <= quillon::kRecentFileSlots; ++i) {
    QAction* item = action(QStringLiteral("mnuFileRecentFile"), i);
    const auto& slot = m_workspace.recentFiles[static_cast<std::size_t>(i - 1)];
    item->setText(Q(slot.caption));
    item->setVisible(slot.visible);
  }
}

void frmMain::AddRecentFile(const QString& path) {
  quillon::AddRecentFile(m_workspace.recentFiles, path.toStdString());
  showRecentFiles();
}

QString frmMain::AskSaveFileName(const QString& defaultName) {
  const FileDialogResult r =
      m_interaction.askSaveFile(this, QString(), Q(m_workspace.settings.SavePathName), defaultName, kSaveFilter);
  if (!r.folder.isEmpty()) m_workspace.settings.SavePathName = r.folder.toStdString();
  if (!r.accepted || r.path.isEmpty()) return QString();
  // "part1" under "Main File (*.min)" is saved as "part1.min". The dialog
  // adds it itself before its overwrite prompt; when it did not, the prompt
  // asked about another name, so an existing file is asked about here.
  const QString path =
      QString::fromStdString(quillon::WithFilterExtension(r.path.toStdString(), r.filter.toStdString()));
  if (path != r.path && QFileInfo::exists(path)) {
    const Answer answer = m_interaction.question(
        this, kAppName, QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path), Buttons::YesNo,
        MessageIcon::Exclamation);
    if (answer != Answer::Yes) return QString();
  }
  m_impl->lastDialogFileName = QFileInfo(path).fileName();
  return path;
}

bool frmMain::SaveDocumentFile(frmDocument* doc, const QString& given) {
  if (!doc) return false;
  QString path = given;
  if (const Answer answer = m_documents->beforeSave ? m_documents->beforeSave(*doc, path) : Answer::Overwrite;
      answer == Answer::Cancel) {
    return false;
  } else if (answer == Answer::SaveAs) {
    path = AskSaveFileName(doc->isUntitled() ? QString() : doc->filePath());
    if (path.isEmpty()) return false;
  }
  bool ok = false;
  QString reason;
  std::string bytes;
  {
    WaitCursor wait;
    bytes = quillon::EncodeProgramText(doc->text(), doc->lineEndStyle());
    // The old file stays whole until the new one is completely written.
    QSaveFile file(path);
    ok = file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
         file.commit();
    if (!ok) reason = file.errorString();
  }
  if (!ok) {
    // The fixed message alone does not say whether the folder is read-only,
    // the disk full or the name invalid.
    m_interaction.message(this, kAppName, QStringLiteral("Can not save.\n") + reason, MessageIcon::None);
    m_workspace.settings.SavePathName = QDir::currentPath().toStdString();
    return false;
  }
  doc->setCaption(path);
  doc->setFilePath(path);
  doc->setDataChanged(false);
  if (path != given) AddRecentFile(path);
  emit m_documents->documentSaved(doc, path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return true;
}

bool frmMain::saveActive() {
  frmDocument* doc = ActiveDocument();
  if (!doc) return false;
  if (doc->isUntitled()) return saveActiveAs();
  return SaveDocumentFile(doc, doc->filePath().isEmpty() ? doc->caption() : doc->filePath());
}

bool frmMain::saveActiveAs() {
  frmDocument* doc = ActiveDocument();
  if (!doc) return false;
  const QString name = AskSaveFileName(doc->isUntitled() ? QString() : doc->filePath());
  if (name.isEmpty()) return false;
  if (!SaveDocumentFile(doc, name)) return false;
  AddRecentFile(name);
  return true;
}

void frmMain::mnuFileSave_Click() { saveActive(); }
void frmMain::mnuFileSaveAs_Click() { saveActiveAs(); }

void frmMain::mnuFileClose_Click() {
  frmDocument* doc = ActiveDocument();
  if (!doc) return;
  if (doc->DataChanged()) {
    const Answer answer =
        m_interaction.question(this, kAppName, QStringLiteral("The data is changed. Do you want save ?"),
                               Buttons::YesNoCancel, MessageIcon::Exclamation);
    if (answer == Answer::Cancel) return;
    // A Save As that was cancelled or failed keeps the window and its text.
    if (answer == Answer::Yes && !saveActive()) return;
    // The question has been answered: the window's own query must not ask again.
    m_impl->answeredClose = doc;
  }
  if (QWidget* window = doc->parentWidget()) window->close();
  m_impl->answeredClose = nullptr;
  ArrangeDocuments();
}

bool frmMain::queryCloseDocument(frmDocument& doc) {
  if (m_impl->answeredClose == &doc || !doc.DataChanged()) return true;
  const QString text = QLatin1Char('[') + doc.caption() + QStringLiteral("] is changed,\n Do you want save ?");
  const Answer answer =
      m_interaction.question(this, windowTitle(), text, Buttons::YesNoCancel, MessageIcon::Exclamation);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  const QString name = doc.isUntitled() ? AskSaveFileName(QString()) : doc.filePath();
  // The window closes only when its text is safe on disk.
  return !name.isEmpty() && SaveDocumentFile(&doc, name);
}

// ---------------------------------------------------------------- drag and drop

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedFiles(event->mimeData()).isEmpty())
    event->ignore();
  else
    event->acceptProposedAction();
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
  if (DroppedFiles(event->mimeData()).isEmpty())
    event->ignore();
  else
    event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
  const QStringList files = DroppedFiles(event->mimeData());
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  // Each file as if picked in the open dialog; folders are no programs.
  for (const QString& file : files)
    if (!QFileInfo(file).isDir()) OpenCheckedFile(file, false);
}

// ---------------------------------------------------------------- arrangement

void frmMain::ArrangeDocuments() {
  if (action(QStringLiteral("mnuWindowCascade"))->isChecked())
    m_impl->mdi->cascadeSubWindows();
  else if (action(QStringLiteral("mnuWindowTileHorizontal"))->isChecked())
    tileDocuments(Qt::Vertical);
  else if (action(QStringLiteral("mnuWindowTileVertical"))->isChecked())
    tileDocuments(Qt::Horizontal);
}

void frmMain::tileDocuments(Qt::Orientation along) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* w : m_impl->mdi->subWindowList(QMdiArea::CreationOrder))
    if (!w->isHidden() && !w->isMinimized()) windows << w;
  if (windows.isEmpty()) return;
  const QRect area = m_impl->mdi->viewport()->rect();
  const int n = static_cast<int>(windows.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* w = windows[i];
    if (w->isMaximized()) w->showNormal();
    if (along == Qt::Horizontal) {  // side by side columns
      const int x0 = area.width() * i / n, x1 = area.width() * (i + 1) / n;
      w->setGeometry(x0, 0, x1 - x0, area.height());
    } else {  // stacked rows
      const int y0 = area.height() * i / n, y1 = area.height() * (i + 1) / n;
      w->setGeometry(0, y0, area.width(), y1 - y0);
    }
  }
}
