// Writing a TDateTime by a format of FormatSettings.
#include "DateTimeFormat.h"

#include "FormatSettings.h"

namespace velmora {

namespace {
void appendNumber(Text& out, int value, int width) {
    Text digits = decimalText(value);
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), u'0');
    out += digits;
}

bool isDesignatorAt(TextView format, std::size_t i) {
    return format[i] == u'A' || format[i] == u'a';
}

bool hasDesignator(TextView format) {
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'\'')
            quoted = !quoted;
        else if (!quoted && isDesignatorAt(format, i))
            return true;
    }
    return false;
}

Text format(TextView fmt, TDateTime value, bool fourDigitYear) {
    const FormatSettings& fs = formatSettings();
    const DateParts p = decodeDateTime(value);
    const bool twelveHour = hasDesignator(fmt);
    Text out;
    std::size_t i = 0;
    while (i < fmt.size()) {
        const char16_t c = fmt[i];
        if (c == u'\'' || c == u'"') {
            const char16_t quote = c;
            ++i;
            while (i < fmt.size()) {
                if (fmt[i] == quote) {
                    if (quote == u'\'' && i + 1 < fmt.size() && fmt[i + 1] == quote) {
                        out += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += fmt[i++];
            }
            continue;
        }
        std::size_t run = 1;
        while (i + run < fmt.size() && fmt[i + run] == c)
            ++run;
        switch (c) {
        case u'd':
            appendNumber(out, p.day, run >= 2 ? 2 : 1);
            break;
        case u'M':
            appendNumber(out, p.month, run >= 2 ? 2 : 1);
            break;
        case u'y':
            if (run <= 2 && !fourDigitYear)
                appendNumber(out, p.year % 100, 2);
            else
                appendNumber(out, p.year, 4);
            break;
        case u'H':
            appendNumber(out, p.hour, run >= 2 ? 2 : 1);
            break;
        case u'h': {
            int hour = p.hour;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            appendNumber(out, hour, run >= 2 ? 2 : 1);
            break;
        }
        case u'm':
            appendNumber(out, p.minute, run >= 2 ? 2 : 1);
            break;
        case u's':
            appendNumber(out, p.second, run >= 2 ? 2 : 1);
            break;
        case u'z':
            appendNumber(out, p.msec, 3);
            break;
        case u'A':
        case u'a':
            out += p.hour < 12 ? fs.TimeAMString : fs.TimePMString;
            // "AP" and "ap" are one designator; a single "A" or "a" is one too.
            run = (i + 1 < fmt.size() && (fmt[i + 1] == u'P' || fmt[i + 1] == u'p')) ? 2 : 1;
            break;
        case u't':
            break; // time zone names are not written
        case u'/':
            for (std::size_t k = 0; k < run; ++k)
                out += fs.DateSeparator;
            break;
        case u':':
            for (std::size_t k = 0; k < run; ++k)
                out += fs.TimeSeparator;
            break;
        default:
            out.append(run, c);
            break;
        }
        i += run;
    }
    return out;
}
} // namespace

Text formatDateTime(TextView fmt, TDateTime value) {
    return format(fmt, value, false);
}

Text dateTimeText(TDateTime value) {
    const FormatSettings& fs = formatSettings();
    Text out = format(fs.ShortDateFormat, value, false);
    if (dateTimeToTimeStamp(value).time != 0)
        out += u' ' + format(fs.LongTimeFormat, value, false);
    return out;
}

Text listDateTimeText(TDateTime value) {
    const FormatSettings& fs = formatSettings();
    return format(fs.ShortDateFormat, value, true) + u' ' + format(fs.ShortTimeFormat, value, true);
}

} // namespace velmora
