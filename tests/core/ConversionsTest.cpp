// Tests of the conversions of row texts and entry fields, the size text's round trip included.
#include <gtest/gtest.h>

#include <cstdint>

#include "ScopedFormatSettings.h"
#include "TestHelpers.h"
#include "core/Conversions.h"
#include "core/DateTime.h"
#include "core/Errors.h"

namespace velmora {
namespace {

using test::date;

using test::errorOf;

using test::ScopedFormatSettings;

class ConversionsTest : public ::testing::Test {
protected:
    ScopedFormatSettings settings{test::chineseSettings()};
};

TEST_F(ConversionsTest, SizeTextsGiveMegabytes) {
    struct Case {
        Text text;
        double mb;
    };
    const Case cases[] = {
        {u"1,234 KB", 1.205078125},
        {u"3.5 MB", 3.5},
        {u"0 KB", 0},
        {u"4,194,304 KB", 4096},
        {u"1,2,3 KB", 123.0 / 1024}, // every "," goes, wherever it stands
        {u"   12 KB", 12.0 / 1024},  // leading blanks are trimmed
        {u"\t12KB", 12.0 / 1024},    // so are control characters, and no blank is needed
        {u"-2 MB", -2},
        {u"1e3 KB", 1000.0 / 1024},
        {u"512 bytes", 0}, // other units count 0 ...
        {u"1.5 GB", 0},
        {u"12 kb", 0},           // ... units are case-sensitive
        {u"12 KB ", 0},          // the unit is "B "
        {u"not a number GB", 0}, // ... and never fail
        {u"", 0},
        {u"K", 0},
        {u".5 MB", 0.5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SizeTextToMB(c.text), c.mb) << toUtf8(c.text);
}

TEST_F(ConversionsTest, UnreadableSizeNamesTheTrimmedNumber) {
    struct Case {
        Text text;
        Text message;
    };
    const Case cases[] = {
        {u"12\u00A0KB", u"'12\u00A0' is not a valid floating point value"},
        {u"1.2.3 MB", u"'1.2.3' is not a valid floating point value"},
        {u"KB", u"'' is not a valid floating point value"},
        {u" 1,2a KB", u"'12a' is not a valid floating point value"},
        {u"\u200E12 KB", u"'\u200E12' is not a valid floating point value"},
        {u"1e99999 MB", u"'1e99999' is not a valid floating point value"},
        // Found by fuzzing: read at extended precision, but infinite as a double.
        {u"1e999 MB", u"'1e999' is not a valid floating point value"},
        {Text(u"1e999\x04\0 MB", 10), u"'1e999' is not a valid floating point value"},
        {u"-1e309 MB", u"'-1e309' is not a valid floating point value"},
        {u"1e312 KB", u"'1e312' is not a valid floating point value"},
        {u"- MB", u"'-' is not a valid floating point value"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf([&] { SizeTextToMB(c.text); }), c.message) << toUtf8(c.text);
}

TEST_F(ConversionsTest, SizeNumbersUseTheLocaleDecimalSeparator) {
    ScopedFormatSettings german(test::germanSettings());
    EXPECT_EQ(errorOf([] { SizeTextToMB(u"3.5 MB"); }),
              u"'3.5' is not a valid floating point value");
    // "," is removed before the number is read, decimal separator or not.
    EXPECT_EQ(SizeTextToMB(u"3,5 MB"), 35.0);
}

TEST_F(ConversionsTest, DayCountsMoveTheCutOffBackFromToday) {
    const TDateTime today = date(2020, 11, 27);
    struct Case {
        Text days;
        TDateTime cutOff;
    };
    const Case cases[] = {
        {u"30", date(2020, 10, 28)},
        {u"0x1E", date(2020, 10, 28)},
        {u"$1E", date(2020, 10, 28)},
        {u"X1e", date(2020, 10, 28)},
        {u" 30", date(2020, 10, 28)},
        {u"+30", date(2020, 10, 28)},
        {u"0030", date(2020, 10, 28)},
        {u"-$1E", date(2020, 12, 27)},
        {u"0", today},
        {u"-5", date(2020, 12, 2)},
        {u"$FFFFFFFF", date(2020, 11, 28)}, // two's complement: -1
        {u"737755", date(1, 1, 1)},         // day 1, the first valid day
    };
    for (const Case& c : cases)
        EXPECT_EQ(AgeCutOff(false, 0, c.days, today), c.cutOff) << toUtf8(c.days);
}

TEST_F(ConversionsTest, ByDateTheCutOffIsThePickerValue) {
    const TDateTime picked = date(2020, 11, 1);
    EXPECT_EQ(AgeCutOff(true, picked, u"not read", date(2020, 11, 27)), picked);
}

TEST_F(ConversionsTest, UnreadableOrOutOfRangeDayCounts) {
    const TDateTime today = date(2020, 11, 27); // day number 737756
    const Text overflow = u"Overflow: the cut-off falls before 1 January of year 1";
    struct Case {
        Text days;
        Text message;
    };
    const Case cases[] = {
        {u"30 ", u"''30 '' is not a valid integer value"},
        {u"", u"'''' is not a valid integer value"},
        {u" ", u"'' '' is not a valid integer value"},
        {u"1.5", u"''1.5'' is not a valid integer value"},
        {u"2147483648", u"''2147483648'' is not a valid integer value"},
        {u"-2147483649", u"''-2147483649'' is not a valid integer value"},
        {u"$123456789", u"''$123456789'' is not a valid integer value"},
        {u"0x", u"''0x'' is not a valid integer value"},
        {u"三十", u"''三十'' is not a valid integer value"},
        {u"737756", u"'0.0' is not a valid timestamp"},
        {u"-2147483648", u"'2148221404.0' is not a valid timestamp"},
        {u"2147483647", overflow},
        {u"737757", overflow},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf([&] { AgeCutOff(false, 0, c.days, today); }), c.message)
            << toUtf8(c.days);
}

TEST_F(ConversionsTest, AgeRuleAtTheMillisecondBoundary) {
    const TDateTime cutOff = AgeCutOff(false, 0, u"30", date(2020, 11, 27));
    EXPECT_FALSE(IsBeforeCutOff(DateTextToDateTime(u"2020/10/28 00:00:00"), cutOff));
    EXPECT_TRUE(IsBeforeCutOff(DateTextToDateTime(u"2020/10/27 23:59:59.999"), cutOff));
    EXPECT_FALSE(IsBeforeCutOff(DateTextToDateTime(u"2020/10/28 00:00:00.001"), cutOff));

    // By date: the chosen day itself does not qualify, from 00:00 on.
    const TDateTime picked = AgeCutOff(true, date(2020, 11, 1), u"", 0);
    EXPECT_FALSE(IsBeforeCutOff(DateTextToDateTime(u"2020/11/1 00:01"), picked));
    EXPECT_TRUE(IsBeforeCutOff(DateTextToDateTime(u"2020/10/31 23:59"), picked));
}

TEST_F(ConversionsTest, DateTextsLoseFormatCharactersAndQuestionMarks) {
    const TDateTime expected = DateTextToDateTime(u"2020/11/27 10:30");
    const Text texts[] = {
        u"\u200E2020/\u200E11/\u200E27 \u200F10:30",
        u"?2020/11/27 ?10:30",
        u"2020/11/27 10:30\u200F",
        u"\uFEFF2020/11/27\u2066 10:30\u2069",
        u"2020/11/27 10:30\U0001F600", // outside the narrow code page too
        u"2020/11/2?7 10:30",
    };
    for (const Text& t : texts)
        EXPECT_EQ(DateTextToDateTime(t), expected) << toUtf8(t);
}

TEST_F(ConversionsTest, DateTextFallsBackToShortDateAndNumber) {
    EXPECT_EQ(DateTextToDateTime(u"43000.5"), 43000.5);
    EXPECT_EQ(DateTextToDateTime(u" 2.25 "), 2.25);
    // The first and the last day a date text can name.
    EXPECT_EQ(DateTextToDateTime(u"-693593.5"), -693593.5);
    EXPECT_EQ(DateTextToDateTime(u"2958465.5"), 2958465.5);
    FormatSettings tilde = test::chineseSettings();
    tilde.DateSeparator = u"~"; // only the short-date reader takes this one
    ScopedFormatSettings unusual(tilde);
    EXPECT_EQ(DateTextToDateTime(u"2020~11~27"), date(2020, 11, 27));
}

TEST_F(ConversionsTest, UnreadableDateTexts) {
    const Text notADate = u"Could not convert variant of type (UnicodeString) into type (Date)";
    const Text overflow =
        u"Overflow while converting variant of type (UnicodeString) into type (Date)";
    struct Case {
        Text text;
        Text message;
    };
    const Case cases[] = {
        {u"", notADate},
        {u"\u200E\u200F??", notADate},
        {u"yesterday", notADate},
        {u"2020/2/30 10:30", notADate},
        {u"2020/11/27 24:00", notADate},
        {u"2020/13/1", notADate},
        {u"99999/1/1 10:30", overflow},
        {u"20201/11/27", overflow},
        // Found by fuzzing: plain numbers of days outside the years 1 to 9999 were taken as
        // dates that no calendar holds (and decoding them overflowed).
        {u"-33333333333333333333", overflow},
        {u"1e999", overflow},
        {u"2958466", overflow},
        {u"2958465.99999999999", overflow},
        {u"-693594", overflow},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf([&] { DateTextToDateTime(c.text); }), c.message) << toUtf8(c.text);
}

TEST(ErrorsTest, ClosingPeriodOnlyAfterCharactersAboveIt) {
    struct Case {
        Text message;
        Text shown;
    };
    const Case cases[] = {
        {u"List index out of bounds (3)", u"List index out of bounds (3)"},
        {u"Done.", u"Done."},
        {u"Overflow", u"Overflow."},
        {u"'1.2' is not a valid floating point value",
         u"'1.2' is not a valid floating point value."},
        {u"清除失败", u"清除失败."},
        {u"a,", u"a,"},
        {u"a/", u"a/."},
        {u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withClosingPeriod(c.message), c.shown) << toUtf8(c.message);
}

// The list's size text, and its round trip through SizeTextToMB whatever the separators.
TEST(SizeTextTest, KilobytesRoundUpGroupDigitsAndReadBack) {
    struct Case {
        std::int64_t bytes;
        const char16_t* text;
    };
    const Case cases[] = {
        {-1, u"0 KB"},
        {0, u"0 KB"},
        {1, u"1 KB"},
        {1024, u"1 KB"},
        {1025, u"2 KB"},
        {4096, u"4 KB"},
        {999 * 1024, u"999 KB"},
        {1000 * 1024, u"1,000 KB"},
        {1234 * 1024 - 1, u"1,234 KB"},
        {4294967296LL, u"4,194,304 KB"},
        {std::int64_t(1) << 50, u"1,099,511,627,776 KB"},
    };
    FormatSettings spaced = test::germanSettings();
    spaced.ThousandSeparator = u"\u00A0";
    const FormatSettings settings[] = {test::chineseSettings(), test::germanSettings(),
                                       test::americanSettings(), spaced};
    for (const Case& c : cases) {
        EXPECT_EQ(kilobyteSizeText(c.bytes), c.text) << c.bytes;
        const double kilobytes = c.bytes <= 0 ? 0 : double((c.bytes - 1) / 1024 + 1);
        for (const FormatSettings& fs : settings) {
            ScopedFormatSettings scoped(fs);
            EXPECT_EQ(SizeTextToMB(kilobyteSizeText(c.bytes)), kilobytes / 1024) << c.bytes;
        }
    }
}

} // namespace
} // namespace velmora
