// The page layout of printed listings, measured with a fixed-pitch font so
// every position follows by hand: each character is 2 mm wide.
#include "document/print_layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "document/date_text.h"

namespace quillon {
namespace {

constexpr double kCharMm = 2.0;
const TextWidthMm kFixedPitch = [](std::string_view s) { return kCharMm * static_cast<double>(s.size()); };

// A small page: 60 x 40 mm printable, 4 mm lines, left margin 10.
// LineHeight 4, LinesPerPage floor(40/4) = 10, PrintWidth 60, the text starts
// at y = 4*4 = 16 and a new column/page starts once y > (10-1)*4 = 36.
PrintPageSetup SmallPage(int printLineNo = 1) {
  PrintPageSetup s;
  s.printableWidthMm = 60;
  s.printableHeightMm = 40;
  s.textHeightMm = 4;
  s.leftMerge = 10;
  s.rightMerge = 0;
  s.printLineNo = printLineNo;
  return s;
}

constexpr std::size_t kHeaderItems = 3;

std::vector<PrintText> BodyLines(const PrintPage& page) {
  return {page.texts.begin() + kHeaderItems, page.texts.end()};
}

std::string Digits(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('0' + i % 10);
  return s;
}

// ---------------------------------------------------------------------------
struct MetricsCase {
  const char* name;
  double width, height, textHeight;
  int left, right, lineNo;
  int lineHeight, linesPerPage, printWidth, usable;
};

class PrintMetricsTest : public ::testing::TestWithParam<MetricsCase> {};

// Guards against rounding the page values the wrong way (halves go to even)
// and against a zero line height that would never leave the first line.
TEST_P(PrintMetricsTest, ComputesPageValues) {
  const auto& c = GetParam();
  PrintPageSetup s{c.width, c.height, c.textHeight, c.left, c.right, c.lineNo};
  PrintMetrics m = ComputePrintMetrics(s);
  EXPECT_EQ(m.lineHeight, c.lineHeight);
  EXPECT_EQ(m.linesPerPage, c.linesPerPage);
  EXPECT_EQ(m.printWidth, c.printWidth);
  EXPECT_EQ(m.usableWidth, c.usable);
  EXPECT_GE(m.lineAdvance, kMinPrintLineHeightMm);
}

INSTANTIATE_TEST_SUITE_P(Pages, PrintMetricsTest,
                         ::testing::Values(
                             // 4.5 -> 4 (even); floor(277/4) = 69; 190.5 -> 190 (even); 190 - 10 = 180
                             MetricsCase{"HalfMillimetreRoundsDownToEven", 190.5, 277, 4.5, 10, 0, 1, 4, 69, 190, 180},
                             // 5.5 -> 6 (even); floor(277/6) = 46; 191.5 -> 192
                             MetricsCase{"HalfMillimetreRoundsUpToEven", 191.5, 277, 5.5, 10, 0, 1, 6, 46, 192, 182},
                             // 190 - 15 = 175; usable 175 - 20 = 155
                             MetricsCase{"RightMarginComesOffTheWidth", 190, 277, 4, 20, 15, 1, 4, 69, 175, 155},
                             // (190 - 10) / 2 - 1 = 89
                             MetricsCase{"TwoColumnsHalveTheWidthLessOne", 190, 277, 4, 10, 0, 2, 4, 69, 190, 89},
                             // (190 - 15) / 2 - 1 = 86.5 -> 86
                             MetricsCase{"TwoColumnWidthRoundsHalfToEven", 190, 277, 4, 15, 0, 2, 4, 69, 190, 86},
                             // 0.3 would round to 0 mm; held at 1 mm, floor(40/1) = 40
                             MetricsCase{"TinyFontKeepsOneMillimetre", 60, 40, 0.3, 10, 0, 1, 1, 40, 60, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Guards against a missing header or rule on a listing with no text.
TEST(PrintLayoutTest, EmptyDocumentPrintsOnePageWithHeaderAndRule) {
  PrintLayout l = LayoutListing(SmallPage(), kFixedPitch, "Untitled1", "2004.07.17", "");
  ASSERT_EQ(l.pages.size(), 1u);
  const PrintPage& p = l.pages[0];
  ASSERT_EQ(p.texts.size(), kHeaderItems);
  // Date at LeftMerge, y = LineHeight = 4.
  EXPECT_EQ(p.texts[0].text, "2004.07.17");
  EXPECT_DOUBLE_EQ(p.texts[0].x, 10);
  EXPECT_DOUBLE_EQ(p.texts[0].y, 4);
  // Caption 9 chars = 18 mm: x = (60 - 18) / 2 + 10 = 31.
  EXPECT_EQ(p.texts[1].text, "Untitled1");
  EXPECT_DOUBLE_EQ(p.texts[1].x, 31);
  EXPECT_DOUBLE_EQ(p.texts[1].y, 4);
  // "Page 1" 6 chars = 12 mm: x = 60 - 12 = 48.
  EXPECT_EQ(p.texts[2].text, "Page 1");
  EXPECT_DOUBLE_EQ(p.texts[2].x, 48);
  // Rule at 2.2 * 4 = 8.8 from LeftMerge to PrintWidth.
  ASSERT_EQ(p.rules.size(), 1u);
  EXPECT_DOUBLE_EQ(p.rules[0].x1, 10);
  EXPECT_DOUBLE_EQ(p.rules[0].x2, 60);
  EXPECT_DOUBLE_EQ(p.rules[0].y1, 8.8);
  EXPECT_DOUBLE_EQ(p.rules[0].y2, 8.8);
}

// ---------------------------------------------------------------------------
struct WrapCase {
  const char* name;
  std::string text;
  std::vector<std::string> lines;  // printed lines of page 1, top to bottom
  std::vector<double> ys;
};

class PrintWrapTest : public ::testing::TestWithParam<WrapCase> {};

// Guards against lines running into the right edge, against losing the
// character at a break, and against wrapping the final line that has no line end.
// One column: W = 60 - 10 = 50; i characters fit while 2i + 10 <= 50, so 20 per line.
TEST_P(PrintWrapTest, BreaksLinesAtTheUsableWidth) {
  const auto& c = GetParam();
  PrintLayout l = LayoutListing(SmallPage(), kFixedPitch, "A", "D", c.text);
  ASSERT_EQ(l.pages.size(), 1u);
  auto body = BodyLines(l.pages[0]);
  ASSERT_EQ(body.size(), c.lines.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    EXPECT_EQ(body[i].text, c.lines[i]) << i;
    EXPECT_DOUBLE_EQ(body[i].x, 10) << i;
    EXPECT_DOUBLE_EQ(body[i].y, c.ys[i]) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PrintWrapTest,
    ::testing::Values(
        WrapCase{"ShortLinesOneEach", "G00\nX1\n", {"G00", "X1"}, {16, 20}},
        WrapCase{"EmptyLineKeepsItsPlace", "A\n\nB\n", {"A", "B"}, {16, 24}},
        // 2*20 + 10 = 50 is not more than 50: the whole line fits.
        WrapCase{"LineThatJustFitsIsWhole", Digits(20) + "\n", {Digits(20)}, {16}},
        WrapCase{"OneCharacterTooManyBreaks", Digits(21) + "\nX\n", {Digits(20), "0", "X"}, {16, 20, 24}},
        // 45 = 20 + 20 + 5, continuing from the first character that did not fit.
        WrapCase{"LongLineContinuesOnNextLines",
                 Digits(45) + "\n",
                 {Digits(20), Digits(40).substr(20), Digits(45).substr(40)},
                 {16, 20, 24}},
        WrapCase{"LastLineWithoutLineEndIsWhole", "G00\n" + Digits(45), {"G00", Digits(45)}, {16, 20}},
        // The first pass still breaks; once no line end is left the rest goes whole.
        WrapCase{"SingleLineWithoutLineEndBreaksOnce", Digits(45), {Digits(20), Digits(45).substr(20)}, {16, 20}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
std::string NumberedLines(int count) {
  std::string t;
  for (int i = 1; i <= count; ++i) t += (i < 10 ? "L0" : "L") + std::to_string(i) + "\n";
  return t;
}

// Guards against the second column or the next page starting too early or
// too late: lines start at y = 16, 20, ..., 36 (36 is not past the limit 36),
// so a column holds six lines.
TEST(PrintLayoutTest, TwoColumnsFillColumnOneThenTwoThenANewPage) {
  PrintLayout l = LayoutListing(SmallPage(2), kFixedPitch, "A", "D", NumberedLines(14));
  ASSERT_EQ(l.pages.size(), 2u);
  auto p1 = BodyLines(l.pages[0]);
  ASSERT_EQ(p1.size(), 12u);
  for (int i = 0; i < 12; ++i) {
    const int column = i / 6;
    // Column 2 at x = 60/2 + 10 + 1 = 41.
    EXPECT_DOUBLE_EQ(p1[i].x, column == 0 ? 10 : 41) << i;
    EXPECT_DOUBLE_EQ(p1[i].y, 16 + 4 * (i % 6)) << i;
  }
  EXPECT_EQ(p1[5].text, "L06");
  EXPECT_EQ(p1[6].text, "L07");
  EXPECT_EQ(p1[11].text, "L12");
  auto p2 = BodyLines(l.pages[1]);
  ASSERT_EQ(p2.size(), 2u);
  EXPECT_EQ(p2[0].text, "L13");
  EXPECT_DOUBLE_EQ(p2[0].x, 10);
  EXPECT_DOUBLE_EQ(p2[0].y, 16);
  EXPECT_EQ(l.pages[1].texts[2].text, "Page 2");
}

// Guards against the page number losing its right alignment as it grows.
TEST(PrintLayoutTest, ThirdPageHeaderReadsPage3RightAligned) {
  // One column, six lines a page: 14 lines = 6 + 6 + 2.
  PrintLayout l = LayoutListing(SmallPage(1), kFixedPitch, "O1000.MIN", "2004.07.17", NumberedLines(14));
  ASSERT_EQ(l.pages.size(), 3u);
  const PrintPage& p3 = l.pages[2];
  EXPECT_EQ(p3.number, 3);
  EXPECT_EQ(p3.texts[0].text, "2004.07.17");
  EXPECT_EQ(p3.texts[1].text, "O1000.MIN");
  EXPECT_EQ(p3.texts[2].text, "Page 3");
  // 6 chars = 12 mm, right edge at PrintWidth 60.
  EXPECT_DOUBLE_EQ(p3.texts[2].x, 48);
  EXPECT_EQ(p3.rules.size(), 1u);
  auto body = BodyLines(p3);
  ASSERT_EQ(body.size(), 2u);
  EXPECT_EQ(body[1].text, "L14");
}

// ---------------------------------------------------------------------------
// Guards against the endless print loop: a column narrower than the reserve
// plus one character, and a font whose line height rounds to 0.
TEST(PrintLayoutTest, TooNarrowColumnStillPrintsOneCharacterPerLine) {
  PrintPageSetup s = SmallPage();
  s.printableWidthMm = 15;  // W = 15 - 10 = 5, less than the 10 mm reserve
  PrintLayout l = LayoutListing(s, kFixedPitch, "A", "D", "ABC\n");
  ASSERT_EQ(l.pages.size(), 1u);
  auto body = BodyLines(l.pages[0]);
  ASSERT_EQ(body.size(), 3u);
  EXPECT_EQ(body[0].text, "A");
  EXPECT_EQ(body[1].text, "B");
  EXPECT_EQ(body[2].text, "C");
}

TEST(PrintLayoutTest, LineHeightRoundingToZeroStillMovesDown) {
  PrintPageSetup s = SmallPage();
  s.textHeightMm = 0.2;
  // LineHeight 1: lines at y = 4 .. 39 (limit (40-1)*1 = 39), 36 a page;
  // 100 lines = 36 + 36 + 28 on three pages.
  std::string text;
  for (int i = 0; i < 100; ++i) text += "X\n";
  PrintLayout m = LayoutListing(s, kFixedPitch, "A", "D", text);
  ASSERT_EQ(m.pages.size(), 3u);
  EXPECT_EQ(BodyLines(m.pages[0]).size(), 36u);
  EXPECT_EQ(BodyLines(m.pages[2]).size(), 28u);
  EXPECT_DOUBLE_EQ(BodyLines(m.pages[0]).back().y, 39);
}

// Guards against margins from an old settings file overflowing the page
// arithmetic: they are held at +-10000 mm. PrintWidth = 60 - 10000 = -9940,
// usable width = -9940 - (-10000) = 60, so 2i + 10 <= 60 gives 25 characters a line.
TEST(PrintLayoutTest, ExtremeStoredMarginsAreHeld) {
  PrintPageSetup s = SmallPage();
  s.leftMerge = std::numeric_limits<int>::min();
  s.rightMerge = std::numeric_limits<int>::max();
  PrintLayout m = LayoutListing(s, kFixedPitch, "A", "D", Digits(30) + "\n");
  EXPECT_EQ(m.metrics.printWidth, -9940);
  EXPECT_EQ(m.metrics.usableWidth, 60);
  ASSERT_EQ(m.pages.size(), 1u);
  const auto lines = BodyLines(m.pages[0]);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, Digits(25));
  EXPECT_DOUBLE_EQ(lines[0].x, -10000);
}

// ---------------------------------------------------------------------------
struct MarginCase {
  const char* name;
  const char* entry;
  int value;
};

class MarginEntryTest : public ::testing::TestWithParam<MarginCase> {};

// Guards against margins that are not whole millimetres or fail on bad text.
TEST_P(MarginEntryTest, ReadsWholeMillimetres) { EXPECT_EQ(MarginFromEntry(GetParam().entry), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Entries, MarginEntryTest,
                         ::testing::Values(MarginCase{"Whole", "12", 12}, MarginCase{"HalfToEvenDown", "12.5", 12},
                                           MarginCase{"HalfToEvenUp", "13.5", 14}, MarginCase{"Fraction", "7.6", 8},
                                           MarginCase{"LeadingNumberOnly", "7mm", 7},
                                           MarginCase{"NotANumber", "abc", 0}, MarginCase{"Empty", "", 0},
                                           // Beyond int once rounded: held at 10 m instead of wrapping around.
                                           MarginCase{"HugeHeld", "99999999999", 10000},
                                           MarginCase{"HugeNegativeHeld", "-99999999999", -10000}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
struct DateCase {
  const char* name;
  CalendarDate date;
  const char* header;
  const char* inserted;
};

class DateTextTest : public ::testing::TestWithParam<DateCase> {};

// Guards against single-digit months and days losing their leading zero.
TEST_P(DateTextTest, WritesDotDates) {
  const auto& c = GetParam();
  EXPECT_EQ(FormatDotDate(c.date), c.header);
  EXPECT_EQ(InsertDateText(c.date), c.inserted);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateTextTest,
                         ::testing::Values(DateCase{"Summer", {2004, 7, 17}, "2004.07.17", "DATE : 2004.07.17\n"},
                                           DateCase{
                                               "FirstOfFebruary", {2004, 2, 1}, "2004.02.01", "DATE : 2004.02.01\n"},
                                           DateCase{"YearEnd", {2025, 12, 31}, "2025.12.31", "DATE : 2025.12.31\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillon
