#include "ui/documents/frmDocument.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "ui/documents/LineNumberGutter.h"

namespace {
constexpr char16_t kLoneCrSymbol = 0x240D;  // SYMBOL FOR CARRIAGE RETURN
// 15 twips on each side at the usual 96 dpi.
constexpr int kTextMargin = 1;
constexpr int kCurrentLineAlpha = 40;  // of 255
}  // namespace

namespace {
// Inside the program every line end is "\n", so a CR is always a byte of its
// own (shown as a symbol), even right before a line end: a "CR CR LF" file or
// a transformation writing such a text back keeps it. Text from outside the
// program (the clipboard) is decoded at its own boundary.
QString BytesToQt(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    text.append(byte == '\r' ? QChar(kLoneCrSymbol) : QChar(static_cast<char16_t>(byte)));
  }
  return text;
}
}  // namespace

QString ProgramTextToQt(std::string_view bytes) { return BytesToQt(bytes); }

std::string QtToProgramText(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator)
      bytes.push_back('\n');
    else if (u == kLoneCrSymbol)
      bytes.push_back('\r');
    else if (u <= 0xFF)
      bytes.push_back(static_cast<char>(u));
    else
      bytes.push_back('?');  // the file holds 8-bit text only
  }
  return bytes;
}

frmDocument::frmDocument(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmDocument"));
  txtText = new QPlainTextEdit(this);
  txtText->setObjectName(QStringLiteral("txtText"));
  txtText->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtText->setTabChangesFocus(false);
  txtText->installEventFilter(this);
  gutter = new LineNumberGutter(*txtText, this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kTextMargin, kTextMargin, kTextMargin, kTextMargin);
  layout->setSpacing(0);
  layout->addWidget(gutter);
  layout->addWidget(txtText);
  setFocusProxy(txtText);
  // The title's "[*]" shows the marker while the text differs from the file.
  connect(txtText->document(), &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);
  connect(txtText, &QPlainTextEdit::cursorPositionChanged, this, &frmDocument::shadeCurrentLine);
  shadeCurrentLine();
}

void frmDocument::shadeCurrentLine() {
  // The palette's highlight, faint: readable under any text colour on light
  // and dark palettes alike.
  QColor shade = txtText->palette().color(QPalette::Highlight);
  shade.setAlpha(kCurrentLineAlpha);
  QTextEdit::ExtraSelection line;
  line.format.setBackground(shade);
  line.format.setProperty(QTextFormat::FullWidthSelection, true);
  line.cursor = txtText->textCursor();
  line.cursor.clearSelection();
  txtText->setExtraSelections({line});
}

QString frmDocument::caption() const { return m_caption; }

void frmDocument::setCaption(const QString& caption) {
  m_caption = caption;
  setWindowTitle(caption + QStringLiteral("[*]"));
}

bool frmDocument::isUntitled() const { return m_caption.startsWith(QLatin1String("Untitled")); }

bool frmDocument::DataChanged() const { return txtText->document()->isModified(); }

void frmDocument::setDataChanged(bool changed) { txtText->document()->setModified(changed); }

std::string frmDocument::text() const {
  // toPlainText() would turn a no-break space (byte 0xA0) into a blank.
  return QtToProgramText(txtText->document()->toRawText());
}

int frmDocument::selStart() const { return txtText->textCursor().selectionStart(); }

int frmDocument::selLength() const {
  const QTextCursor c = txtText->textCursor();
  return c.selectionEnd() - c.selectionStart();
}

void frmDocument::setSelection(int start, int length) {
  const int end = txtText->document()->characterCount() - 1;
  start = std::clamp(start, 0, end);
  QTextCursor c(txtText->document());
  c.setPosition(start);
  c.setPosition(std::clamp(start + length, 0, end), QTextCursor::KeepAnchor);
  txtText->setTextCursor(c);
}

void frmDocument::applyEdit(const quillon::DocumentEdit& edit) {
  const auto size = static_cast<std::size_t>(std::max(0, txtText->document()->characterCount() - 1));
  const quillon::Match selection{static_cast<std::size_t>(selStart()), static_cast<std::size_t>(selLength())};
  const quillon::DocumentEdit placed = quillon::PlaceEdit(edit, size, selection);
  if (placed.changesText)
    replaceRangeAndAppend(static_cast<int>(placed.start), static_cast<int>(placed.length), placed.text,
                          static_cast<int>(placed.caret), placed.appendAtEnd);
  if (placed.select) {
    setSelection(static_cast<int>(placed.select->start), static_cast<int>(placed.select->length));
    txtText->ensureCursorVisible();
  }
}

void frmDocument::replaceRangeAndAppend(int start, int length, const std::string& text, int caretAfter,
                                        const std::string& appendAtEnd) {
  QTextDocument* doc = txtText->document();
  const int hScroll = txtText->horizontalScrollBar()->value();
  const int vScroll = txtText->verticalScrollBar()->value();
  const int end = doc->characterCount() - 1;
  start = std::clamp(start, 0, end);
  length = std::clamp(length, 0, end - start);

  QTextCursor c(doc);
  c.beginEditBlock();
  c.setPosition(start);
  c.setPosition(start + length, QTextCursor::KeepAnchor);
  c.insertText(ProgramTextToQt(text));
  if (!appendAtEnd.empty()) {
    c.movePosition(QTextCursor::End);
    c.insertText(ProgramTextToQt(appendAtEnd));
  }
  c.endEditBlock();

  QTextCursor caret(doc);
  caret.setPosition(std::clamp(caretAfter, 0, doc->characterCount() - 1));
  txtText->setTextCursor(caret);
  txtText->horizontalScrollBar()->setValue(hScroll);
  txtText->verticalScrollBar()->setValue(vScroll);
  txtText->ensureCursorVisible();
  setDataChanged(true);
}

void frmDocument::loadText(const std::string& text) {
  txtText->document()->setPlainText(BytesToQt(text));
  txtText->moveCursor(QTextCursor::Start);
}

void frmDocument::applyScreenFont(const QString& name, int pointSize) {
  QFont font(name);
  if (pointSize > 0) font.setPointSize(pointSize);
  font.setStyleHint(QFont::TypeWriter);
  if (QFontInfo(font).family().compare(name, Qt::CaseInsensitive) != 0) {
    // The stored default names a font of another system: use this one's fixed-pitch font.
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (pointSize > 0) font.setPointSize(pointSize);
  }
  txtText->setFont(font);
}

void frmDocument::closeEvent(QCloseEvent* event) {
  if (closeQuery && !closeQuery(*this)) {
    event->ignore();
    return;
  }
  event->accept();
  emit unloaded(this);
}

bool frmDocument::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtText) {
    if (event->type() == QEvent::PaletteChange) {
      shadeCurrentLine();
    } else if (event->type() == QEvent::FocusIn) {
      emit textFocused(this);
    } else if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
        txtText->setOverwriteMode(!txtText->overwriteMode());
        emit overwriteModeChanged(this, txtText->overwriteMode());
        return true;
      }
#ifndef Q_OS_MACOS
      // Alt with a letter is meant for a menu; one that opens none must not
      // write the letter into the program. AltGr arrives as Ctrl+Alt and types.
      const Qt::KeyboardModifiers mods = key->modifiers();
      if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !key->text().isEmpty()) return true;
#endif
    }
  }
  return QWidget::eventFilter(watched, event);
}
