// The strict reader of a calendar date given on the command line.
#include "CalendarDate.h"

#include <cstdint>
#include <optional>

#include "FormatSettings.h"

namespace velmora {

namespace {

struct DateNumbers {
    std::int64_t year = 0, month = 0, day = 0;
};

bool isAsciiBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Reads between minDigits and maxDigits ASCII digits at `at`; a longer run is not read at all.
bool readDigits(TextView text, std::size_t& at, std::size_t minDigits, std::size_t maxDigits,
                std::int64_t& value) {
    std::size_t end = at;
    value = 0;
    while (end < text.size() && isAsciiDigit(text[end])) {
        if (value < 100'000'000LL) // a year this long is out of range however it goes on
            value = value * 10 + (text[end] - u'0');
        ++end;
    }
    const std::size_t digits = end - at;
    if (digits < minDigits || digits > maxDigits)
        return false;
    at = end;
    return true;
}

bool readLiteral(TextView text, std::size_t& at, TextView literal) {
    if (literal.empty() || text.substr(at, literal.size()) != literal)
        return false;
    at += literal.size();
    return true;
}

constexpr std::size_t AnyLength = static_cast<std::size_t>(-1);

// year-month-day, the year of four digits or more.
std::optional<DateNumbers> readIso(TextView text) {
    DateNumbers n;
    std::size_t at = 0;
    if (readDigits(text, at, 4, AnyLength, n.year) && readLiteral(text, at, u"-") &&
        readDigits(text, at, 1, 2, n.month) && readLiteral(text, at, u"-") &&
        readDigits(text, at, 1, 2, n.day) && at == text.size())
        return n;
    return std::nullopt;
}

// yyyymmdd, exactly eight digits.
std::optional<DateNumbers> readCompact(TextView text) {
    if (text.size() != 8)
        return std::nullopt;
    DateNumbers n;
    std::size_t at = 0;
    if (readDigits(text, at, 8, 8, n.year)) {
        n.day = n.year % 100;
        n.month = n.year / 100 % 100;
        n.year /= 10'000;
        return n;
    }
    return std::nullopt;
}

// The short date format's fields and literals, matched one after the other.
std::optional<DateNumbers> readShortDate(TextView text, const FormatSettings& fs) {
    const TextView format = fs.ShortDateFormat;
    DateNumbers n;
    bool haveYear = false, haveMonth = false, haveDay = false;
    std::size_t at = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const char16_t c = format[i];
        if (c == u'\'' || c == u'"') {
            // Quoted literal text; '' inside single quotes stands for one quote.
            Text literal;
            ++i;
            while (i < format.size()) {
                if (format[i] == c) {
                    if (c == u'\'' && i + 1 < format.size() && format[i + 1] == c) {
                        literal += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += format[i++];
            }
            if (!literal.empty() && !readLiteral(text, at, literal))
                return std::nullopt;
            continue;
        }
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        i += run;
        bool ok = true;
        switch (c) {
        case u'd':
            ok = !haveDay && readDigits(text, at, 1, 2, n.day);
            haveDay = true;
            break;
        case u'M':
            ok = !haveMonth && readDigits(text, at, 1, 2, n.month);
            haveMonth = true;
            break;
        case u'y':
            ok = !haveYear && readDigits(text, at, 4, AnyLength, n.year);
            haveYear = true;
            break;
        case u'/':
            for (std::size_t k = 0; k < run && ok; ++k)
                ok = readLiteral(text, at, fs.DateSeparator);
            break;
        case u'H':
        case u'h':
        case u'm':
        case u's':
        case u'z':
        case u'A':
        case u'a':
        case u't':
        case u':':
            ok = false; // a short date that holds a time is no calendar date
            break;
        default:
            for (std::size_t k = 0; k < run && ok; ++k)
                ok = readLiteral(text, at, TextView(&c, 1));
            break;
        }
        if (!ok)
            return std::nullopt;
    }
    if (!haveYear || !haveMonth || !haveDay || at != text.size())
        return std::nullopt;
    return n;
}

} // namespace

CalendarDateRead readCalendarDate(TextView text, TDateTime& date) {
    const TextView s = trimWhere(text, isAsciiBlank);
    std::optional<DateNumbers> n = readIso(s);
    if (!n)
        n = readCompact(s);
    if (!n)
        n = readShortDate(s, formatSettings());
    if (!n)
        return CalendarDateRead::NotADate;
    if (n->year < FirstCalendarYear || n->year > LastCalendarYear)
        return CalendarDateRead::YearOutOfRange;
    TDateTime value = 0;
    if (!tryEncodeDate(static_cast<int>(n->year), static_cast<int>(n->month),
                       static_cast<int>(n->day), value))
        return CalendarDateRead::NotADate;
    date = value;
    return CalendarDateRead::Ok;
}

} // namespace velmora
