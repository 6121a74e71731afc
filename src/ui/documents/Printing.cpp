#include "ui/documents/Printing.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace {

constexpr double kMmPerInch = 25.4;
// A PDF page has no hardware margin; this is the unprintable edge of a
// typical office printer, so a listing looks the same in both.
constexpr double kPdfMarginMm = 5.0;
constexpr double kRuleWidthMm = 0.2;

QString BytesToText(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

void MakePdfPrinter(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm), QPageLayout::Millimeter);
}

QFont SetupPrinterPage(QPrinter& printer, const quillon::AppSettings& settings) {
  printer.setPageOrientation(settings.PrinterOrientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  const QString name = QString::fromStdString(settings.PrintFontName);
  QFont font(name);
  font.setStyleHint(QFont::TypeWriter);
  if (QFontInfo(font).family().compare(name, Qt::CaseInsensitive) != 0) {
    // The stored default names a font of another system: a listing reads best
    // in this system's fixed-pitch font.
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  }
  font.setPointSize(settings.PrintFontSize > 0 ? settings.PrintFontSize : 1);
  return font;
}

quillon::PrintLayout LayoutForPrinter(QPrinter& printer, const QFont& font, const quillon::AppSettings& settings,
                                      const QString& caption, const quillon::CalendarDate& date,
                                      const std::string& text) {
  const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter);
  const QFontMetricsF metrics(font, &printer);
  const double mmPerDot = kMmPerInch / printer.resolution();

  quillon::PrintPageSetup setup;
  setup.printableWidthMm = printable.width();
  setup.printableHeightMm = printable.height();
  setup.textHeightMm = metrics.height() * mmPerDot;
  setup.leftMerge = settings.LeftMerge;
  setup.rightMerge = settings.RightMerge;
  setup.printLineNo = settings.PrintLineNo;
  const quillon::TextWidthMm width = [&](std::string_view s) {
    return metrics.horizontalAdvance(BytesToText(s)) * mmPerDot;
  };
  // The caption may name a path outside Latin-1; the listing is 8-bit text.
  const QByteArray captionBytes = caption.toLatin1();
  return quillon::LayoutListing(setup, width, captionBytes.toStdString(), quillon::FormatDotDate(date), text);
}

bool DrawListing(QPrinter& printer, const QFont& font, const quillon::PrintLayout& layout) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(font);
  const double dotsPerMm = printer.resolution() / kMmPerInch;
  const double ascent = QFontMetricsF(font, &printer).ascent();
  painter.setPen(QPen(Qt::black, kRuleWidthMm * dotsPerMm));
  bool first = true;
  for (const quillon::PrintPage& page : layout.pages) {
    if (!first) printer.newPage();
    first = false;
    for (const quillon::PrintText& t : page.texts)
      painter.drawText(QPointF(t.x * dotsPerMm, t.y * dotsPerMm + ascent), BytesToText(t.text));
    for (const quillon::PrintRule& r : page.rules)
      painter.drawLine(QPointF(r.x1 * dotsPerMm, r.y1 * dotsPerMm), QPointF(r.x2 * dotsPerMm, r.y2 * dotsPerMm));
  }
  return painter.end();
}

bool PrintListing(QPrinter& printer, const quillon::AppSettings& settings, const QString& caption,
                  const quillon::CalendarDate& date, const std::string& text, quillon::PrintLayout* layoutOut) {
  const QFont font = SetupPrinterPage(printer, settings);
  quillon::PrintLayout layout = LayoutForPrinter(printer, font, settings, caption, date, text);
  const bool ok = DrawListing(printer, font, layout);
  if (layoutOut) *layoutOut = std::move(layout);
  return ok;
}
