// The locale-aware reader of date and time texts, and the text clean-up that precedes it.
#pragma once

#include "DateTime.h"
#include "Text.h"

namespace velmora {

enum class DateReadResult { Ok, Mismatch, Overflow };

// Reads a date, a time, or a date and a time in the locale of formatSettings():
//   - a date of three numbers separated by "/", "-", "." or the locale's date separator, in
//     the order of the short date format, or year first when the first number has three or
//     more digits; a two-digit year is placed by the century window; "年", "月", "日" too;
//   - a time h:mm or h:mm:ss (optionally .fff), 24-hour or 12-hour with "AM"/"PM" or the
//     locale's designators, before or after the time;
//   - ISO 8601: 2020-11-27T10:30:00;
//   - a time alone (its date is 30 December 1899), a date alone (at 00:00).
// A year beyond 9999 gives Overflow; any other unreadable text gives Mismatch.
DateReadResult readLocaleDateTime(TextView text, TDateTime& result);

// A date alone in the short date format: its order, its date separator; the whole text used.
bool tryReadShortDate(TextView text, TDateTime& result);

// Places a two-digit year by the century window relative to the given current year.
int expandTwoDigitYear(int year, int currentYear, int centuryWindow);

// The text as it comes back from the system's narrow code page: characters the code page
// lacks (Unicode format characters such as U+200E and U+200F, lone surrogates) become "?".
Text throughNarrowCodePage(TextView text);

} // namespace velmora
