#include "platform/LocaleSettings.h"

#include <QList>

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

QString quoted(const QString& literal) {
    if (literal.isEmpty())
        return {};
    QString escaped = literal;
    escaped.replace(u'\'', QStringLiteral("''"));
    return u'\'' + escaped + u'\'';
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
            out += quoted(p.text);
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
            s.remove(u'(');
            s.remove(u')');
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

} // namespace

FormatSettings formatSettingsFor(const QLocale& locale) {
    FormatSettings fs;
    fs.DecimalSeparator = toText(locale.decimalPoint());
    fs.ThousandSeparator = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)
                               ? Text()
                               : toText(locale.groupSeparator());
    fs.TimeAMString = toText(locale.amText());
    fs.TimePMString = toText(locale.pmText());

    // Dates are numeric with a four-digit year; a format naming months or weekdays gives way
    // to year-month-day.
    QList<Piece> date = splitFormat(locale.dateFormat(QLocale::ShortFormat));
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
    const QString dateSeparator = firstSeparator(date, QStringLiteral("/"));
    fs.DateSeparator = toText(dateSeparator);
    fs.ShortDateFormat = toText(joinFormat(date, dateSeparator, u'/'));

    const QList<Piece> shortTime =
        withoutZone(splitFormat(locale.timeFormat(QLocale::ShortFormat)));
    const QList<Piece> longTime = withoutZone(splitFormat(locale.timeFormat(QLocale::LongFormat)));
    const QString timeSeparator = firstSeparator(shortTime, QStringLiteral(":"));
    fs.TimeSeparator = toText(timeSeparator);
    fs.ShortTimeFormat = toText(joinFormat(shortTime, timeSeparator, u':'));
    fs.LongTimeFormat = toText(joinFormat(longTime, timeSeparator, u':'));
    return fs;
}

void loadSystemFormatSettings() {
    setFormatSettings(formatSettingsFor(QLocale::system()));
}

} // namespace velmora
