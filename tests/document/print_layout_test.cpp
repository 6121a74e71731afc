// The page layout of printed listings, measured with a fixed-pitch font so every position follows by hand: each
// character is 2 mm wide.
#include "document/print_layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "app/case_lists.h"
#include "document/date_text.h"
#include "support/case_file.h"
#include "support/param_name.h"

namespace quillon {
namespace {

using Texts = std::vector<std::string>;

constexpr double kCharMm = 2.0;
const TextWidthMm kFixedPitch = [](std::string_view s) { return kCharMm * static_cast<double>(s.size()); };
constexpr std::size_t kHeaderItems = 3;

// A small page: 60 x 40 mm printable, 4 mm lines, left margin 10. LineHeight 4, LinesPerPage floor(40/4) = 10,
// PrintWidth 60, the text starts at y = 4*4 = 16 and a new column/page starts once y > (10-1)*4 = 36.
PrintPageSetup SmallPage(int printLineNo = 1) { return {60, 40, 4, 10, 0, printLineNo}; }

// The texts of a page from item `from` on, each as "text@x,y".
Texts Placed(const PrintPage& page, std::size_t from = 0) {
  Texts out;
  for (std::size_t i = from; i < page.texts.size(); ++i) {
    std::ostringstream s;
    s << page.texts[i].text << '@' << page.texts[i].x << ',' << page.texts[i].y;
    out.push_back(s.str());
  }
  return out;
}
Texts Body(const PrintPage& page) { return Placed(page, kHeaderItems); }

std::string Digits(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('0' + i % 10);
  return s;
}

std::string NumberedLines(int count) {
  std::string t;
  for (int i = 1; i <= count; ++i) t += (i < 10 ? "L0" : "L") + std::to_string(i) + "\n";
  return t;
}

struct MetricsCase {
  std::string name;
  double width, height, textHeight;
  int left, right, lineNo;
  int lineHeight, linesPerPage, printWidth, usable;
};

// Guards against rounding the page values the wrong way (halves go to even) and against a zero line height that would
// never leave the first line.
class PrintMetricsTest : public ::testing::TestWithParam<MetricsCase> {};

TEST_P(PrintMetricsTest, ComputesPageValues) {
  const auto& c = GetParam();
  const PrintMetrics m = ComputePrintMetrics({c.width, c.height, c.textHeight, c.left, c.right, c.lineNo});
  EXPECT_EQ((std::vector<int>{m.lineHeight, m.linesPerPage, m.printWidth, m.usableWidth}),
            (std::vector<int>{c.lineHeight, c.linesPerPage, c.printWidth, c.usable}));
  EXPECT_GE(m.lineAdvance, kMinPrintLineHeightMm);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintMetricsTest,
    ::testing::ValuesIn(testing_support::LoadCases<MetricsCase, 11>("document/cases/print_metrics.txt")),
    testing_support::kRowName);

// Guards against a missing header or rule on a listing with no text.
TEST(PrintLayoutTest, EmptyDocumentPrintsOnePageWithHeaderAndRule) {
  const PrintLayout l = LayoutListing(SmallPage(), kFixedPitch, "Untitled1", "2004.07.17", "");
  ASSERT_EQ(l.pages.size(), 1u);
  // Date at LeftMerge, y = LineHeight = 4; caption 9 chars = 18 mm at (60 - 18) / 2 + 10 = 31; "Page 1" 6 chars = 12 mm
  // ends at PrintWidth: 60 - 12 = 48.
  EXPECT_EQ(Placed(l.pages[0]), (Texts{"2004.07.17@10,4", "Untitled1@31,4", "Page 1@48,4"}));
  // Rule at 2.2 * 4 = 8.8 from LeftMerge to PrintWidth.
  ASSERT_EQ(l.pages[0].rules.size(), 1u);
  const PrintRule& r = l.pages[0].rules[0];
  EXPECT_EQ((std::vector<double>{r.x1, r.x2}), (std::vector<double>{10, 60}));
  EXPECT_DOUBLE_EQ(r.y1, 8.8);
  EXPECT_DOUBLE_EQ(r.y2, 8.8);
}

struct WrapCase {
  std::string name, text, body;  // body: printed lines of page 1, top to bottom, as "text@x,y", '|'-joined
};

// Guards against lines running into the right edge, against losing the character at a break, and against wrapping the
// final line that has no line end. One column: W = 60 - 10 = 50; i characters fit while 2i + 10 <= 50, so 20 per line.
class PrintWrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(PrintWrapTest, BreaksLinesAtTheUsableWidth) {
  const PrintLayout l = LayoutListing(SmallPage(), kFixedPitch, "A", "D", GetParam().text);
  ASSERT_EQ(l.pages.size(), 1u);
  EXPECT_EQ(Body(l.pages[0]), testing_support::SplitList(GetParam().body));
}

INSTANTIATE_TEST_SUITE_P(Lines, PrintWrapTest,
                         ::testing::ValuesIn(testing_support::LoadCases<WrapCase, 3>("document/cases/print_wrap.txt")),
                         testing_support::kRowName);

// Guards against the second column or the next page starting too early or too late: lines start at y = 16, 20, ..., 36
// (36 is not past the limit 36), so a column holds six lines; column 2 starts at x = 60/2 + 10 + 1 = 41.
TEST(PrintLayoutTest, TwoColumnsFillColumnOneThenTwoThenANewPage) {
  const PrintLayout l = LayoutListing(SmallPage(2), kFixedPitch, "A", "D", NumberedLines(14));
  ASSERT_EQ(l.pages.size(), 2u);
  Texts first;
  for (int i = 1; i <= 12; ++i) {
    const int y = 16 + 4 * ((i - 1) % 6);
    first.push_back((i < 10 ? "L0" : "L") + std::to_string(i) + (i <= 6 ? "@10," : "@41,") + std::to_string(y));
  }
  EXPECT_EQ(Body(l.pages[0]), first);
  EXPECT_EQ(Body(l.pages[1]), (Texts{"L13@10,16", "L14@10,20"}));
  EXPECT_EQ(l.pages[1].texts[2].text, "Page 2");
}

// Guards against the page number losing its right alignment as it grows.
TEST(PrintLayoutTest, ThirdPageHeaderReadsPage3RightAligned) {
  // One column, six lines a page: 14 lines = 6 + 6 + 2. "O1000.MIN" is 18 mm: (60 - 18) / 2 + 10 = 31; "Page 3" 12 mm
  // ends at PrintWidth 60.
  const PrintLayout l = LayoutListing(SmallPage(1), kFixedPitch, "O1000.MIN", "2004.07.17", NumberedLines(14));
  ASSERT_EQ(l.pages.size(), 3u);
  EXPECT_EQ(l.pages[2].number, 3);
  EXPECT_EQ(Placed(l.pages[2]), (Texts{"2004.07.17@10,4", "O1000.MIN@31,4", "Page 3@48,4", "L13@10,16", "L14@10,20"}));
  EXPECT_EQ(l.pages[2].rules.size(), 1u);
}

// Guards against the endless print loop: a column narrower than the reserve plus one character, and a font whose line
// height rounds to 0.
TEST(PrintLayoutTest, PrintLoopAlwaysMovesOn) {
  PrintPageSetup narrow = SmallPage();
  narrow.printableWidthMm = 15;  // W = 15 - 10 = 5, less than the 10 mm reserve: one character a line
  const PrintLayout n = LayoutListing(narrow, kFixedPitch, "A", "D", "ABC\n");
  ASSERT_EQ(n.pages.size(), 1u);
  EXPECT_EQ(Body(n.pages[0]), (Texts{"A@10,16", "B@10,20", "C@10,24"}));

  PrintPageSetup tiny = SmallPage();
  tiny.textHeightMm = 0.2;
  // LineHeight 1: lines at y = 4 .. 39 (limit (40-1)*1 = 39), 36 a page; 100 lines = 36 + 36 + 28.
  std::string text;
  for (int i = 0; i < 100; ++i) text += "X\n";
  const PrintLayout t = LayoutListing(tiny, kFixedPitch, "A", "D", text);
  ASSERT_EQ(t.pages.size(), 3u);
  EXPECT_EQ(Body(t.pages[0]).size(), 36u);
  EXPECT_EQ(Body(t.pages[0]).back(), "X@10,39");
  EXPECT_EQ(Body(t.pages[2]).size(), 28u);
}

// Guards against margins from an old settings file overflowing the page arithmetic: they are held at +-10000 mm.
// PrintWidth = 60 - 10000 = -9940, usable width = -9940 - (-10000) = 60, so 2i + 10 <= 60 gives 25 characters a line.
TEST(PrintLayoutTest, ExtremeStoredMarginsAreHeld) {
  PrintPageSetup s = SmallPage();
  s.leftMerge = std::numeric_limits<int>::min();
  s.rightMerge = std::numeric_limits<int>::max();
  const PrintLayout m = LayoutListing(s, kFixedPitch, "A", "D", Digits(30) + "\n");
  EXPECT_EQ(m.metrics.printWidth, -9940);
  EXPECT_EQ(m.metrics.usableWidth, 60);
  ASSERT_EQ(m.pages.size(), 1u);
  EXPECT_EQ(Body(m.pages[0]), (Texts{Digits(25) + "@-10000,16", "56789@-10000,20"}));
}

struct MarginCase {
  std::string name, entry;
  int value;
};

// Guards against margins that are not whole millimetres or fail on bad text.
class MarginEntryTest : public ::testing::TestWithParam<MarginCase> {};

TEST_P(MarginEntryTest, ReadsWholeMillimetres) { EXPECT_EQ(MarginFromEntry(GetParam().entry), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(
    Entries, MarginEntryTest,
    ::testing::ValuesIn(testing_support::LoadCases<MarginCase, 3>("document/cases/margin_entries.txt")),
    testing_support::kRowName);

struct DateCase {
  std::string name;
  int year, month, day;
  std::string header, inserted;
};

// Guards against single-digit months and days losing their leading zero.
class DateTextTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTextTest, WritesDotDates) {
  const CalendarDate date{GetParam().year, GetParam().month, GetParam().day};
  EXPECT_EQ(FormatDotDate(date), GetParam().header);
  EXPECT_EQ(InsertDateText(date), GetParam().inserted);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateTextTest,
                         ::testing::ValuesIn(testing_support::LoadCases<DateCase, 6>("document/cases/dates.txt")),
                         testing_support::kRowName);

}  // namespace
}  // namespace quillon
