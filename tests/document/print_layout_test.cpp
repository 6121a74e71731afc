// The page layout of printed listings, measured with a fixed-pitch font so every position follows by hand: each
// character is 2 mm wide.
#include "document/print_layout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "document/date_text.h"
#include "support/case_suite.h"

namespace quillon {
namespace {

using Texts = std::vector<std::string>;

constexpr double kCharMm = 2.0;
const TextWidthMm kFixedPitch = [](std::string_view s) { return kCharMm * static_cast<double>(s.size()); };
constexpr std::size_t kHeaderItems = 3;

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

// A small page: 60 x 40 mm printable, 4 mm lines, left margin 10 (see print_pages.txt).
const PrintPageSetup kSmallPage{60, 40, 4, 10, 0, 1};

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

QUILLON_CASE_SUITE(Pages, PrintMetricsTest, MetricsCase, 11, "document/cases/print_metrics.txt");

struct WrapCase {
  std::string name, text, body;  // body: printed lines of page 1, top to bottom, as "text@x,y", '|'-joined
};

// Guards against lines running into the right edge, against losing the character at a break, and against wrapping the
// final line that has no line end. One column: W = 60 - 10 = 50; i characters fit while 2i + 10 <= 50, so 20 per line.
class PrintWrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(PrintWrapTest, BreaksLinesAtTheUsableWidth) {
  const PrintLayout l = LayoutListing(kSmallPage, kFixedPitch, "A", "D", GetParam().text);
  ASSERT_EQ(l.pages.size(), 1u);
  EXPECT_EQ(Body(l.pages[0]), testing_support::SplitList(GetParam().body));
}

QUILLON_CASE_SUITE(Lines, PrintWrapTest, WrapCase, 3, "document/cases/print_wrap.txt");

struct PageCase {
  std::string name;
  double width, height, textHeight;
  int left, right, columns;
  std::string caption, date, text;
  std::size_t pages, page, from;
  std::string texts, rules;  // see the case file
};

// Guards against a header, rule, column or page break in the wrong place, the print loop never moving on, and stored
// margins overflowing the page arithmetic (each row's reason is in the case file).
class PrintPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(PrintPageTest, PlacesThePage) {
  const auto& c = GetParam();
  const PrintLayout l = LayoutListing({c.width, c.height, c.textHeight, c.left, c.right, c.columns}, kFixedPitch,
                                      c.caption, c.date, c.text);
  ASSERT_EQ(l.pages.size(), c.pages);
  const PrintPage& page = l.pages[c.page - 1];
  EXPECT_EQ(page.number, static_cast<int>(c.page));
  EXPECT_EQ(Placed(page, c.from), testing_support::SplitList(c.texts));
  if (c.rules == "-") return;
  Texts rules;
  for (const PrintRule& r : page.rules) {
    std::ostringstream s;
    s << r.x1 << ',' << r.y1 << '>' << r.x2 << ',' << r.y2;
    rules.push_back(s.str());
  }
  EXPECT_EQ(rules, testing_support::SplitList(c.rules));
}

QUILLON_CASE_SUITE(Pages, PrintPageTest, PageCase, 15, "document/cases/print_pages.txt");

struct MarginCase {
  std::string name, entry;
  int value;
};

// Guards against margins that are not whole millimetres or fail on bad text.
class MarginEntryTest : public ::testing::TestWithParam<MarginCase> {};

TEST_P(MarginEntryTest, ReadsWholeMillimetres) { EXPECT_EQ(MarginFromEntry(GetParam().entry), GetParam().value); }

QUILLON_CASE_SUITE(Entries, MarginEntryTest, MarginCase, 3, "document/cases/margin_entries.txt");

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

QUILLON_CASE_SUITE(Dates, DateTextTest, DateCase, 6, "document/cases/dates.txt");

}  // namespace
}  // namespace quillon
