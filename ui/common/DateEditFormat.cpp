// The display format of a date picker that writes dates as the list does.
#include "ui/common/DateEditFormat.h"

#include <QCalendarWidget>
#include <QDateEdit>

#include "platform/LocaleSettings.h"
#include "platform/QtText.h"

namespace velmora {

QString dateEditFormat(const FormatSettings& settings) {
    const QString format = toQString(settings.ShortDateFormat);
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            // A quoted literal reads the same in both syntaxes, '' included.
            qsizetype end = i + 1;
            while (end < format.size()) {
                if (format[end] == u'\'') {
                    if (end + 1 < format.size() && format[end + 1] == u'\'') {
                        end += 2;
                        continue;
                    }
                    break;
                }
                ++end;
            }
            out += format.mid(i, end + 1 - i);
            i = end + 1;
        } else if (c == u'd' || c == u'M' || c == u'y') {
            qsizetype run = 1;
            while (i + run < format.size() && format[i + run] == c)
                ++run;
            out += format.mid(i, run);
            i += run;
        } else if (c == u'/') {
            out += quotedFormatLiteral(toQString(settings.DateSeparator));
            ++i;
        } else {
            // Anything else is written as it stands, which Qt might read as a field.
            out += quotedFormatLiteral(QString(c));
            ++i;
        }
    }
    return out;
}

void showDatesAsTheListDoes(QDateEdit* picker, const FormatSettings& settings) {
    // The format has numeric fields only, so the C locale changes nothing but the digits.
    const QLocale user = picker->locale();
    picker->setLocale(QLocale::c());
    if (QCalendarWidget* calendar = picker->calendarWidget())
        calendar->setLocale(user);
    picker->setDisplayFormat(dateEditFormat(settings));
}

} // namespace velmora
