#pragma once
// The page layout of a printed listing, computed without a printer: the
// caller measures text in millimetres, this decides where every header item,
// rule and program line goes. The printer side only draws the result, so a
// PDF file and paper get the same pages.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A line reserve of this much keeps wrapped lines clear of the right edge.
inline constexpr double kPrintWrapReserveMm = 10.0;
// A font so small that its line rounds to 0 mm would never move down the page.
inline constexpr double kMinPrintLineHeightMm = 1.0;
// No sheet is ten metres wide: a margin beyond this is a slip of the keyboard,
// and holding it here keeps the millimetre arithmetic inside int.
inline constexpr int kMaxPrintMarginMm = 10000;

struct PrintPageSetup {
  double printableWidthMm = 0;  // printable area of the page, as the printer reports it
  double printableHeightMm = 0;
  double textHeightMm = 0;  // height of one text line ("A") in the print font
  int leftMerge = 10;       // millimetres
  int rightMerge = 0;       // millimetres
  int printLineNo = 1;      // 2: two columns; anything else: one
};

// Width in millimetres of a text printed in the print font.
using TextWidthMm = std::function<double(std::string_view)>;

struct PrintMetrics {
  int lineHeight = 0;      // text height rounded to whole mm, never below 1
  int linesPerPage = 0;    // whole printable height / lineHeight
  int printWidth = 0;      // right edge of the printed area, from the printable area's left edge
  int usableWidth = 0;     // width a program line may fill in one column
  double lineAdvance = 0;  // how far each printed line moves down (one text line, at least 1 mm)
};

struct PrintText {
  double x = 0;  // mm from the printable area's left edge
  double y = 0;  // mm from its top edge to the top of the text line
  std::string text;
};

struct PrintRule {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct PrintPage {
  int number = 1;
  std::vector<PrintText> texts;  // header items first, then the program lines in print order
  std::vector<PrintRule> rules;
};

struct PrintLayout {
  PrintMetrics metrics;
  std::vector<PrintPage> pages;
};

// Halves go to the even neighbour, as the printer's unit conversions round.
// Values beyond int stop at its limits.
int RoundHalfEven(double value);

// A margin entry box: its leading number rounded to whole millimetres, held
// within +-kMaxPrintMarginMm; text that is not a number gives 0.
int MarginFromEntry(std::string_view entry);

PrintMetrics ComputePrintMetrics(const PrintPageSetup& setup);

// Every page of the listing of text ("\n" line ends): each page starts with
// the header (date at the left margin, caption, "Page n" right-aligned) and
// the rule under it; program lines wrap at the usable width and fill one
// column, or two columns side by side, before a new page begins.
PrintLayout LayoutListing(const PrintPageSetup& setup, const TextWidthMm& textWidth, std::string_view caption,
                          std::string_view date, std::string_view text);

}  // namespace quillon
