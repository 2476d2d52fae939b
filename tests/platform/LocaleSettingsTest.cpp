// Tests of the format settings read from the user's locale.
#include <gtest/gtest.h>

#include <QDate>

#include <algorithm>

#include "core/CalendarDate.h"
#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "core/Errors.h"
#include "platform/LocaleSettings.h"
#include "platform/QtText.h"

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
        {"C", u"yyyy/MM/dd", u"-", u"HH:mm", u"HH:mm:ss", u".", u""}, // Qt's C groups no digits
        // The list's date and time keep numbers, separators and designators, nothing else.
        {"zh_TW", u"yyyy/M/d", u"/", u"APh:mm", u"APh:mm:ss", u".", u","}, // from "Bh:mm"
        {"fr_CA", u"yyyy/MM/dd", u"-", u"HH:mm", u"HH' h 'mm' min 'ss' s'", u",", u"\u00A0"},
        {"bg_BG", u"d/MM/yyyy", u".", u"H:mm", u"H:mm:ss' ч.'", u",", u"\u00A0"},
        {"kkj_CM", u"dd/MM/yyyy", u"/", u"HH:mm", u"HH:mm:ss", u",", u"."}, // from "dd/MM yyyy"
        {"ko_KR", u"yyyy/M/d'.'", u". ", u"AP' 'h:mm", u"AP' 'h'시 'm'분 's'초'", u".", u","},
        {"dz_BT", u"yyyy/MM/dd", u"-", u"h:mm' 'AP", u"'ཆུ་ཚོད་ 'h' སྐར་མ་ 'mm:ss' 'AP", u".", u","},
        // Designators outside the narrow code page would vanish before reading: 24-hour.
        {"ff_Adlm_GH", u"d/M/yyyy", u"-", u"H:mm", u"h:mm:ss' 'AP", u".", u"\u2E41"},
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

// The list's texts in every locale Qt knows read back to the same minute, and hold nothing but
// numbers, separators and the locale's day-period designators.
TEST_F(LocaleSettingsTest, ListDatesReadBackInAllQtLocales) {
    struct Moment {
        const char* what;
        int year, month, day, hour, minute;
    };
    const Moment moments[] = {
        {"midnight", 2020, 11, 27, 0, 0},   {"noon", 2020, 11, 27, 12, 0},
        {"23:59", 2020, 12, 31, 23, 59},    {"morning", 2021, 3, 8, 9, 5},
        {"afternoon", 2021, 7, 14, 15, 42}, {"29 February", 2024, 2, 29, 13, 1},
    };
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_FALSE(locales.isEmpty());
    for (const QLocale& locale : locales) {
        const FormatSettings fs = formatSettingsFor(locale);
        setFormatSettings(fs);
        const std::string name =
            (locale.name() + u' ' + QLocale::scriptToString(locale.script())).toStdString();
        for (const Moment& m : moments) {
            TDateTime date = 0, time = 0;
            ASSERT_TRUE(tryEncodeDate(m.year, m.month, m.day, date));
            ASSERT_TRUE(tryEncodeTime(m.hour, m.minute, 0, 0, time));
            const TDateTime value = composeDateTime(date, time);
            const Text listed = listDateTimeText(value);
            TDateTime read = -1;
            try {
                read = DateTextToDateTime(listed);
            } catch (const ConvertError&) {
            }
            EXPECT_EQ(read, value) << name << ", " << m.what << ": " << toUtf8(listed);

            QString rest = toQString(listed);
            rest.remove(toQString(fs.TimeAMString));
            rest.remove(toQString(fs.TimePMString));
            EXPECT_TRUE(
                std::none_of(rest.cbegin(), rest.cend(), [](QChar c) { return c.isLetter(); }))
                << name << ", " << m.what << ": " << toUtf8(listed);
        }
    }
}

// The command line's calendar date in every locale Qt knows: the locale's short date (as the
// list and the date picker write it) of each row reads back to its day, as do ISO 8601 and its
// compact form, and no number, time or year out of range is taken for a date.
TEST_F(LocaleSettingsTest, CalendarDatesInAllQtLocales) {
    struct Row {
        const char* what;
        int year, month, day;
        CalendarDateRead result;
    };
    const Row rows[] = {
        {"1 November 2026", 2026, 11, 1, CalendarDateRead::Ok},
        {"9 January (day and month apart)", 2026, 1, 9, CalendarDateRead::Ok},
        {"12 November (both under 13)", 2026, 11, 12, CalendarDateRead::Ok},
        {"29 February", 2024, 2, 29, CalendarDateRead::Ok},
        {"the first year", 1601, 1, 1, CalendarDateRead::Ok},
        {"the last day", 9999, 12, 31, CalendarDateRead::Ok},
        {"a year too early", 1600, 12, 31, CalendarDateRead::YearOutOfRange},
    };
    const struct {
        const char* text;
        CalendarDateRead result;
    } refused[] = {
        {"3e5", CalendarDateRead::NotADate},   {"45000", CalendarDateRead::NotADate},
        {"12:00", CalendarDateRead::NotADate}, {"10000-01-01", CalendarDateRead::YearOutOfRange},
        {"soon", CalendarDateRead::NotADate},
    };
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        setFormatSettings(formatSettingsFor(locale));
        const std::string name =
            (locale.name() + u' ' + QLocale::scriptToString(locale.script())).toStdString();
        for (const Row& row : rows) {
            TDateTime expected = 0;
            ASSERT_TRUE(tryEncodeDate(row.year, row.month, row.day, expected));
            const Text shortDate = formatDateTime(formatSettings().ShortDateFormat, expected);
            const QString iso = QDate(row.year, row.month, row.day).toString(Qt::ISODate);
            const Text texts[] = {shortDate, toText(iso), toText(QString(iso).remove(u'-'))};
            for (const Text& text : texts) {
                TDateTime read = -1;
                EXPECT_EQ(readCalendarDate(text, read), row.result)
                    << name << ", " << row.what << ": " << toUtf8(text);
                if (row.result == CalendarDateRead::Ok) {
                    EXPECT_EQ(read, expected) << name << ", " << row.what << ": " << toUtf8(text);
                }
            }
            TDateTime read = -1;
            EXPECT_EQ(readCalendarDate(shortDate + u" 12:00", read), CalendarDateRead::NotADate)
                << name << ": " << toUtf8(shortDate);
        }
        for (const auto& r : refused) {
            TDateTime read = -1;
            EXPECT_EQ(readCalendarDate(toText(QString::fromLatin1(r.text)), read), r.result)
                << name << ": " << r.text;
        }
    }
}

} // namespace
} // namespace velmora
