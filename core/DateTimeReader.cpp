// The locale-aware reader of date and time texts, and the text clean-up that precedes it.
#include "DateTimeReader.h"

#include <array>
#include <cstdint>
#include <optional>

#include "FormatSettings.h"

namespace velmora {

namespace {

// Unicode format characters (category Cf) of the Basic Multilingual Plane.
constexpr std::array<std::pair<char16_t, char16_t>, 14> FormatCharacters = {{
    {0x00AD, 0x00AD},
    {0x0600, 0x0605},
    {0x061C, 0x061C},
    {0x06DD, 0x06DD},
    {0x070F, 0x070F},
    {0x0890, 0x0891},
    {0x08E2, 0x08E2},
    {0x180E, 0x180E},
    {0x200B, 0x200F},
    {0x202A, 0x202E},
    {0x2060, 0x2064},
    {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},
    {0xFFF9, 0xFFFB},
}};

bool isFormatCharacter(char16_t c) {
    for (const auto& [first, last] : FormatCharacters)
        if (c >= first && c <= last)
            return true;
    return false;
}

bool isBlank(char16_t c) {
    return c <= u' ' || c == 0x00A0 || c == 0x202F || c == 0x3000;
}

char16_t asciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

bool startsWithNoCase(TextView text, std::size_t at, TextView prefix) {
    if (prefix.empty() || text.size() - at < prefix.size())
        return false;
    for (std::size_t k = 0; k < prefix.size(); ++k)
        if (asciiUpper(text[at + k]) != asciiUpper(prefix[k]))
            return false;
    return true;
}

Text trimBlanks(TextView text) {
    return Text(trimWhere(text, isBlank));
}

enum class Order { YMD, MDY, DMY };

// The order of year, month and day in the short date format.
Order dateOrder(TextView format) {
    Text letters;
    bool quoted = false;
    for (char16_t c : format) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'y' || c == u'M' || c == u'd') && letters.find(c) == Text::npos)
            letters += c;
    }
    if (letters.rfind(u"M", 0) == 0)
        return Order::MDY;
    if (letters.rfind(u"d", 0) == 0)
        return Order::DMY;
    return Order::YMD;
}

struct Number {
    std::int64_t value = 0;
    std::size_t digits = 0;
};

int currentYear() {
    return localNow().year;
}

// Builds a date from three numbers in the given order; Overflow for a year beyond 9999.
DateReadResult makeDate(const std::array<Number, 3>& n, Order order, TDateTime& date) {
    Number y, m, d;
    switch (order) {
    case Order::YMD:
        y = n[0], m = n[1], d = n[2];
        break;
    case Order::MDY:
        m = n[0], d = n[1], y = n[2];
        break;
    case Order::DMY:
        d = n[0], m = n[1], y = n[2];
        break;
    }
    if (y.value > 9999)
        return DateReadResult::Overflow;
    std::int64_t year = y.value;
    if (y.digits <= 2)
        year = expandTwoDigitYear(static_cast<int>(year), currentYear(),
                                  formatSettings().TwoDigitYearCenturyWindow);
    if (m.value > 12 || d.value > 31)
        return DateReadResult::Mismatch;
    return tryEncodeDate(static_cast<int>(year), static_cast<int>(m.value),
                         static_cast<int>(d.value), date)
               ? DateReadResult::Ok
               : DateReadResult::Mismatch;
}

// A cursor over the cleaned text with the pieces of the grammar.
class Scanner {
public:
    explicit Scanner(TextView text) : s_(text), fs_(formatSettings()) {}

    DateReadResult read(TDateTime& result) {
        skipBlanks();
        TDateTime date = 0;
        TDateTime time = 0;
        bool hasDate = false;
        bool hasTime = false;

        if (atDesignator()) {
            // A designator before the time: "上午10:30", "PM 3:15".
            if (!readTime(time))
                return DateReadResult::Mismatch;
            hasTime = true;
        } else {
            const std::size_t start = i_;
            Number first;
            if (!readNumber(first))
                return DateReadResult::Mismatch;
            const std::size_t afterFirst = i_;
            skipBlanks();
            if (atTimeSeparator() || atDesignator()) {
                i_ = start;
                if (!readTime(time))
                    return DateReadResult::Mismatch;
                hasTime = true;
            } else {
                i_ = afterFirst;
                const DateReadResult r = readDate(first, date);
                if (r != DateReadResult::Ok)
                    return r;
                hasDate = true;
            }
        }

        // The second half: a time after the date, or a date after the time.
        const std::size_t beforeGap = i_;
        const bool gap = skipBlanks();
        if (hasDate && !atEnd()) {
            bool joined = gap;
            if (!joined && i_ < s_.size() && (s_[i_] == u'T' || s_[i_] == u't' || s_[i_] == u',')) {
                ++i_;
                skipBlanks();
                joined = true;
            }
            if (!joined || !readTime(time))
                return DateReadResult::Mismatch;
            hasTime = true;
        } else if (hasTime && !atEnd()) {
            Number first;
            if (!gap || !readNumber(first))
                return DateReadResult::Mismatch;
            const DateReadResult r = readDate(first, date);
            if (r != DateReadResult::Ok)
                return r;
            hasDate = true;
        } else {
            i_ = beforeGap;
            skipBlanks();
        }
        skipBlanks();
        if (!atEnd() || (!hasDate && !hasTime))
            return DateReadResult::Mismatch;
        result = composeDateTime(date, time);
        return DateReadResult::Ok;
    }

private:
    bool atEnd() const { return i_ >= s_.size(); }

    bool skipBlanks() {
        const std::size_t start = i_;
        while (i_ < s_.size() && isBlank(s_[i_]))
            ++i_;
        return i_ != start;
    }

    bool readNumber(Number& n) {
        const std::size_t start = i_;
        n = Number{};
        while (i_ < s_.size() && isAsciiDigit(s_[i_])) {
            if (n.value < 100'000'000'000LL)
                n.value = n.value * 10 + (s_[i_] - u'0');
            ++i_;
        }
        n.digits = i_ - start;
        return n.digits > 0;
    }

    bool match(TextView token) {
        if (!token.empty() && s_.substr(i_, token.size()) == token) {
            i_ += token.size();
            return true;
        }
        return false;
    }

    // The locale's date separator without its blanks ("yy. M. d." separates by ". ").
    Text dateSeparator() const { return trimBlanks(fs_.DateSeparator); }

    bool atTimeSeparator() const {
        if (atEnd())
            return false;
        const char16_t c = s_[i_];
        if (c == u':' || c == u'时' || c == u'時')
            return true;
        const Text sep = trimBlanks(fs_.TimeSeparator);
        return !sep.empty() && sep != dateSeparator() && s_.substr(i_, sep.size()) == sep;
    }

    // A date separator with optional blanks around it; "年" and "月" count as ones.
    bool readDateSeparator() {
        const std::size_t start = i_;
        skipBlanks();
        const Text sep = dateSeparator();
        if (match(sep) || match(u"/") || match(u"-") || match(u".") || match(u"年") ||
            match(u"月")) {
            skipBlanks();
            return true;
        }
        i_ = start;
        return false;
    }

    DateReadResult readDate(const Number& first, TDateTime& date) {
        std::array<Number, 3> n{first, {}, {}};
        for (int k = 1; k < 3; ++k)
            if (!readDateSeparator() || !readNumber(n[static_cast<std::size_t>(k)]))
                return DateReadResult::Mismatch;
        // A closing mark after the day: "27日", "27." or "d." of some locales.
        const std::size_t beforeEnd = i_;
        if (!match(u"日")) {
            const Text sep = dateSeparator();
            if (!(match(sep) || match(u".")) || (!atEnd() && !isBlank(s_[i_])))
                i_ = beforeEnd;
        }
        const Order order = first.digits >= 3 ? Order::YMD : dateOrder(fs_.ShortDateFormat);
        return makeDate(n, order, date);
    }

    // 0 when no designator stands here, 1 for the morning, 2 for the afternoon.
    int designatorLength(int& which) const {
        const TextView candidates[] = {fs_.TimeAMString, fs_.TimePMString, u"AM", u"PM"};
        std::size_t best = 0;
        which = 0;
        for (int k = 0; k < 4; ++k) {
            const TextView c = candidates[k];
            if (c.size() > best && startsWithNoCase(s_, i_, c)) {
                best = c.size();
                which = k % 2 == 0 ? 1 : 2;
            }
        }
        return static_cast<int>(best);
    }

    bool atDesignator() const {
        int which = 0;
        return !atEnd() && designatorLength(which) > 0;
    }

    int readDesignator() {
        int which = 0;
        const int length = designatorLength(which);
        i_ += static_cast<std::size_t>(length);
        return length > 0 ? which : 0;
    }

    bool readTimeSeparator() {
        const Text sep = trimBlanks(fs_.TimeSeparator);
        return match(u":") || match(sep) || match(u"时") || match(u"時") || match(u"分");
    }

    // [designator] h[:mm[:ss[.fff]]] [designator]; a bare hour needs a designator.
    bool readTime(TDateTime& time) {
        int designator = 0;
        if (atDesignator()) {
            designator = readDesignator();
            skipBlanks();
        }
        Number h, m, s;
        if (!readNumber(h) || h.digits > 2)
            return false;
        int msec = 0;
        const std::size_t afterHour = i_;
        if (readTimeSeparator() && readNumber(m)) {
            if (m.digits > 2)
                return false;
            const std::size_t afterMinute = i_;
            if (readTimeSeparator() && readNumber(s)) {
                if (s.digits > 2)
                    return false;
                const std::size_t afterSecond = i_;
                if ((match(u".") || match(u",") || match(fs_.DecimalSeparator)) && i_ < s_.size() &&
                    isAsciiDigit(s_[i_])) {
                    int scale = 100;
                    while (i_ < s_.size() && isAsciiDigit(s_[i_])) {
                        msec += (s_[i_++] - u'0') * scale;
                        scale /= 10;
                    }
                } else {
                    i_ = afterSecond;
                }
                match(u"秒");
            } else {
                i_ = afterMinute;
                match(u"分");
            }
        } else {
            i_ = afterHour;
            m = Number{};
        }
        if (designator == 0) {
            const std::size_t beforeBlank = i_;
            skipBlanks();
            designator = readDesignator();
            if (designator == 0)
                i_ = beforeBlank;
        }
        if (m.digits == 0 && designator == 0)
            return false; // a lone number is not a time
        std::int64_t hour = h.value;
        if (designator != 0) {
            if (hour > 12)
                return false;
            if (designator == 1 && hour == 12)
                hour = 0;
            else if (designator == 2 && hour < 12)
                hour += 12;
        }
        return tryEncodeTime(static_cast<int>(hour), static_cast<int>(m.value),
                             static_cast<int>(s.value), msec, time);
    }

    TextView s_;
    const FormatSettings& fs_;
    std::size_t i_ = 0;
};

} // namespace

int expandTwoDigitYear(int year, int currentYear, int centuryWindow) {
    const int base = currentYear - centuryWindow;
    year += base / 100 * 100;
    if (centuryWindow > 0 && year < base)
        year += 100;
    return year;
}

Text throughNarrowCodePage(TextView text) {
    Text out(text);
    for (char16_t& c : out)
        if (isFormatCharacter(c) || (c >= 0xD800 && c <= 0xDFFF))
            c = u'?';
    return out;
}

DateReadResult readLocaleDateTime(TextView text, TDateTime& result) {
    const Text cleaned = trimBlanks(text);
    if (cleaned.empty())
        return DateReadResult::Mismatch;
    return Scanner(cleaned).read(result);
}

bool tryReadShortDate(TextView text, TDateTime& result) {
    const FormatSettings& fs = formatSettings();
    const TextView sep = fs.DateSeparator;
    std::array<Number, 3> n{};
    std::size_t i = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        if (k > 0) {
            if (sep.empty() || text.substr(i, sep.size()) != sep)
                return false;
            i += sep.size();
        }
        const std::size_t start = i;
        while (i < text.size() && isAsciiDigit(text[i])) {
            if (n[k].value < 100'000)
                n[k].value = n[k].value * 10 + (text[i] - u'0');
            ++i;
        }
        n[k].digits = i - start;
        if (n[k].digits == 0)
            return false;
    }
    if (i != text.size())
        return false;
    TDateTime date = 0;
    if (makeDate(n, dateOrder(fs.ShortDateFormat), date) != DateReadResult::Ok)
        return false;
    result = date;
    return true;
}

} // namespace velmora
