#include "document/date_text.h"

#include <cstdio>

namespace quillon {

std::string FormatDotDate(const CalendarDate& date) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d.%02d.%02d", date.year, date.month, date.day);
  return buffer;
}

std::string InsertDateText(const CalendarDate& date) { return "DATE : " + FormatDotDate(date) + "\n"; }

}  // namespace quillon
