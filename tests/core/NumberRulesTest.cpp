// Tests of the number rules: rounding, sums, the number texts of the list and the chart.
#include <gtest/gtest.h>

#include <vector>

#include "ScopedFormatSettings.h"
#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "core/NumberRules.h"

namespace velmora {
namespace {

using test::ScopedFormatSettings;

TEST(NumberRulesTest, RoundsToHundredthsHalfToEven) {
    struct Case {
        double x, rounded;
    };
    const Case cases[] = {
        {0.125, 0.12},   {0.375, 0.38}, {4.705078125, 4.71}, {1.205078125, 1.21}, {0.09765625, 0.1},
        {1.0 / 1024, 0}, {0.005, 0.01}, {-0.125, -0.12},     {2.675, 2.67},       {0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundToHundredths(c.x), c.rounded) << c.x;
}

TEST(NumberRulesTest, SumsAreFormedAtExtendedPrecision) {
    ScopedFormatSettings settings(test::chineseSettings());
    double sum = 0;
    sum = addExtended(sum, SizeTextToMB(u"1,234 KB"));
    sum = addExtended(sum, SizeTextToMB(u"3.5 MB"));
    EXPECT_EQ(sum, 4.705078125);
    EXPECT_EQ(RoundToHundredths(sum), 4.71);
    EXPECT_EQ(FormatWholeMB(RoundToHundredths(sum)), u"5");
    EXPECT_EQ(formatGeneral(RoundToHundredths(sum)), u"4.71");

    // The extended sum is stored as a double after each addition.
    EXPECT_EQ(addExtended(1e16, 1.0), 1e16);
    EXPECT_EQ(addExtended(0.1, 0.2), 0.30000000000000004);
}

// Megabytes add up at extended precision and are rounded once, where they are written.
TEST(NumberRulesTest, MegabyteSumsRoundOnce) {
    ScopedFormatSettings settings(test::chineseSettings());
    struct Case {
        std::vector<Text> sizes;
        double hundredths;
        Text whole;
    };
    const Case cases[] = {
        {{}, 0, u"0"},
        {std::vector<Text>(100, u"4 KB"), 0.39, u"0"},
        {std::vector<Text>(100'000, u"4 KB"), 390.62, u"391"}, // 390.625: to the even
        {{u"1,234 KB", u"3.5 MB"}, 4.71, u"5"},
        {{u"1 KB"}, 0, u"0"},
        {{u"0.125 MB"}, 0.12, u"0"}, // a half goes to the even hundredth
        {{u"0.375 MB"}, 0.38, u"0"},
        {{u"256 KB", u"256 KB"}, 0.5, u"1"},
    };
    for (const Case& c : cases) {
        MegabyteSum sum;
        for (const Text& size : c.sizes)
            sum.add(SizeTextToMB(size));
        EXPECT_EQ(sum.hundredths(), c.hundredths) << c.sizes.size();
        EXPECT_EQ(sum.wholeText(), c.whole) << c.sizes.size();
    }
    // Extended precision: 2^53 + 1 + 1 stays exact until it is written.
    MegabyteSum big;
    big.add(9007199254740992.0);
    big.add(1);
    big.add(1);
    EXPECT_EQ(big.total(), 9007199254740994.0L);
}

TEST(NumberRulesTest, WholeMegabytes) {
    struct Case {
        double x;
        Text comma, none, nbsp;
    };
    const Case cases[] = {
        {0.5, u"1", u"1", u"1"},
        {2.5, u"3", u"3", u"3"},
        {4.49, u"4", u"4", u"4"},
        {0.12, u"0", u"0", u"0"},
        {0, u"0", u"0", u"0"},
        {0.49, u"0", u"0", u"0"},
        {0.4999999999999999, u"1", u"1", u"1"}, // 15 digits first: 0.500000000000000
        {999.5, u"1,000", u"1000", u"1\u00A0000"},
        {1234567.89, u"1,234,568", u"1234568", u"1\u00A0234\u00A0568"},
        {1234567890123456.0, u"1,234,567,890,123,460", u"1234567890123460",
         u"1\u00A0234\u00A0567\u00A0890\u00A0123\u00A0460"},
    };
    FormatSettings fs = test::chineseSettings();
    for (const Case& c : cases) {
        for (auto [separator, expected] :
             {std::pair<Text, Text>{u",", c.comma}, {u"", c.none}, {u"\u00A0", c.nbsp}}) {
            fs.ThousandSeparator = separator;
            ScopedFormatSettings settings(fs);
            EXPECT_EQ(FormatWholeMB(c.x), expected) << c.x;
        }
    }
}

TEST(NumberRulesTest, GeneralNumberFormat) {
    struct Case {
        double x;
        Text dot, comma;
    };
    const Case cases[] = {
        {12.5, u"12.5", u"12,5"},
        {4.71, u"4.71", u"4,71"},
        {0, u"0", u"0"},
        {1234567.89, u"1234567.89", u"1234567,89"},
        {0.1 + 0.2, u"0.3", u"0,3"},
        {100, u"100", u"100"},
        {0.0001, u"0.0001", u"0,0001"},
        {0.000001, u"1E-6", u"1E-6"},
        {1e20, u"1E20", u"1E20"},
        {-2.5, u"-2.5", u"-2,5"},
    };
    for (const Case& c : cases) {
        ScopedFormatSettings dot(test::chineseSettings());
        EXPECT_EQ(formatGeneral(c.x), c.dot) << c.x;
        ScopedFormatSettings comma(test::germanSettings());
        EXPECT_EQ(formatGeneral(c.x), c.comma) << c.x;
    }
}

TEST(NumberRulesTest, DateTextShowsTheTimeOnlyWhenThereIsOne) {
    struct Case {
        Text text;
        Text chinese, american;
    };
    const Case cases[] = {
        {u"2020/10/28", u"2020/10/28", u"10/28/2020"},
        {u"2020/10/28 10:30", u"2020/10/28 10:30:00", u"10/28/2020 10:30:00 AM"},
        {u"2020/10/28 00:00:00.001", u"2020/10/28 00:00:00", u"10/28/2020 12:00:00 AM"},
        {u"2020/1/2 23:05:09", u"2020/1/2 23:05:09", u"1/2/2020 11:05:09 PM"},
    };
    for (const Case& c : cases) {
        ScopedFormatSettings chinese(test::chineseSettings());
        const TDateTime value = DateTextToDateTime(c.text);
        EXPECT_EQ(dateTimeText(value), c.chinese);
        ScopedFormatSettings american(test::americanSettings());
        EXPECT_EQ(dateTimeText(value), c.american);
    }
}

TEST(NumberRulesTest, ChartSharesRoundToTwoDecimalsHalfAwayFromZero) {
    const std::pair<double, const char*> cases[] = {
        {0, "0 %"},        {100, "100 %"},         {12.1, "12.1 %"},  {0.004, "0 %"},
        {0.005, "0.01 %"}, {0.125, "0.13 %"},      {0.285, "0.29 %"}, {2.675, "2.68 %"},
        {99.995, "100 %"}, {99.994999, "99.99 %"}, {9.999, "10 %"},   {50.5, "50.5 %"},
        {1e-300, "0 %"},   {33.3349, "33.33 %"},
    };
    const FormatSettings settings = test::chineseSettings();
    for (const auto& [percent, text] : cases)
        EXPECT_EQ(toUtf8(formatPatternPercent(percent, settings)), text) << percent;
}

TEST(NumberRulesTest, ChartLegendValuesRoundToWholeMegabytesHalfAwayFromZero) {
    const std::pair<double, const char*> cases[] = {
        {0, "0MB"},
        {0.4, "0MB"},
        {0.5, "1MB"},
        {2.5, "3MB"},
        {-0.4, "0MB"},
        {-0.5, "-1MB"},
        {-2, "-2MB"},
        {1234.4, "1,234MB"},
        {999.5, "1,000MB"},
        {-1234.5, "-1,235MB"},
        {1234567.89, "1,234,568MB"},
        {0.49999999999999994, "1MB"}, // 15 significant digits first: 0.500000000000000
    };
    const FormatSettings settings = test::chineseSettings();
    for (const auto& [value, text] : cases)
        EXPECT_EQ(toUtf8(formatPatternGroupedMB(value, settings)), text) << value;
}

} // namespace
} // namespace velmora
