#pragma once
// Jumps that follow their lines through a renumbering: a GOTO N… or IF […] N…
// that pointed at a line before the run points at the same line after it.
// The run itself does not change: the text before and after it, line by
// line, tell which number each line carried and carries now.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/document_edit.h"
#include "program/nc_lexer.h"

namespace quillon {

// The number a line carries: its first word, after blanks and tabs, when
// that is N and digits. The digits without their leading zeros ("0" for
// N000), so N1, N001 and N0001 are one number.
std::optional<std::string_view> CarriedNumber(std::string_view line);
// The carried word itself ("N0012"); empty when the line carries none.
std::string_view CarriedWord(std::string_view line);

class JumpFollower {
 public:
  // First pass, every line in order: as it was and as the run wrote it.
  void noteLine(std::string_view before, std::string_view after);
  // Second pass, the written lines in the same order (lineNumber from 1):
  // appends the line with each jump to a line that now carries another
  // number rewritten to that number. A jump to a number no line carried, or
  // several did, stays and is noted.
  void rewriteLine(std::string_view line, std::size_t lineNumber, std::string& out);

  std::size_t updated() const { return m_updated; }
  const std::vector<std::string>& notes() const { return m_notes; }
  // "N jump references updated." and the notes, one a line.
  std::string report() const;

 private:
  struct Target {
    std::size_t carriers = 0;
    std::string word;  // what the (one) carrier carries now; empty: nothing
  };
  std::unordered_map<std::string, Target> m_targets;
  LineLexer m_lexer;
  std::size_t m_updated = 0;
  std::vector<std::string> m_notes;
};

struct FollowedJumps {
  std::string text;
  std::size_t updated = 0;
  std::vector<std::string> notes;
  std::string report;
};

// Both passes over a whole text before and after a run that kept its line
// count ("\n" separates lines).
FollowedJumps FollowJumps(std::string_view before, std::string_view after);

}  // namespace quillon
