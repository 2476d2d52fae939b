// Trash info files read leniently and written as the Trash Specification gives them.
#include "platform/TrashInfo.h"

#include <ctime>

#include "core/Text.h"
#include "platform/FileNames.h"
#include "platform/PosixFiles.h"

namespace velmora {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView s) {
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

// A cursor over the date text.
struct Reader {
    QByteArrayView s;
    qsizetype i = 0;

    bool atEnd() const { return i >= s.size(); }
    char peek() const { return atEnd() ? '\0' : s[i]; }
    bool take(char c) {
        if (peek() != c)
            return false;
        ++i;
        return true;
    }
    qsizetype digitRun() const {
        qsizetype k = i;
        while (k < s.size() && isAsciiDigit(static_cast<unsigned char>(s[k])))
            ++k;
        return k - i;
    }
    // Reads exactly n digits.
    bool number(qsizetype n, int& value) {
        if (digitRun() < n)
            return false;
        value = 0;
        for (qsizetype k = 0; k < n; ++k)
            value = value * 10 + (s[i++] - '0');
        return true;
    }
    // Reads one or two digits.
    bool shortNumber(int& value) {
        const qsizetype run = digitRun();
        return (run == 1 || run == 2) && number(run, value);
    }
    void skipBlanks() {
        while (!atEnd() && isBlank(s[i]))
            ++i;
    }
};

bool readDate(Reader& r, int& year, int& month, int& day) {
    if (!r.number(4, year))
        return false;
    if (r.take('-'))
        return r.shortNumber(month) && r.take('-') && r.shortNumber(day);
    return r.number(2, month) && r.number(2, day); // YYYYMMDD
}

bool readTime(Reader& r, int& hour, int& minute, int& second, int& msec) {
    second = msec = 0;
    if (r.digitRun() >= 4) { // hhmm or hhmmss
        if (!r.number(2, hour) || !r.number(2, minute))
            return false;
        if (r.digitRun() == 2 && !r.number(2, second))
            return false;
    } else {
        if (!r.shortNumber(hour) || !r.take(':') || !r.number(2, minute))
            return false;
        if (r.take(':') && !r.number(2, second))
            return false;
    }
    if (r.peek() == '.' || r.peek() == ',') {
        ++r.i;
        const qsizetype run = r.digitRun();
        if (run == 0)
            return false;
        int scale = 100;
        for (qsizetype k = 0; k < run; ++k, scale /= 10)
            msec += (r.s[r.i + k] - '0') * scale;
        r.i += run;
    }
    return true;
}

// Z, +hh, +hhmm, +hh:mm or -...; sets hasZone and the offset east of UTC in seconds.
bool readZone(Reader& r, bool& hasZone, int& offset) {
    hasZone = false;
    offset = 0;
    r.skipBlanks();
    if (r.atEnd())
        return true;
    hasZone = true;
    if (r.take('Z') || r.take('z'))
        return true;
    const char sign = r.peek();
    if (sign != '+' && sign != '-')
        return false;
    ++r.i;
    int hours = 0, minutes = 0;
    if (!r.number(2, hours))
        return false;
    if (r.take(':')) {
        if (!r.number(2, minutes))
            return false;
    } else if (r.digitRun() == 2) {
        r.number(2, minutes);
    }
    if (hours > 23 || minutes > 59)
        return false;
    offset = (hours * 60 + minutes) * 60 * (sign == '-' ? -1 : 1);
    return true;
}

} // namespace

bool localDateTimeOf(qint64 seconds, qint64 nanoseconds, TDateTime& local) {
    const time_t t = static_cast<time_t>(seconds);
    struct tm tm {};
    if (!localtime_r(&t, &tm))
        return false;
    TDateTime date = 0, time = 0;
    const int second = tm.tm_sec > 59 ? 59 : tm.tm_sec;
    if (!tryEncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, date) ||
        !tryEncodeTime(tm.tm_hour, tm.tm_min, second, static_cast<int>(nanoseconds / 1000000),
                       time))
        return false;
    local = composeDateTime(date, time);
    return true;
}

bool parseDeletionDate(QByteArrayView text, TDateTime& local) {
    Reader r{trimmed(text)};
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    if (!readDate(r, year, month, day))
        return false;
    if (!r.atEnd()) {
        if (!r.take('T') && !r.take('t')) {
            if (!isBlank(r.peek()))
                return false;
            r.skipBlanks();
        }
        if (!readTime(r, hour, minute, second, msec))
            return false;
    }
    bool hasZone = false;
    int offset = 0;
    if (!readZone(r, hasZone, offset) || !r.atEnd())
        return false;
    if (second == 60) // a leap second
        second = 59;
    TDateTime date = 0, time = 0;
    if (!tryEncodeDate(year, month, day, date) || !tryEncodeTime(hour, minute, second, msec, time))
        return false;
    if (!hasZone) {
        local = composeDateTime(date, time);
        return true;
    }
    const qint64 utc = (static_cast<qint64>(date) - UnixDateDelta) * 86400 + hour * 3600 +
                       minute * 60 + second - offset;
    return localDateTimeOf(utc, qint64(msec) * 1000000, local);
}

TrashInfo parseTrashInfo(QByteArrayView content) {
    TrashInfo info;
    bool seenPath = false, seenDate = false, otherGroup = false;
    forEachLine(content, [&](QByteArrayView line) {
        line = trimmed(line);
        if (line.isEmpty() || line.front() == '#')
            return;
        if (line.front() == '[') {
            otherGroup = line != QByteArrayView("[Trash Info]");
            return;
        }
        if (otherGroup)
            return;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            return;
        const QByteArrayView key = trimmed(line.first(eq));
        const QByteArrayView value = trimmed(line.sliced(eq + 1));
        if (key == QByteArrayView("Path") && !seenPath) {
            seenPath = true;
            info.path = percentDecode(value);
            info.hasPath = !info.path.isEmpty() && !info.path.contains('\0');
            if (!info.hasPath)
                info.path.clear();
        } else if (key == QByteArrayView("DeletionDate") && !seenDate) {
            seenDate = true;
            info.hasDate = parseDeletionDate(value, info.deletionDate);
        }
    });
    return info;
}

QByteArray trashInfoContent(QByteArrayView path, TDateTime deletionDate) {
    const DateParts p = decodeDateTime(deletionDate);
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return QByteArray("[Trash Info]\nPath=") + percentEncode(path) + "\nDeletionDate=" + date +
           "\n";
}

bool splitOriginalPath(QByteArrayView path, QByteArrayView topDir, QByteArrayView& name,
                       QByteArray& folder) {
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf('/');
    name = path.sliced(slash + 1);
    if (name.isEmpty() || name == QByteArrayView(".") || name == QByteArrayView(".."))
        return false;
    const QByteArrayView parent = slash < 0 ? QByteArrayView() : path.first(slash);
    if (path.startsWith('/')) {
        folder = parent.isEmpty() ? QByteArray("/") : parent.toByteArray();
        return true;
    }
    folder = topDir.toByteArray();
    if (!parent.isEmpty()) {
        if (!folder.endsWith('/'))
            folder += '/';
        folder += parent;
    }
    if (folder.isEmpty())
        folder = "/";
    return true;
}

} // namespace velmora
