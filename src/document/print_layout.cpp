#include "document/print_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numbers/nc_number.h"

namespace quillon {

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

namespace {
int HoldMargin(int margin) { return std::clamp(margin, -kMaxPrintMarginMm, kMaxPrintMarginMm); }

// Margins read from an old settings file may be anything an int holds.
PrintPageSetup WithHeldMargins(PrintPageSetup setup) {
  setup.leftMerge = HoldMargin(setup.leftMerge);
  setup.rightMerge = HoldMargin(setup.rightMerge);
  return setup;
}
}  // namespace

int MarginFromEntry(std::string_view entry) { return HoldMargin(RoundHalfEven(ReadNumber(entry))); }

PrintMetrics ComputePrintMetrics(const PrintPageSetup& pageSetup) {
  const PrintPageSetup setup = WithHeldMargins(pageSetup);
  PrintMetrics m;
  // A rounded height of 0 would make every page hold endless lines at y = 0.
  m.lineHeight = std::max(RoundHalfEven(setup.textHeightMm), static_cast<int>(kMinPrintLineHeightMm));
  m.linesPerPage = static_cast<int>(std::floor(setup.printableHeightMm / m.lineHeight));
  m.printWidth = RoundHalfEven(setup.printableWidthMm - setup.rightMerge);
  if (setup.printLineNo == 2)
    m.usableWidth = RoundHalfEven(static_cast<double>(m.printWidth - setup.leftMerge) / 2.0 - 1.0);
  else
    m.usableWidth = m.printWidth - setup.leftMerge;
  m.lineAdvance = std::max(setup.textHeightMm, kMinPrintLineHeightMm);
  return m;
}

namespace {

class ListingWriter {
 public:
  ListingWriter(const PrintPageSetup& setup, const TextWidthMm& textWidth, std::string_view caption,
                std::string_view date)
      : m_setup(WithHeldMargins(setup)), m_width(textWidth), m_caption(caption), m_date(date) {
    m_layout.metrics = ComputePrintMetrics(m_setup);
  }

  PrintLayout run(std::string_view text) {
    const PrintMetrics& m = m_layout.metrics;
    const bool twoColumns = m_setup.printLineNo == 2;
    const double top = 4.0 * m.lineHeight;
    const double limit = static_cast<double>(m.linesPerPage - 1) * m.lineHeight;
    startPage();
    double y = top;
    double x = m_setup.leftMerge;
    int column = 1;

    std::size_t pos = 0;  // what is left to print is text.substr(pos)
    while (pos < text.size()) {
      if (twoColumns && y > limit && column == 1) {
        y = top;
        column = 2;
        x = RoundHalfEven(m.printWidth / 2.0 + m_setup.leftMerge + 1.0);
      }
      if (y > limit) {
        startPage();
        y = top;
        column = 1;
        x = m_setup.leftMerge;
      }
      // One printed line: up to the line end, or broken before the first
      // character that would run into the reserve at the right.
      for (std::size_t i = 1; pos + i <= text.size(); ++i) {
        if (text[pos + i - 1] == '\n') {
          printLine(x, y, text.substr(pos, i - 1));
          pos += i;
          break;
        }
        if (m_width(text.substr(pos, i)) + kPrintWrapReserveMm > m.usableWidth) {
          // Even a column too narrow for one character takes one per line,
          // so the listing always comes to an end.
          const std::size_t take = std::max<std::size_t>(i - 1, 1);
          printLine(x, y, text.substr(pos, take));
          pos += take;
          break;
        }
      }
      if (text.find('\n', pos) == std::string_view::npos) {
        // The last line without a line end is printed whole.
        printLine(x, y, text.substr(pos));
        break;
      }
    }
    return std::move(m_layout);
  }

 private:
  void startPage() {
    const PrintMetrics& m = m_layout.metrics;
    PrintPage page;
    page.number = static_cast<int>(m_layout.pages.size()) + 1;
    const double y = m.lineHeight;
    const std::string pageText = "Page " + std::to_string(page.number);
    page.texts.push_back({static_cast<double>(m_setup.leftMerge), y, m_date});
    page.texts.push_back({(m.printWidth - m_width(m_caption)) / 2.0 + m_setup.leftMerge, y, m_caption});
    page.texts.push_back({m.printWidth - m_width(pageText), y, pageText});
    const double ruleY = 2.2 * m.lineHeight;
    page.rules.push_back({static_cast<double>(m_setup.leftMerge), ruleY, static_cast<double>(m.printWidth), ruleY});
    m_layout.pages.push_back(std::move(page));
  }

  void printLine(double x, double& y, std::string_view line) {
    if (!line.empty()) m_layout.pages.back().texts.push_back({x, y, std::string(line)});
    y += m_layout.metrics.lineAdvance;
  }

  const PrintPageSetup m_setup;
  const TextWidthMm& m_width;
  std::string m_caption;
  std::string m_date;
  PrintLayout m_layout;
};

}  // namespace

PrintLayout LayoutListing(const PrintPageSetup& setup, const TextWidthMm& textWidth, std::string_view caption,
                          std::string_view date, std::string_view text) {
  return ListingWriter(setup, textWidth, caption, date).run(text);
}

}  // namespace quillon
