#include <QCalendarWidget>
#include <QDateEdit>
#include <gtest/gtest.h>

#include "core/DateTimeFormat.h"
#include "platform/LocaleSettings.h"
#include "platform/QtText.h"
#include "ui/common/DateEditFormat.h"

namespace velmora {
namespace {

TEST(DatePickerFormatTest, Conversions) {
    struct Case {
        Text shortDate, separator;
        QString expected;
    };
    const Case cases[] = {
        {u"yyyy/M/d", u"/", QStringLiteral("yyyy'/'M'/'d")},
        {u"dd/MM/yyyy", u".", QStringLiteral("dd'.'MM'.'yyyy")},
        {u"yyyy/MM/dd", u"-", QStringLiteral("yyyy'-'MM'-'dd")},
        {u"d/M/yyyy' г.'", u".", QStringLiteral("d'.'M'.'yyyy' г.'")},
        {u"yyyy'年'M'月'd'日'", u"/", QStringLiteral("yyyy'年'M'月'd'日'")},
        {u"yyyy/M/d", u"'", QStringLiteral("yyyy''''M''''d")},
        {u"d'o''clock'/M/yyyy", u" ", QStringLiteral("d'o''clock'' 'M' 'yyyy")},
        {u"yyyy-M-d h", u"/", QStringLiteral("yyyy'-'M'-'d' ''h'")}, // unknown letters as text
    };
    for (const Case& c : cases) {
        FormatSettings fs;
        fs.ShortDateFormat = c.shortDate;
        fs.DateSeparator = c.separator;
        EXPECT_EQ(dateEditFormat(fs), c.expected) << toUtf8(c.shortDate);
    }
}

// In every locale the picker shows a date exactly as the list writes the date part of a moment,
// digits included.
TEST(DatePickerFormatTest, ThePickerWritesDatesAsTheListDoes) {
    const FormatSettings saved = formatSettings();
    const QDate dates[] = {QDate(2026, 10, 11), QDate(2000, 2, 29), QDate(1999, 1, 1),
                           QDate(2049, 12, 31)};
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    int failures = 0;
    for (const QLocale& locale : locales) {
        const FormatSettings fs = formatSettingsFor(locale);
        setFormatSettings(fs);
        QLocale::setDefault(locale);
        QDateEdit picker;
        picker.setCalendarPopup(true);
        picker.setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
        showDatesAsTheListDoes(&picker, fs);
        // The drop-down calendar names months and days in the user's language.
        if (picker.calendarWidget()->locale() != locale && ++failures <= 400)
            ADD_FAILURE() << locale.name().toStdString() << ": calendar in "
                          << picker.calendarWidget()->locale().name().toStdString();
        for (const QDate& date : dates) {
            picker.setDate(date);
            const TDateTime value = QDate(1899, 12, 30).daysTo(date);
            const QString listed = toQString(formatDateTime(fs.ShortDateFormat, value));
            if (picker.text() != listed && ++failures <= 400)
                ADD_FAILURE() << locale.name().toStdString() << ": " << picker.text().toStdString()
                              << " / " << listed.toStdString();
        }
    }
    EXPECT_EQ(failures, 0) << "of " << locales.size() << " locales";
    QLocale::setDefault(QLocale::system());
    setFormatSettings(saved);
}

} // namespace
} // namespace velmora
