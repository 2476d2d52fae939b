// The number rules: extended-precision sums, decimal rounding, digit grouping, number texts.
#include "NumberRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmora {

namespace {

// Adds one to the last digit of a run of decimal digits, carrying; true when the carry ran past
// the first digit and a new leading "1" was added.
bool addOneToLastDigit(std::string& digits) {
    for (auto k = digits.size(); k-- > 0;) {
        if (digits[k] != '9') {
            ++digits[k];
            return false;
        }
        digits[k] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

Text asText(std::string_view ascii) {
    return Text(ascii.begin(), ascii.end());
}

} // namespace

double addExtended(double sum, double value) {
    return static_cast<double>(static_cast<long double>(sum) + static_cast<long double>(value));
}

double RoundToHundredths(double x) {
    const long double product = static_cast<long double>(x) * 100.0L;
    const long double whole = std::nearbyint(product); // ties to even in the default mode
    return static_cast<double>(whole * 0.01L);
}

double MegabyteSum::hundredths() const {
    const long double whole = std::nearbyint(total_ * 100.0L); // ties to even
    return static_cast<double>(whole * 0.01L);
}

Text MegabyteSum::wholeText() const {
    return FormatWholeMB(static_cast<double>(total_));
}

DecimalDigits roundToSignificant(double x, int digits) {
    DecimalDigits out;
    out.negative = std::signbit(x) && x != 0;
    if (x == 0 || !std::isfinite(x))
        return out;
    // 18 significant digits of the exact binary value: d.ddddddddddddddddde±x
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                      std::chars_format::scientific, 17);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    std::string all = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = std::stoi(text.substr(e + 1));
    int point = exponent + 1;

    if (digits < static_cast<int>(all.size())) {
        const bool roundUp = all[static_cast<std::size_t>(digits)] >= '5';
        all.resize(static_cast<std::size_t>(digits));
        if (roundUp && addOneToLastDigit(all)) {
            all.pop_back();
            ++point;
        }
    }
    while (!all.empty() && all.back() == '0')
        all.pop_back();
    out.digits = all;
    out.pointPosition = all.empty() ? 0 : point;
    return out;
}

FixedDigits roundToDecimals(double x, int decimals) {
    const DecimalDigits d = roundToSignificant(x, 15);
    const auto size = static_cast<int>(d.digits.size());
    // x = 0.digits x 10^pointPosition: the first `keep` digits lie at or above 10^-decimals.
    const int keep = d.digits.empty() ? 0 : d.pointPosition + decimals;
    std::string kept;
    if (keep > 0) {
        kept = d.digits.substr(0, static_cast<std::size_t>(std::min(keep, size)));
        kept.append(static_cast<std::size_t>(keep) - kept.size(), '0');
    }
    if (keep >= 0 && keep < size && d.digits[static_cast<std::size_t>(keep)] >= '5')
        addOneToLastDigit(kept);
    // `kept` is now x x 10^decimals as a whole number.
    const auto minimum = static_cast<std::size_t>(decimals) + 1;
    if (kept.size() < minimum)
        kept.insert(0, minimum - kept.size(), '0');
    FixedDigits out;
    out.fraction = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
    out.whole = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    const std::size_t firstNonZero = out.whole.find_first_not_of('0');
    out.whole.erase(0, std::min(firstNonZero, out.whole.size() - 1));
    out.negative = d.negative && kept.find_first_not_of('0') != std::string::npos;
    return out;
}

Text groupThousands(std::string_view digits, TextView separator) {
    Text out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0)
            out += separator;
        out += static_cast<char16_t>(digits[k]);
    }
    return out;
}

Text FormatWholeMB(double x) {
    const FixedDigits f = roundToDecimals(x, 0);
    return (f.negative ? Text(u"-") : Text()) +
           groupThousands(f.whole, formatSettings().ThousandSeparator);
}

Text formatPatternPercent(double percent, const FormatSettings& settings) {
    FixedDigits f = roundToDecimals(percent, 2);
    while (!f.fraction.empty() && f.fraction.back() == '0')
        f.fraction.pop_back();
    Text out = f.negative ? Text(u"-") : Text();
    out += asText(f.whole);
    if (!f.fraction.empty())
        out += settings.DecimalSeparator + asText(f.fraction);
    return out + u" %";
}

Text formatPatternGroupedMB(double value, const FormatSettings& settings) {
    const FixedDigits f = roundToDecimals(value, 0);
    return (f.negative ? Text(u"-") : Text()) +
           groupThousands(f.whole, settings.ThousandSeparator) + u"MB";
}

Text formatGeneral(double x) {
    const DecimalDigits d = roundToSignificant(x, 15);
    if (d.digits.empty())
        return u"0";
    const Text& decimal = formatSettings().DecimalSeparator;
    Text out;
    if (d.negative)
        out += u'-';
    const int n = static_cast<int>(d.digits.size());
    const int point = d.pointPosition;
    auto put = [&](const std::string& s) { out.append(s.begin(), s.end()); };
    if (point > 15 || point < -4) {
        // Scientific: d.dddE±x
        put(d.digits.substr(0, 1));
        if (n > 1) {
            out += decimal;
            put(d.digits.substr(1));
        }
        out += u'E';
        const int exponent = point - 1;
        if (exponent < 0)
            out += u'-';
        put(std::to_string(exponent < 0 ? -exponent : exponent));
    } else if (point <= 0) {
        out += u'0';
        out += decimal;
        out.append(static_cast<std::size_t>(-point), u'0');
        put(d.digits);
    } else if (point >= n) {
        put(d.digits);
        out.append(static_cast<std::size_t>(point - n), u'0');
    } else {
        put(d.digits.substr(0, static_cast<std::size_t>(point)));
        out += decimal;
        put(d.digits.substr(static_cast<std::size_t>(point)));
    }
    return out;
}

} // namespace velmora
