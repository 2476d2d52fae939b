// Fills the process-wide FormatSettings from a Qt locale, with list dates every locale reads back.
#include "platform/LocaleSettings.h"

#include <QList>

#include <algorithm>

#include "core/DateTimeReader.h"
#include "platform/QtText.h"

namespace velmora {

namespace {

// A Qt date or time format cut into fields ("yyyy", "MM", "AP"…) and literal runs between them.
struct Piece {
    QString text;
    bool field = false;
};

bool isFieldLetter(QChar c) {
    return QStringLiteral("dMyhHmszAaPpt").contains(c);
}

bool isDayPeriod(const Piece& p) {
    return p.field && p.text.front().toUpper() == u'A';
}

QList<Piece> splitFormat(const QString& format) {
    QList<Piece> pieces;
    auto appendLiteral = [&](const QString& s) {
        if (!pieces.isEmpty() && !pieces.back().field)
            pieces.back().text += s;
        else
            pieces.append({s, false});
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            // Quoted literal; '' inside stands for one quote.
            QString literal;
            ++i;
            while (i < format.size()) {
                if (format[i] == u'\'') {
                    if (i + 1 < format.size() && format[i + 1] == u'\'') {
                        literal += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += format[i++];
            }
            appendLiteral(literal);
            continue;
        }
        if (c == u'B' || c == u'b') {
            // A day period of CLDR ("下午", "晚上") that Qt leaves unconverted: AM/PM stands in.
            while (i < format.size() && format[i] == c)
                ++i;
            pieces.append({QStringLiteral("AP"), true});
            continue;
        }
        if (isFieldLetter(c)) {
            qsizetype run = 1;
            if ((c == u'A' || c == u'a') && i + 1 < format.size() &&
                (format[i + 1] == u'P' || format[i + 1] == u'p'))
                run = 2;
            else
                while (i + run < format.size() && format[i + run] == c)
                    ++run;
            pieces.append({format.mid(i, run), true});
            i += run;
            continue;
        }
        appendLiteral(QString(c));
        ++i;
    }
    return pieces;
}

// Joins the pieces back, writing `separator` runs as `symbol` and other literals quoted.
QString joinFormat(const QList<Piece>& pieces, const QString& separator, QChar symbol) {
    QString out;
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        const Piece& p = pieces[k];
        const bool between =
            k > 0 && k + 1 < pieces.size() && pieces[k - 1].field && pieces[k + 1].field;
        if (p.field)
            out += p.text;
        else if (between && !separator.isEmpty() && p.text == separator)
            out += symbol;
        else
            out += quotedFormatLiteral(p.text);
    }
    return out;
}

// The literal run between the first two fields, or the fallback.
QString firstSeparator(const QList<Piece>& pieces, const QString& fallback) {
    for (qsizetype k = 1; k + 1 < pieces.size(); ++k)
        if (!pieces[k].field && pieces[k - 1].field && pieces[k + 1].field)
            return pieces[k].text;
    return fallback;
}

// Drops the time zone field with the blanks and brackets around it.
QList<Piece> withoutZone(QList<Piece> pieces) {
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        if (!(pieces[k].field && pieces[k].text.startsWith(u't')))
            continue;
        pieces.removeAt(k);
        // The literal next to the zone loses its brackets and the blanks on the zone's side.
        auto tidy = [&](qsizetype at, bool trimRight) {
            if (at < 0 || at >= pieces.size() || pieces[at].field)
                return;
            QString s = pieces[at].text;
            for (const QChar bracket : {u'(', u')', u'[', u']'})
                s.remove(bracket);
            if (trimRight)
                while (!s.isEmpty() && s.back().isSpace())
                    s.chop(1);
            else
                while (!s.isEmpty() && s.front().isSpace())
                    s.remove(0, 1);
            if (s.isEmpty())
                pieces.removeAt(at);
            else
                pieces[at].text = s;
        };
        tidy(k, false);
        tidy(k - 1, true);
        --k;
    }
    return pieces;
}

// The short date as numbers with a four-digit year, in the locale's order, separated by the
// locale's first date separator ("dd/MM yyyy" gives "dd/MM/yyyy"). Text before the first number
// and after the last one ("г.") is left out, except a closing date separator ("d.M.yyyy."); a
// format naming months or weekdays gives way to year-month-day.
QList<Piece> listDate(const QString& qtFormat) {
    QList<Piece> date = splitFormat(qtFormat);
    bool named = false;
    for (Piece& p : date) {
        if (!p.field)
            continue;
        if ((p.text.startsWith(u'M') || p.text.startsWith(u'd')) && p.text.size() > 2)
            named = true;
        if (p.text.startsWith(u'y'))
            p.text = QStringLiteral("yyyy");
    }
    if (named)
        date = splitFormat(QStringLiteral("yyyy-MM-dd"));
    if (!date.isEmpty() && !date.front().field)
        date.removeFirst();
    const QString separator = firstSeparator(date, QStringLiteral("/"));
    if (!date.isEmpty() && !date.back().field) {
        const QString closing = date.back().text.trimmed();
        if (closing.isEmpty() || closing != separator.trimmed())
            date.removeLast();
    }
    for (qsizetype k = 1; k + 1 < date.size(); ++k)
        if (!date[k].field)
            date[k].text = separator;
    return date;
}

// True when the reader can tell the designators apart in a list text: both present, different
// even ignoring case, without digits, and kept whole by the narrow code page that the text
// passes through before it is read (the Adlam designators lie outside it).
bool readableDesignators(const QString& am, const QString& pm) {
    auto readable = [](const QString& s) {
        const Text text = toText(s);
        return !s.isEmpty() && throughNarrowCodePage(text) == text && !s.contains(u'?') &&
               std::none_of(s.cbegin(), s.cend(), [](QChar c) { return c.isDigit(); });
    };
    return readable(am) && readable(pm) && am.compare(pm, Qt::CaseInsensitive) != 0;
}

// The literal pieces between two indices of `pieces` joined.
QString literalBetween(const QList<Piece>& pieces, qsizetype from, qsizetype to) {
    QString text;
    for (qsizetype k = std::min(from, to) + 1; k < std::max(from, to); ++k)
        if (!pieces[k].field)
            text += pieces[k].text;
    return text;
}

struct ListTime {
    QList<Piece> pieces;
    QString separator;
};

// The list's time of day, hours and minutes, built from the locale's short time format: its
// hour field (24-hour, or 12-hour where the locale writes a day period and the designators
// can be read back), the mark between hour and minute when it is a single sign (":", "."),
// otherwise ":", and the designator on the side where the locale writes it, set off by a blank
// when the locale sets it off by one. Any other text of the format ("B", "h", "ч.", "Kl.") is
// left out.
ListTime listTime(const QList<Piece>& pieces, bool designatorsReadable) {
    qsizetype hour = -1, minute = -1, period = -1;
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        const Piece& p = pieces[k];
        if (!p.field)
            continue;
        const QChar c = p.text.front();
        if ((c == u'h' || c == u'H') && hour < 0)
            hour = k;
        else if (c == u'm' && minute < 0)
            minute = k;
        else if (isDayPeriod(p) && period < 0)
            period = k;
    }
    if (hour < 0 || minute < 0)
        return {splitFormat(QStringLiteral("HH:mm")), QStringLiteral(":")};

    const bool twelveHour = period >= 0 && designatorsReadable;
    const bool padded = pieces[hour].text.size() >= 2;
    const QString hourField = twelveHour ? (padded ? QStringLiteral("hh") : QStringLiteral("h"))
                                         : (padded ? QStringLiteral("HH") : QStringLiteral("H"));

    QString separator = literalBetween(pieces, hour, minute).trimmed();
    if (separator.size() != 1 || separator[0].isLetterOrNumber())
        separator = QStringLiteral(":");

    QList<Piece> time = {{hourField, true}, {separator, false}, {QStringLiteral("mm"), true}};
    if (twelveHour) {
        const bool before = period < hour;
        const QString gap = literalBetween(pieces, period, before ? hour : minute);
        const auto blank =
            std::find_if(gap.cbegin(), gap.cend(), [](QChar c) { return c.isSpace(); });
        const Piece designator{QStringLiteral("AP"), true};
        if (before) {
            if (blank != gap.cend())
                time.prepend({QString(*blank), false});
            time.prepend(designator);
        } else {
            if (blank != gap.cend())
                time.append({QString(*blank), false});
            time.append(designator);
        }
    }
    return {time, separator};
}

} // namespace

FormatSettings formatSettingsFor(const QLocale& locale) {
    FormatSettings fs;
    fs.DecimalSeparator = toText(locale.decimalPoint());
    fs.ThousandSeparator = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)
                               ? Text()
                               : toText(locale.groupSeparator());
    fs.TimeAMString = toText(locale.amText());
    fs.TimePMString = toText(locale.pmText());

    const QList<Piece> date = listDate(locale.dateFormat(QLocale::ShortFormat));
    const QString dateSeparator = firstSeparator(date, QStringLiteral("/"));
    fs.DateSeparator = toText(dateSeparator);
    fs.ShortDateFormat = toText(joinFormat(date, dateSeparator, u'/'));

    const ListTime shortTime = listTime(splitFormat(locale.timeFormat(QLocale::ShortFormat)),
                                        readableDesignators(locale.amText(), locale.pmText()));
    const QList<Piece> longTime = withoutZone(splitFormat(locale.timeFormat(QLocale::LongFormat)));
    fs.TimeSeparator = toText(shortTime.separator);
    fs.ShortTimeFormat = toText(joinFormat(shortTime.pieces, shortTime.separator, u':'));
    fs.LongTimeFormat = toText(joinFormat(longTime, shortTime.separator, u':'));
    return fs;
}

void loadSystemFormatSettings() {
    setFormatSettings(formatSettingsFor(QLocale::system()));
}

QString quotedFormatLiteral(const QString& literal) {
    if (literal.isEmpty())
        return {};
    QString escaped = literal;
    escaped.replace(u'\'', QStringLiteral("''"));
    return u'\'' + escaped + u'\'';
}

} // namespace velmora
