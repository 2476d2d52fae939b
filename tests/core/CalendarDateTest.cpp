// Tests of the strict calendar-date reader of the command line.
#include <gtest/gtest.h>

#include "ScopedFormatSettings.h"
#include "TestHelpers.h"
#include "core/CalendarDate.h"
#include "core/Conversions.h"

namespace velmora {
namespace {

using test::date;

struct DateCase {
    Text text;
    CalendarDateRead result;
    int y = 0, m = 0, d = 0;
};

constexpr CalendarDateRead Ok = CalendarDateRead::Ok;
constexpr CalendarDateRead NotADate = CalendarDateRead::NotADate;
constexpr CalendarDateRead OutOfRange = CalendarDateRead::YearOutOfRange;

void expectReads(const DateCase& c, const char* where) {
    TDateTime value = -12345;
    EXPECT_EQ(readCalendarDate(c.text, value), c.result) << where << ": " << toUtf8(c.text);
    if (c.result == Ok) {
        EXPECT_EQ(value, date(c.y, c.m, c.d)) << where << ": " << toUtf8(c.text);
    } else {
        EXPECT_EQ(value, -12345) << where << ": " << toUtf8(c.text); // left as it was
    }
}

// A date and nothing else: the forms that name a day, and none of the numbers and times the
// window's reader takes (where 20261101 is day 20,261,101 and 3e5 day 300,000).
TEST(CalendarDateTest, ReadsDatesOnlyInChineseSettings) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    const DateCase cases[] = {
        {u"2026-11-01", Ok, 2026, 11, 1},
        {u"20261101", Ok, 2026, 11, 1},
        {u"2026/11/1", Ok, 2026, 11, 1}, // the short date, yyyy/M/d
        {u"2026/11/01", Ok, 2026, 11, 1},
        {u"2026-1-9", Ok, 2026, 1, 9},
        {u" 2026-11-01\n", Ok, 2026, 11, 1},
        {u"1601-01-01", Ok, 1601, 1, 1},
        {u"9999-12-31", Ok, 9999, 12, 31},
        {u"16010101", Ok, 1601, 1, 1},
        {u"2000-02-29", Ok, 2000, 2, 29},
        // Day counts and other numbers.
        {u"3e5", NotADate},
        {u"1e308", NotADate},
        {u"1e309", NotADate},
        {u"45000", NotADate},
        {u"0", NotADate},
        {u"-1", NotADate},
        {u"2026111", NotADate},
        {u"202611011", NotADate},
        {u"NaN", NotADate},
        {u"0x10", NotADate},
        // Times, alone or with the date.
        {u"12:00", NotADate},
        {u"上午10:30", NotADate},
        {u"2026-11-01 12:00", NotADate},
        {u"2026-11-01T12:00:00", NotADate},
        {u"2026-11-01T12:00:00Z", NotADate},
        {u"2026-11-01+08:00", NotADate},
        // Years out of range.
        {u"10000-01-01", OutOfRange},
        {u"0001-01-01", OutOfRange},
        {u"0000-01-01", OutOfRange},
        {u"1600-12-31", OutOfRange},
        {u"1899-12-30", Ok, 1899, 12, 30},
        {u"00001101", OutOfRange},
        {u"1/11/1000", NotADate},
        {u"1000/11/1", OutOfRange},
        // Days that do not exist, and other shapes.
        {u"2026-02-30", NotADate},
        {u"2026-13-01", NotADate},
        {u"2026-00-10", NotADate},
        {u"20261301", NotADate},
        {u"-2026-01-01", NotADate},
        {u"26-11-01", NotADate},
        {u"26/11/1", NotADate}, // the year has four digits
        {u"11/01/2026", NotADate},
        {u"2026.11.01", NotADate},
        {u"2026-11-01x", NotADate},
        {u"2026--11-01", NotADate},
        {u"2026-011-01", NotADate},
        {u"", NotADate},
        {u" ", NotADate},
        {u"today", NotADate},
        {u"２０２６-１１-０１", NotADate},
        {u"٢٠٢٦-١١-٠١", NotADate},
        {u"2026-11-01\u200E", NotADate},
        {Text(5000, u'2'), NotADate},
        {Text(5000, u'2') + u"-01-01", OutOfRange},
    };
    for (const DateCase& c : cases)
        expectReads(c, "zh");
}

// The short date follows the locale's order, separator and closing mark; the other orders'
// dates and ISO 8601 stay apart.
TEST(CalendarDateTest, ReadsTheShortDateOfTheLocale) {
    struct LocaleCase {
        const char* where;
        FormatSettings settings;
        DateCase read;
    };
    FormatSettings korean = test::chineseSettings();
    korean.ShortDateFormat = u"yyyy/M/d'.'";
    korean.DateSeparator = u". ";
    FormatSettings quoted = test::chineseSettings();
    quoted.ShortDateFormat = u"d' de 'MM' de 'yyyy";
    const LocaleCase cases[] = {
        {"de", test::germanSettings(), {u"01.11.2026", Ok, 2026, 11, 1}},
        {"de", test::germanSettings(), {u"1.11.2026", Ok, 2026, 11, 1}},
        {"de", test::germanSettings(), {u"2026-11-01", Ok, 2026, 11, 1}},
        {"de", test::germanSettings(), {u"20261101", Ok, 2026, 11, 1}},
        {"de", test::germanSettings(), {u"01/11/2026", NotADate}},
        {"de", test::germanSettings(), {u"31.02.2026", NotADate}},
        {"de", test::germanSettings(), {u"01.11.26", NotADate}},
        {"de", test::germanSettings(), {u"01.11.1600", OutOfRange}},
        {"us", test::americanSettings(), {u"11/1/2026", Ok, 2026, 11, 1}},
        {"us", test::americanSettings(), {u"1/11/2026", Ok, 2026, 1, 11}},
        {"us", test::americanSettings(), {u"13/1/2026", NotADate}},
        {"us", test::americanSettings(), {u"11/1/2026 12:00 PM", NotADate}},
        {"ko", korean, {u"2026. 11. 1.", Ok, 2026, 11, 1}},
        {"ko", korean, {u"2026. 11. 1", NotADate}},
        {"quoted", quoted, {u"1 de 11 de 2026", Ok, 2026, 11, 1}},
        {"quoted", quoted, {u"1 11 2026", NotADate}},
    };
    for (const LocaleCase& c : cases) {
        const test::ScopedFormatSettings settings(c.settings);
        expectReads(c.read, c.where);
    }
}

// The window's date reader is another one: it still takes a number for a day count.
TEST(CalendarDateTest, TheWindowsReaderIsUnchanged) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    EXPECT_EQ(DateTextToDateTime(u"45000"), 45000);
    EXPECT_EQ(DateTextToDateTime(u"2026/11/1"), date(2026, 11, 1));
}

} // namespace
} // namespace velmora
