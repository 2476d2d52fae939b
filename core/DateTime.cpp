// TDateTime and the timestamp arithmetic behind the age cut-off.
#include "DateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "Errors.h"
#include "Translate.h"

namespace velmora {

namespace {
// Day number (1 January of year 1 is day 1) of 1 January 1970.
constexpr std::int64_t UnixDayNumber = DateDelta + 25'569;

std::int64_t dayNumber(int year, int month, int day) {
    static constexpr int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const std::int64_t y = year - 1;
    std::int64_t n = y * 365 + y / 4 - y / 100 + y / 400 + before[month - 1] + day;
    if (month > 2 && isLeapYear(year))
        ++n;
    return n;
}

// Calendar date of a day number; proleptic Gregorian, valid for every int64 day number in use.
void civilFromDayNumber(std::int64_t dayNo, int& year, int& month, int& day) {
    // Days since 1 March of year 0, shifted so that leap days fall at the end of a year.
    const std::int64_t z = dayNo - UnixDayNumber + 719'468;
    const std::int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
    const std::int64_t doe = z - era * 146'097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}
} // namespace

TimeStamp dateTimeToTimeStamp(TDateTime value) {
    const auto msecs = static_cast<std::int64_t>(
        std::nearbyint(static_cast<long double>(value) * static_cast<long double>(MSecsPerDay)));
    TimeStamp stamp;
    stamp.date = DateDelta + msecs / MSecsPerDay;
    stamp.time = (msecs < 0 ? -msecs : msecs) % MSecsPerDay;
    return stamp;
}

void throwNotATimestamp(const TimeStamp& stamp) {
    throw ConvertError(withArguments(coreTranslate("Errors", "'%1.%2' is not a valid timestamp"),
                                     {decimalText(stamp.date), decimalText(stamp.time)}));
}

TDateTime timeStampToDateTime(const TimeStamp& stamp) {
    if (stamp.time < 0 || stamp.date <= 0)
        throwNotATimestamp(stamp);
    std::int64_t msecs = (stamp.date - DateDelta) * MSecsPerDay;
    msecs = msecs >= 0 ? msecs + stamp.time : msecs - stamp.time;
    return static_cast<double>(static_cast<long double>(msecs) /
                               static_cast<long double>(MSecsPerDay));
}

std::int64_t timeStampToMSecs(const TimeStamp& stamp) {
    return stamp.date * MSecsPerDay + stamp.time;
}

TimeStamp msecsToTimeStamp(std::int64_t msecs) {
    return TimeStamp{msecs / MSecsPerDay, msecs % MSecsPerDay};
}

bool isLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool tryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month))
        return false;
    result = static_cast<double>(dayNumber(year, month, day) - DateDelta);
    return true;
}

bool tryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        msec < 0 || msec > 999)
        return false;
    const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + msec;
    result =
        static_cast<double>(static_cast<long double>(ms) / static_cast<long double>(MSecsPerDay));
    return true;
}

TDateTime composeDateTime(TDateTime date, TDateTime time) {
    return date < 0 ? date - time : date + time;
}

DateParts decodeDateTime(TDateTime value) {
    const TimeStamp stamp = dateTimeToTimeStamp(value);
    DateParts parts;
    civilFromDayNumber(stamp.date, parts.year, parts.month, parts.day);
    std::int64_t t = stamp.time;
    parts.msec = static_cast<int>(t % 1000);
    t /= 1000;
    parts.second = static_cast<int>(t % 60);
    t /= 60;
    parts.minute = static_cast<int>(t % 60);
    parts.hour = static_cast<int>(t / 60);
    return parts;
}

DateParts localNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    if (const std::tm* tm = std::localtime(&secs))
        local = *tm;
    DateParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    parts.second = std::min(local.tm_sec, 59);
    parts.msec = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000);
    return parts;
}

TDateTime today() {
    const DateParts now = localNow();
    TDateTime date = 0;
    tryEncodeDate(now.year, now.month, now.day, date);
    return date;
}

} // namespace velmora
