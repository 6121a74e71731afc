#include "ui/program/NcHighlighter.h"

#include <QEvent>
#include <QPlainTextEdit>

#include "ui/documents/frmDocument.h"

namespace {

using quillon::TokenKind;

struct RoleStyle {
  HighlightRole role;
  QRgb light;            // on a light background
  QRgb dark;             // on a dark background
  QRgb lightBackground;  // 0: none
  QRgb darkBackground;
  bool bold;
  bool italic;
  bool wave;  // red wavy underline
};

// One row per role; every colour readable on its own background set (the
// dark set is the light set's hue, lighter).
// clang-format off
constexpr RoleStyle kRoleStyles[] = {
  // role                           light      dark       light bg   dark bg    bold   italic wave
  {HighlightRole::Plain,            0,         0,         0,         0,         false, false, false},
  {HighlightRole::SequenceNumber,   0xff7a7a7a, 0xff9e9e9e, 0,       0,         false, false, false},
  {HighlightRole::Label,            0xff7b1fa2, 0xffd7a6e8, 0,       0,         true,  false, false},
  {HighlightRole::MotionG,          0xffc62828, 0xffff8a80, 0,       0,         true,  false, false},
  {HighlightRole::GCode,            0xffa04800, 0xffffb74d, 0,       0,         false, false, false},
  {HighlightRole::MCode,            0xff1552b0, 0xff90c4f9, 0,       0,         false, false, false},
  {HighlightRole::Coordinate,       0xff1b6e20, 0xff9cd89f, 0,       0,         false, false, false},
  {HighlightRole::FeedSpeedTool,    0xff00727d, 0xff7fdde8, 0,       0,         false, false, false},
  {HighlightRole::Variable,         0xff6d4c41, 0xffd2b8ae, 0,       0,         false, false, false},
  {HighlightRole::Comment,          0xff707000, 0xffc8c88a, 0,       0,         false, true,  false},
  {HighlightRole::OpenComment,      0xff707000, 0xffc8c88a, 0,       0,         false, true,  true},
  {HighlightRole::HeaderComment,    0xff0d2a8a, 0xffa9b4f0, 0,       0,         true,  false, false},
  {HighlightRole::Keyword,          0xffad1457, 0xfff48fb1, 0,       0,         true,  false, false},
  {HighlightRole::Unknown,          0xffb71c1c, 0xffffb4ab, 0xffffe4e1, 0xff5c1a1a, false, false, true},
};
// clang-format on

// A background darker than this (0..255) takes the dark set.
constexpr int kDarkBelowLightness = 128;

}  // namespace

HighlightRole RoleOf(const quillon::Token& token) {
  if (token.value == quillon::ValueKind::Malformed) return HighlightRole::Unknown;
  switch (token.kind) {
    case TokenKind::SequenceNumber:
      return HighlightRole::SequenceNumber;
    case TokenKind::SequenceName:
    case TokenKind::ProgramName:
    case TokenKind::CallTarget:
    case TokenKind::LabelReference:
    case TokenKind::Name:
      return HighlightRole::Label;
    case TokenKind::MotionG:
      return HighlightRole::MotionG;
    case TokenKind::GCode:
      return HighlightRole::GCode;
    case TokenKind::MCode:
      return HighlightRole::MCode;
    case TokenKind::Coordinate:
      return HighlightRole::Coordinate;
    case TokenKind::FeedSpeedTool:
      return HighlightRole::FeedSpeedTool;
    case TokenKind::NoexWord:
    case TokenKind::VariableWord:
    case TokenKind::Variable:
      return HighlightRole::Variable;
    case TokenKind::Comment:
      return HighlightRole::Comment;
    case TokenKind::OpenComment:
      return HighlightRole::OpenComment;
    case TokenKind::HeaderComment:
      return HighlightRole::HeaderComment;
    case TokenKind::Keyword:
    case TokenKind::BlockSkip:
    case TokenKind::Continuation:
    case TokenKind::Percent:
      return HighlightRole::Keyword;
    case TokenKind::Unknown:
      return HighlightRole::Unknown;
    default:
      return HighlightRole::Plain;
  }
}

NcHighlighter::NcHighlighter(QPlainTextEdit& edit) : QSyntaxHighlighter(edit.document()), m_edit(edit) {
  setObjectName(QStringLiteral("NcHighlighter"));
  pickColours();
  m_edit.installEventFilter(this);
}

void NcHighlighter::pickColours() {
  m_dark = m_edit.palette().color(QPalette::Base).lightness() < kDarkBelowLightness;
  for (const RoleStyle& style : kRoleStyles) {
    QTextCharFormat f;
    const QRgb fg = m_dark ? style.dark : style.light;
    const QRgb bg = m_dark ? style.darkBackground : style.lightBackground;
    if (fg) f.setForeground(QColor::fromRgba(fg));
    if (bg) f.setBackground(QColor::fromRgba(bg));
    if (style.bold) f.setFontWeight(QFont::Bold);
    if (style.italic) f.setFontItalic(true);
    if (style.wave) {
      f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
      f.setUnderlineColor(QColor::fromRgba(m_dark ? 0xffff5252 : 0xffd50000));
    }
    m_formats[static_cast<std::size_t>(style.role)] = f;
  }
}

bool NcHighlighter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &m_edit && event->type() == QEvent::PaletteChange) {
    const bool wasDark = m_dark;
    pickColours();
    if (wasDark != m_dark) rehighlight();
  }
  return QSyntaxHighlighter::eventFilter(watched, event);
}

void NcHighlighter::highlightBlock(const QString& text) {
  ++m_blocks;
  m_line = QtToProgramText(text);
  const std::vector<quillon::Token>& tokens = m_lexer.lex(m_line);
  // Neighbouring tokens of one role get one format range.
  HighlightRole role = HighlightRole::Plain;
  int from = 0, to = 0;
  auto flush = [&] {
    if (role != HighlightRole::Plain && to > from) setFormat(from, to - from, format(role));
  };
  for (const quillon::Token& t : tokens) {
    const HighlightRole r = RoleOf(t);
    const int start = static_cast<int>(t.start), end = static_cast<int>(t.end());
    if (r == role && start == to) {
      to = end;
      continue;
    }
    flush();
    role = r;
    from = start;
    to = end;
  }
  flush();
}
