#pragma once
// Colours a document by the lexer's token kinds, one block (line) at a time:
// a keystroke re-lexes and re-colours only the line it changed. The colours
// come from one table with a set for light and one for dark palettes,
// chosen by the lightness of the text control's background.
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <array>

#include "program/nc_lexer.h"

class QPlainTextEdit;

// What a token is shown as.
enum class HighlightRole {
  Plain,           // no format of its own
  SequenceNumber,  // N000, N0050
  Label,           // names and labels: NT05, OUGC, the CALL and GOTO targets, TLID
  MotionG,         // G00..G03
  GCode,           // other G codes
  MCode,
  Coordinate,     // X Z Y C A B
  FeedSpeedTool,  // F S T
  Variable,       // variables and NOEX lines
  Comment,
  OpenComment,    // a comment without its ")"
  HeaderComment,  // (-----< TITLE >-----), bold
  Keyword,
  Unknown,  // unknown tokens and words whose number is malformed
};
inline constexpr int kHighlightRoles = static_cast<int>(HighlightRole::Unknown) + 1;

HighlightRole RoleOf(const quillon::Token& token);

class NcHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  // Colours edit's document and follows edit's palette.
  explicit NcHighlighter(QPlainTextEdit& edit);

  bool darkColours() const { return m_dark; }
  const QTextCharFormat& format(HighlightRole role) const { return m_formats[static_cast<std::size_t>(role)]; }
  // How many times a block was coloured (tests count them).
  long long highlightedBlocks() const { return m_blocks; }

 protected:
  void highlightBlock(const QString& text) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void pickColours();

  QPlainTextEdit& m_edit;
  bool m_dark = false;
  std::array<QTextCharFormat, kHighlightRoles> m_formats;
  quillon::LineLexer m_lexer;
  std::string m_line;
  long long m_blocks = 0;
};
