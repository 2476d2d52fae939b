// Tests of TDateTime and its timestamp arithmetic.
#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/Errors.h"

namespace velmora {
namespace {

TEST(DateTimeTest, TimeStampsOfKnownMoments) {
    struct Case {
        TDateTime value;
        TimeStamp stamp;
    };
    const Case cases[] = {
        {0, {693594, 0}}, // 30 December 1899
        {0.25, {693594, 21'600'000}},
        {-1.25, {693593, 21'600'000}},                                // 29 December 1899, 06:00
        {44162, {737756, 0}},                                         // 27 November 2020
        {-693593, {1, 0}},                                            // 1 January of year 1
        {2958465 + 86'399'999.0 / 86'400'000, {3652059, 86'399'999}}, // 9999-12-31 23:59:59.999
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dateTimeToTimeStamp(c.value), c.stamp) << c.value;
        EXPECT_NEAR(timeStampToDateTime(c.stamp), c.value, 1e-9) << c.value;
    }
}

TEST(DateTimeTest, MillisecondsBothWays) {
    const TimeStamp stamp{737756, 12'345'678};
    EXPECT_EQ(msecsToTimeStamp(timeStampToMSecs(stamp)), stamp);
    EXPECT_EQ(timeStampToMSecs({1, 0}), MSecsPerDay);
}

TEST(DateTimeTest, InvalidTimeStampsAreRefusedWithTheirNumbers) {
    struct Case {
        TimeStamp stamp;
        const char16_t* message;
    };
    const Case cases[] = {
        {{0, 0}, u"'0.0' is not a valid timestamp"},
        {{-3, 5}, u"'-3.5' is not a valid timestamp"},
        {{10, -1}, u"'10.-1' is not a valid timestamp"},
    };
    for (const Case& c : cases) {
        try {
            timeStampToDateTime(c.stamp);
            ADD_FAILURE() << "no error for " << c.stamp.date;
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }
}

TEST(DateTimeTest, EncodeAndDecodeAcrossTheCalendar) {
    struct Case {
        int y, m, d;
        TDateTime value;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},   {1900, 3, 1, 61},    {2000, 2, 29, 36585},
        {2020, 1, 1, 43831}, {2020, 3, 1, 43891}, {1, 1, 1, -693593},
    };
    for (const Case& c : cases) {
        TDateTime v = -1;
        ASSERT_TRUE(tryEncodeDate(c.y, c.m, c.d, v));
        EXPECT_EQ(v, c.value);
        const DateParts p = decodeDateTime(v);
        EXPECT_EQ(p.year, c.y);
        EXPECT_EQ(p.month, c.m);
        EXPECT_EQ(p.day, c.d);
    }
    TDateTime v = 0;
    EXPECT_FALSE(tryEncodeDate(2021, 2, 29, v));
    EXPECT_FALSE(tryEncodeDate(10000, 1, 1, v));
    EXPECT_FALSE(tryEncodeDate(0, 12, 31, v));

    const DateParts p = decodeDateTime(composeDateTime(-1, 0.75));
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 18);
}

} // namespace
} // namespace velmora
