#pragma once
// Printing a listing: the printer is set up from the print settings, measured
// in millimetres, the core computes the pages, and this side draws them. A
// PDF printer goes through exactly the same steps as paper.
#include <QFont>
#include <QString>
#include <string>

#include "app/settings.h"
#include "document/date_text.h"
#include "document/print_layout.h"

class QPrinter;

// Orientation, font and (for a PDF file) page size and margins; returns the
// font the listing is printed in.
QFont SetupPrinterPage(QPrinter& printer, const quillon::AppSettings& settings);

// The pages of a listing on this printer, as the core lays them out.
quillon::PrintLayout LayoutForPrinter(QPrinter& printer, const QFont& font, const quillon::AppSettings& settings,
                                      const QString& caption, const quillon::CalendarDate& date,
                                      const std::string& text);

// Draws a computed layout; false when the printer cannot start a job.
bool DrawListing(QPrinter& printer, const QFont& font, const quillon::PrintLayout& layout);

// All three steps; false when the job could not start. layoutOut receives
// the pages that were drawn.
bool PrintListing(QPrinter& printer, const quillon::AppSettings& settings, const QString& caption,
                  const quillon::CalendarDate& date, const std::string& text,
                  quillon::PrintLayout* layoutOut = nullptr);

// A printer that writes a PDF file (A4, high resolution).
void MakePdfPrinter(QPrinter& printer, const QString& path);
