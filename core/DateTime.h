// TDateTime and the timestamp arithmetic behind the age cut-off.
#pragma once

#include <cstdint>

namespace velmora {

// Days since 30 December 1899, the time of day as the fraction. Before that day the fraction
// still counts forward from midnight: -1.25 is 29 December 1899, 06:00.
using TDateTime = double;

constexpr std::int64_t MSecsPerDay = 86'400'000;
// Day number (1 January of year 1 is day 1) of 30 December 1899.
constexpr std::int64_t DateDelta = 693'594;
// The TDateTime of 1 January 1970, where POSIX times count from.
constexpr std::int64_t UnixDateDelta = 25'569;

// A day number counting 1 January of year 1 as day 1, and the millisecond of that day.
struct TimeStamp {
    std::int64_t date = 0;
    std::int64_t time = 0;
    friend bool operator==(const TimeStamp&, const TimeStamp&) = default;
};

TimeStamp dateTimeToTimeStamp(TDateTime value);
// Throws ConvertError "'%d.%d' is not a valid timestamp" unless day >= 1 and 0 <= time of day.
TDateTime timeStampToDateTime(const TimeStamp& stamp);
// Raises the ConvertError "'date.time' is not a valid timestamp".
[[noreturn]] void throwNotATimestamp(const TimeStamp& stamp);
std::int64_t timeStampToMSecs(const TimeStamp& stamp);
// Divides towards zero, as the day number and the millisecond of the day are kept.
TimeStamp msecsToTimeStamp(std::int64_t msecs);

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// A calendar date of years 1 to 9999 at 00:00; false for a date that does not exist.
bool tryEncodeDate(int year, int month, int day, TDateTime& result);
// A time of day as a fraction of a day; false for a time outside 00:00:00.000 to 23:59:59.999.
bool tryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result);
// A date and a time of day together, following the sign convention of TDateTime.
TDateTime composeDateTime(TDateTime date, TDateTime time);

struct DateParts {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, msec = 0;
};
// Splits a TDateTime into calendar date and time of day, rounded to the millisecond.
DateParts decodeDateTime(TDateTime value);
// The local calendar date and time of the system clock.
DateParts localNow();
// Today's local date at 00:00.
TDateTime today();

} // namespace velmora
