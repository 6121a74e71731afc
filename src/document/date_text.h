#pragma once
// Dates as the listings and the Insert menu write them. The caller passes the
// date in, so the texts do not depend on the clock.
#include <string>

namespace quillon {

struct CalendarDate {
  int year = 2000;
  int month = 1;
  int day = 1;
};

// "2004.07.17": four-digit year, two-digit month and day.
std::string FormatDotDate(const CalendarDate& date);

// The line the " Date " item inserts: "DATE : 2004.07.17" and a line end.
std::string InsertDateText(const CalendarDate& date);

}  // namespace quillon
