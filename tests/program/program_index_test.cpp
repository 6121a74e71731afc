// The program index: what it finds in a program, how it follows edits, and where subprograms begin and end.
#include "program/program_index.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "program/outline.h"
#include "program/program_lines.h"
#include "support/case_file.h"
#include "support/case_suite.h"

namespace quillon {
namespace {

std::string_view KindCode(EntryKind kind) {
  static constexpr std::string_view kCodes[] = {"seq",     "name", "prog",   "call", "jump",
                                                "contour", "tool", "header", "end"};
  return kCodes[static_cast<std::size_t>(kind)];
}

// line(1-based):column:kind:text, comma separated.
std::string Dump(const ProgramIndex& index) {
  std::string s;
  for (const IndexEntry& e : index.entries()) {
    if (!s.empty()) s += ", ";
    s += std::to_string(e.line + 1) + ":" + std::to_string(e.column) + ":" + std::string(KindCode(e.kind)) + ":" +
         std::string(index.text(e));
  }
  return s;
}

struct IndexRow {
  const char* name;
  const char* text;
  std::size_t lines;
  const char* entries;
};

// Guards against entries missed, invented or given the wrong line: a tool word inside a comment, an M300 taken for M30,
// a NOEX line taken for a name, a label a GOTO jumps to not told from a contour a cycle names.
class ProgramIndexTest : public ::testing::TestWithParam<IndexRow> {};

TEST_P(ProgramIndexTest, FindsTheEntries) {
  const ProgramIndex index(GetParam().text);
  EXPECT_EQ(index.lineCount(), GetParam().lines);
  EXPECT_EQ(Dump(index), GetParam().entries);
}

QUILLON_CASE_SUITE(Programs, ProgramIndexTest, IndexRow, 4, "program/cases/index.txt");

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n')
      lines.emplace_back();
    else
      lines.back().push_back(c);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t k = 0; k < lines.size(); ++k) text += (k ? "\n" : "") + lines[k];
  return text;
}

// Guards against an edit leaving the index out of step with the text: the entries after an edit on the wrong lines,
// entries of replaced lines left behind, texts mixed up after the text store was compacted.
TEST(ProgramIndexEdits, FollowRandomEditsLikeAFreshIndex) {
  // Removed lines leave their entry texts behind until the store is compacted.
  const std::string kLongHeader = "(-----< " + std::string(2000, 'H') + " >-----)";
  struct PoolLine {
    std::string text;
  };
  std::vector<std::string> pool;
  for (const PoolLine& l : testing_support::LoadCases<PoolLine, 1>("program/cases/edit_pool.txt"))
    pool.push_back(l.text);
  pool.push_back(kLongHeader);  // last: the edits the seed draws follow this order
  std::mt19937 random(7);
  std::vector<std::string> lines = {""};
  ProgramIndex index;
  for (int step = 0; step < 3000; ++step) {
    std::uniform_int_distribution<std::size_t> at(0, lines.size()), howMany(0, 3);
    const std::size_t first = std::min(at(random), lines.size() - 1);
    const std::size_t removed = std::min(howMany(random), lines.size() - first);
    std::vector<std::string> added(howMany(random) + (removed == lines.size() ? 1 : 0));
    for (std::string& l : added) l = pool[random() % pool.size()];
    const std::vector<std::string_view> views(added.begin(), added.end());
    index.replaceLines(first, removed, views);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                lines.begin() + static_cast<std::ptrdiff_t>(first + removed));
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(first), added.begin(), added.end());
    const ProgramIndex fresh(JoinLines(lines));
    ASSERT_EQ(index.lineCount(), fresh.lineCount()) << "step " << step;
    ASSERT_EQ(Dump(index), Dump(fresh)) << "step " << step;
  }
  EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
  // About 700 kB of header titles went through the index; compaction keeps what it holds near what the text still
  // needs.
  EXPECT_LT(index.memoryBytes(), 300'000u);
}

// Guards against edits naming lines the index does not have.
TEST(ProgramIndexEdits, RefusesLinesOutsideTheText) {
  ProgramIndex index("A\nB");
  const std::string_view one[] = {"N5"};
  EXPECT_THROW(index.replaceLines(3, 0, one), std::out_of_range);
  EXPECT_THROW(index.replaceLines(1, 2, one), std::out_of_range);
  EXPECT_NO_THROW(index.replaceLines(2, 0, one));  // appending after the last line
  EXPECT_EQ(index.lineCount(), 3u);
  EXPECT_EQ(index.entriesOnLine(2).size(), 1u);
}

struct ScopeRow {
  const char* name;
  const char* text;
  const char* scopes;  // name:first-last(closed|open), 1-based
};

// Guards against labels judged in the wrong subprogram: a scope that runs past its RTS, or one without RTS that
// swallows the next subprogram.
class SubprogramScopeTest : public ::testing::TestWithParam<ScopeRow> {};

TEST_P(SubprogramScopeTest, FindsTheScopes) {
  const ProgramIndex index(GetParam().text);
  std::string s;
  for (const SubprogramScope& scope : SubprogramScopes(index)) {
    if (!s.empty()) s += ", ";
    s += std::string(index.text(index.entries()[scope.nameEntry])) + ":" + std::to_string(scope.firstLine + 1) + "-" +
         std::to_string(scope.lastLine + 1) + (scope.closed ? "closed" : "open");
  }
  EXPECT_EQ(s, GetParam().scopes);
}

QUILLON_CASE_SUITE(Programs, SubprogramScopeTest, ScopeRow, 3, "program/cases/subprogram_scopes.txt");

struct OutlineRow {
  std::string name, text, names;
  std::string outline;  // FormatOutline
};

// Guards against the Outline window listing cycle contours and frame labels as processes (or dropping a tool's NT
// name), and the command line's full list losing names.
class OutlineTest : public ::testing::TestWithParam<OutlineRow> {};

TEST_P(OutlineTest, ListsTheEntries) {
  const std::map<std::string, OutlineNames> names{{"All", OutlineNames::All},
                                                  {"ProcessStarts", OutlineNames::ProcessStarts}};
  EXPECT_EQ(FormatOutline(BuildOutline(ProgramIndex(GetParam().text), names.at(GetParam().names))), GetParam().outline);
}

QUILLON_CASE_SUITE(Names, OutlineTest, OutlineRow, 4, "program/cases/outline.txt");

struct GoToRow {
  const char* name;
  const char* text;
  std::size_t line;
  std::size_t caret;
};

// Guards against Go to line and outline clicks landing a line off, or past the end of the text.
class GoToLineTest : public ::testing::TestWithParam<GoToRow> {};

TEST_P(GoToLineTest, PutsTheCaretAtTheLineStart) {
  const DocumentEdit edit = GoToLineEdit(GetParam().text, GetParam().line);
  EXPECT_FALSE(edit.changesText);
  EXPECT_EQ(edit.caret, GetParam().caret);
  EXPECT_EQ(edit.select, (Match{GetParam().caret, 0}));
}

QUILLON_CASE_SUITE(Lines, GoToLineTest, GoToRow, 4, "program/cases/go_to_line.txt");

}  // namespace
}  // namespace quillon
