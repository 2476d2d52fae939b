// Tests of the locale-aware date-time reader.
#include <gtest/gtest.h>

#include "ScopedFormatSettings.h"
#include "core/DateTimeReader.h"

namespace velmora {
namespace {

using test::ScopedFormatSettings;

struct Moment {
    int y, m, d, h = 0, n = 0, s = 0, ms = 0;
};

TDateTime moment(const Moment& t) {
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(t.y == 1899 || tryEncodeDate(t.y, t.m, t.d, date));
    EXPECT_TRUE(tryEncodeTime(t.h, t.n, t.s, t.ms, time));
    return composeDateTime(date, time);
}

struct ReadCase {
    const char* locale;
    Text text;
    Moment expected;
};

FormatSettings settingsNamed(const char* name) {
    const std::string n = name;
    if (n == "de")
        return test::germanSettings();
    if (n == "en")
        return test::americanSettings();
    return test::chineseSettings();
}

TEST(DateTimeReaderTest, ReadsDatesAndTimesInTheLocaleOrder) {
    const ReadCase cases[] = {
        {"zh", u"2020/11/27 10:30", {2020, 11, 27, 10, 30}},
        {"zh", u"2020-11-27 10:30:15", {2020, 11, 27, 10, 30, 15}},
        {"zh", u"2020.11.27 10:30", {2020, 11, 27, 10, 30}},
        {"zh", u"2020/11/27 上午10:30", {2020, 11, 27, 10, 30}},
        {"zh", u"2020/11/27 下午 3:05", {2020, 11, 27, 15, 5}},
        {"zh", u"2020/11/27 下午12:00", {2020, 11, 27, 12, 0}},
        {"zh", u"2020/11/27 上午12:00", {2020, 11, 27, 0, 0}},
        {"zh", u"2020/11/27 10:30 PM", {2020, 11, 27, 22, 30}},
        {"zh", u"2020/11/27 10:30 pm", {2020, 11, 27, 22, 30}},
        {"zh", u"2020年11月27日 10:30", {2020, 11, 27, 10, 30}},
        {"zh", u"2020/11/27", {2020, 11, 27}},
        {"zh", u"  2020/11/27  ", {2020, 11, 27}},
        {"zh", u"2020-11-27T10:30:00", {2020, 11, 27, 10, 30}},
        {"zh", u"2020-11-27T10:30:00.250", {2020, 11, 27, 10, 30, 0, 250}},
        {"zh", u"10:30", {1899, 12, 30, 10, 30}},
        {"zh", u"10:30:45", {1899, 12, 30, 10, 30, 45}},
        {"zh", u"3 PM", {1899, 12, 30, 15, 0}},
        {"zh", u"10:30 2020/11/27", {2020, 11, 27, 10, 30}},
        {"en", u"11/27/2020 10:30 AM", {2020, 11, 27, 10, 30}},
        {"en", u"11-27-2020 12:05 AM", {2020, 11, 27, 0, 5}},
        {"en", u"11.27.2020 22:05", {2020, 11, 27, 22, 5}},
        {"en", u"2020-11-27T10:30:00", {2020, 11, 27, 10, 30}}, // year first whatever the locale
        {"de", u"27.11.2020 10:30", {2020, 11, 27, 10, 30}},
        {"de", u"27/11/2020 10:30:01", {2020, 11, 27, 10, 30, 1}},
        {"de", u"27-11-2020", {2020, 11, 27}},
        {"de", u"27.11.2020 10:30:01,5", {2020, 11, 27, 10, 30, 1, 500}},
        {"de", u"27.11.2020.", {2020, 11, 27}},
    };
    for (const ReadCase& c : cases) {
        ScopedFormatSettings settings(settingsNamed(c.locale));
        TDateTime value = -1;
        EXPECT_EQ(readLocaleDateTime(c.text, value), DateReadResult::Ok) << toUtf8(c.text);
        EXPECT_EQ(value, moment(c.expected)) << toUtf8(c.text);
    }
}

TEST(DateTimeReaderTest, RefusesWhatIsNotADate) {
    struct Case {
        Text text;
        DateReadResult result;
    };
    const Case cases[] = {
        {u"", DateReadResult::Mismatch},
        {u"2020", DateReadResult::Mismatch},
        {u"2020/11", DateReadResult::Mismatch},
        {u"2020/11/27 10", DateReadResult::Mismatch},
        {u"2020/11/27 13:00 PM", DateReadResult::Mismatch},
        {u"2020/11/27 10:60", DateReadResult::Mismatch},
        {u"2020/11/27 10:30 x", DateReadResult::Mismatch},
        {u"2020/11/2710:30", DateReadResult::Mismatch},
        {u"2021/2/29", DateReadResult::Mismatch},
        {u"2020/0/27", DateReadResult::Mismatch},
        {u"12.5", DateReadResult::Mismatch},
        {u"10000/1/1", DateReadResult::Overflow},
        {u"99999/12/31 10:30", DateReadResult::Overflow},
    };
    ScopedFormatSettings settings(test::chineseSettings());
    for (const Case& c : cases) {
        TDateTime value = 0;
        EXPECT_EQ(readLocaleDateTime(c.text, value), c.result) << toUtf8(c.text);
    }
}

TEST(DateTimeReaderTest, TwoDigitYearsFollowTheCenturyWindow) {
    struct Case {
        int year, current, window, expected;
    };
    const Case cases[] = {
        {20, 2026, 50, 2020}, {75, 2026, 50, 2075}, {76, 2026, 50, 1976}, {99, 2026, 50, 1999},
        {0, 2026, 50, 2000},  {99, 2026, 0, 2099},  {30, 2049, 20, 2030}, {28, 2049, 20, 2128},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandTwoDigitYear(c.year, c.current, c.window), c.expected)
            << c.year << " in " << c.current << " window " << c.window;

    ScopedFormatSettings settings(test::germanSettings());
    TDateTime value = 0;
    ASSERT_EQ(readLocaleDateTime(u"27.11.20", value), DateReadResult::Ok);
    EXPECT_EQ(decodeDateTime(value).year,
              expandTwoDigitYear(20, localNow().year, formatSettings().TwoDigitYearCenturyWindow));
}

TEST(DateTimeReaderTest, ShortDateReaderUsesOnlyTheLocaleSeparator) {
    ScopedFormatSettings settings(test::germanSettings());
    TDateTime value = 0;
    EXPECT_TRUE(tryReadShortDate(u"27.11.2020", value));
    EXPECT_EQ(value, moment({2020, 11, 27}));
    EXPECT_FALSE(tryReadShortDate(u"27/11/2020", value));
    EXPECT_FALSE(tryReadShortDate(u"27.11.2020 ", value));
    EXPECT_FALSE(tryReadShortDate(u"27.11", value));
    EXPECT_FALSE(tryReadShortDate(u"31.11.2020", value));
}

TEST(DateTimeReaderTest, NarrowCodePageMarksWhatItLacks) {
    EXPECT_EQ(throughNarrowCodePage(u"\u200E1\u200F/\u00AD2\u2066"), u"?1?/?2?");
    EXPECT_EQ(throughNarrowCodePage(u"下午 10:30 \U0001F600"), u"下午 10:30 ??");
    EXPECT_EQ(throughNarrowCodePage(u"ordinary 2020/1/1"), u"ordinary 2020/1/1");
}

} // namespace
} // namespace velmora
