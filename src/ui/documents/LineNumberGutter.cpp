#include "ui/documents/LineNumberGutter.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>

namespace {
constexpr int kPadding = 4;    // pixels on each side of the numbers
constexpr int kMinDigits = 2;  // so the width does not change between 9 and 10 lines
constexpr int kMarkWidth = 4;  // the coloured bar at the gutter's left edge of a marked line
const QColor kErrorMark(0xd0, 0x30, 0x30);
const QColor kWarningMark(0xe0, 0xa0, 0x20);
}  // namespace

LineNumberGutter::LineNumberGutter(QPlainTextEdit& edit, QWidget* parent) : QWidget(parent), m_edit(edit) {
  setObjectName(QStringLiteral("lineNumbers"));
  setAutoFillBackground(false);
  connect(&m_edit, &QPlainTextEdit::blockCountChanged, this, [this] { updateWidth(); });
  // Scrolling and typing change what the numbers show; the caret blinking
  // only repaints the strip beside its line.
  connect(&m_edit, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0 || rect.contains(m_edit.viewport()->rect())) {
      update();
    } else {
      const int top = mapFromGlobal(m_edit.viewport()->mapToGlobal(rect.topLeft())).y();
      update(0, top, width(), rect.height());
    }
  });
  connect(&m_edit, &QPlainTextEdit::cursorPositionChanged, this, [this] { update(); });
  m_edit.installEventFilter(this);
  updateWidth();
}

int LineNumberGutter::digits() const {
  int digits = 1;
  for (int n = std::max(1, m_edit.blockCount()); n >= 10; n /= 10) ++digits;
  return std::max(kMinDigits, digits);
}

QSize LineNumberGutter::sizeHint() const {
  const int width = m_edit.fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits() + 2 * kPadding;
  return {width, 0};
}

void LineNumberGutter::updateWidth() {
  if (digits() == m_digits && width() == sizeHint().width()) return;
  m_digits = digits();
  setFixedWidth(sizeHint().width());
  update();
}

bool LineNumberGutter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &m_edit && (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)) {
    m_digits = 0;
    updateWidth();
  }
  return QWidget::eventFilter(watched, event);
}

void LineNumberGutter::setMarks(std::vector<GutterMark> marks) {
  m_marks = std::move(marks);
  update();
}

const GutterMark* LineNumberGutter::markOn(int line) const {
  const auto it =
      std::lower_bound(m_marks.begin(), m_marks.end(), line, [](const GutterMark& m, int l) { return m.line < l; });
  return it != m_marks.end() && it->line == line ? &*it : nullptr;
}

bool LineNumberGutter::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint inViewport = m_edit.viewport()->mapFromGlobal(help->globalPos());
    const GutterMark* mark = markOn(m_edit.cursorForPosition(QPoint(0, inViewport.y())).blockNumber());
    if (mark)
      QToolTip::showText(help->globalPos(), mark->toolTip, this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

void LineNumberGutter::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QPalette& palette = m_edit.palette();
  painter.fillRect(event->rect(), palette.color(QPalette::Window));
  painter.setFont(m_edit.font());
  QWidget* viewport = m_edit.viewport();
  // Block tops are in the viewport's coordinates; the gutter sits beside the
  // control's frame, so both go through the screen.
  const int offset = mapFromGlobal(viewport->mapToGlobal(QPoint(0, 0))).y();
  const int current = m_edit.textCursor().blockNumber();
  const int right = width() - kPadding;
  QFont bold = m_edit.font();
  bold.setBold(true);
  for (QTextBlock block = m_edit.cursorForPosition(QPoint(0, 0)).block(); block.isValid(); block = block.next()) {
    const QRect line = m_edit.cursorRect(QTextCursor(block));
    if (line.top() > viewport->height()) break;
    if (!block.isVisible()) continue;
    if (const GutterMark* mark = markOn(block.blockNumber()))
      painter.fillRect(QRect(0, line.top() + offset, kMarkWidth, line.height()),
                       mark->error ? kErrorMark : kWarningMark);
    const bool isCurrent = block.blockNumber() == current;
    painter.setFont(isCurrent ? bold : m_edit.font());
    painter.setPen(palette.color(isCurrent ? QPalette::WindowText : QPalette::PlaceholderText));
    painter.drawText(QRect(0, line.top() + offset, right, line.height()), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(block.blockNumber() + 1));
  }
}
