// The strict reader of a calendar date given on the command line, where a misread date empties
// the trash unattended: a date and nothing else, never a number or a time read as one.
#pragma once

#include "DateTime.h"
#include "Text.h"

namespace velmora {

// The years a calendar date may fall in.
constexpr int FirstCalendarYear = 1601;
constexpr int LastCalendarYear = 9999;

enum class CalendarDateRead {
    Ok,
    NotADate,       // not one of the three forms, or a day that does not exist
    YearOutOfRange, // one of the forms, with a year before 1601 or after 9999
};

// Reads a calendar date, ASCII digits only, blanks around it ignored, in one of three forms:
//   - ISO 8601: year-month-day, the year of four digits or more ("2026-11-01", "2026-1-1");
//   - its compact form: exactly eight digits, year, month, day ("20261101");
//   - the short date of formatSettings(): its fields in its order with its separators and
//     literal text, the day and month of one or two digits, the year of four or more.
// Nothing else: no day count ("45000", "3e5"), no time of day ("12:00", "2026-11-01 12:00").
// The date is at 00:00.
CalendarDateRead readCalendarDate(TextView text, TDateTime& date);

} // namespace velmora
