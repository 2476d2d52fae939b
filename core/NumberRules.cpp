#include "NumberRules.h"

#include <charconv>
#include <cmath>

#include "FormatSettings.h"

namespace velmora {

double addExtended(double sum, double value) {
    return static_cast<double>(static_cast<long double>(sum) + static_cast<long double>(value));
}

double RoundToHundredths(double x) {
    const long double product = static_cast<long double>(x) * 100.0L;
    const long double whole = std::nearbyint(product); // ties to even in the default mode
    return static_cast<double>(whole * 0.01L);
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
        if (roundUp) {
            int k = digits - 1;
            while (k >= 0 && all[static_cast<std::size_t>(k)] == '9')
                all[static_cast<std::size_t>(k--)] = '0';
            if (k < 0) {
                all.insert(all.begin(), '1');
                all.pop_back();
                ++point;
            } else {
                ++all[static_cast<std::size_t>(k)];
            }
        }
    }
    while (!all.empty() && all.back() == '0')
        all.pop_back();
    out.digits = all;
    out.pointPosition = all.empty() ? 0 : point;
    return out;
}

Text FormatWholeMB(double x) {
    const DecimalDigits d = roundToSignificant(x, 15);
    // Whole part, then a half or more of the fraction rounds up.
    std::string whole;
    if (d.pointPosition > 0) {
        whole = d.digits.substr(
            0, std::min<std::size_t>(d.digits.size(), static_cast<std::size_t>(d.pointPosition)));
        whole.append(static_cast<std::size_t>(d.pointPosition) - whole.size(), '0');
    }
    const int firstFractionDigit = d.pointPosition;
    bool roundUp = false;
    if (firstFractionDigit >= 0 && firstFractionDigit < static_cast<int>(d.digits.size()))
        roundUp = d.digits[static_cast<std::size_t>(firstFractionDigit)] >= '5';
    if (roundUp) {
        int k = static_cast<int>(whole.size()) - 1;
        while (k >= 0 && whole[static_cast<std::size_t>(k)] == '9')
            whole[static_cast<std::size_t>(k--)] = '0';
        if (k < 0)
            whole.insert(whole.begin(), '1');
        else
            ++whole[static_cast<std::size_t>(k)];
    }
    if (whole.empty())
        return Text();

    const Text& separator = formatSettings().ThousandSeparator;
    Text out;
    if (d.negative)
        out += u'-';
    for (std::size_t k = 0; k < whole.size(); ++k) {
        if (k > 0 && (whole.size() - k) % 3 == 0)
            out += separator;
        out += static_cast<char16_t>(whole[k]);
    }
    return out;
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
