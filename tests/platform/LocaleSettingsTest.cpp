// Tests of the format settings read from the user's locale.
#include <gtest/gtest.h>

#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "platform/LocaleSettings.h"

namespace velmora {
namespace {

// The locales whose texts must read back; the list's texts are checked in a few more.
const char* const Locales[] = {"zh_CN", "en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ru_RU", "C"};
const char* const MoreLocales[] = {"ko_KR", "ar_EG", "nl_NL", "sv_SE", "pl_PL", "he_IL"};

class LocaleSettingsTest : public ::testing::Test {
protected:
    void TearDown() override { setFormatSettings(saved_); }
    FormatSettings saved_ = formatSettings();
};

TEST_F(LocaleSettingsTest, DerivedFormats) {
    struct Case {
        const char* locale;
        Text shortDate, dateSeparator, shortTime, longTime, decimal, thousands;
    };
    const Case cases[] = {
        {"zh_CN", u"yyyy/M/d", u"/", u"HH:mm", u"HH:mm:ss", u".", u","},
        {"en_US", u"M/d/yyyy", u"/", u"h:mm' 'AP", u"h:mm:ss' 'AP", u".", u","},
        {"de_DE", u"dd/MM/yyyy", u".", u"HH:mm", u"HH:mm:ss", u",", u"."},
        {"fr_FR", u"dd/MM/yyyy", u"/", u"HH:mm", u"HH:mm:ss", u",", u"\u202F"},
        {"ja_JP", u"yyyy/MM/dd", u"/", u"H:mm", u"H'時'mm'分'ss'秒'", u".", u","},
        {"C", u"yyyy/MM/dd", u"-", u"HH:mm:ss", u"HH:mm:ss", u".", u""}, // Qt's C groups no digits
    };
    for (const Case& c : cases) {
        const FormatSettings fs = formatSettingsFor(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(fs.ShortDateFormat, c.shortDate) << c.locale;
        EXPECT_EQ(fs.DateSeparator, c.dateSeparator) << c.locale;
        EXPECT_EQ(fs.ShortTimeFormat, c.shortTime) << c.locale;
        EXPECT_EQ(fs.LongTimeFormat, c.longTime) << c.locale;
        EXPECT_EQ(fs.DecimalSeparator, c.decimal) << c.locale;
        EXPECT_EQ(fs.ThousandSeparator, c.thousands) << c.locale;
    }
}

// Every moment the list can write reads back to the same minute, in every locale.
TEST_F(LocaleSettingsTest, ListDatesReadBackInEveryLocale) {
    const int moments[][5] = {
        {2020, 11, 27, 10, 30}, {2020, 11, 27, 0, 0},   {2020, 11, 27, 12, 0},
        {2020, 11, 27, 0, 30},  {2020, 11, 27, 12, 59}, {2026, 12, 31, 23, 59},
        {2000, 2, 29, 13, 1},   {1999, 1, 1, 9, 5},     {2049, 6, 15, 18, 45},
        {1970, 1, 1, 0, 0},
    };
    for (const char* name : Locales) {
        setFormatSettings(formatSettingsFor(QLocale(QString::fromLatin1(name))));
        for (const auto& m : moments) {
            TDateTime date = 0, time = 0;
            ASSERT_TRUE(tryEncodeDate(m[0], m[1], m[2], date));
            ASSERT_TRUE(tryEncodeTime(m[3], m[4], 0, 0, time));
            const TDateTime value = composeDateTime(date, time);
            const Text listed = listDateTimeText(value);
            EXPECT_EQ(DateTextToDateTime(listed), value) << name << ": " << toUtf8(listed);
            const Text shown = dateTimeText(value + 17.0 / 86400);
            EXPECT_NEAR(DateTextToDateTime(shown), value + 17.0 / 86400, 1e-9)
                << name << ": " << toUtf8(shown);
        }
    }
    for (const char* name : MoreLocales) {
        setFormatSettings(formatSettingsFor(QLocale(QString::fromLatin1(name))));
        for (const auto& m : moments) {
            TDateTime date = 0, time = 0;
            ASSERT_TRUE(tryEncodeDate(m[0], m[1], m[2], date));
            ASSERT_TRUE(tryEncodeTime(m[3], m[4], 0, 0, time));
            const Text listed = listDateTimeText(composeDateTime(date, time));
            EXPECT_EQ(DateTextToDateTime(listed), composeDateTime(date, time))
                << name << ": " << toUtf8(listed);
        }
    }
}

} // namespace
} // namespace velmora
