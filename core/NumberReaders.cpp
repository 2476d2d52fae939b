// Readers of decimal and whole numbers as the conversions accept them.
#include "NumberReaders.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <limits>

#include "FormatSettings.h"

namespace velmora {

namespace {
int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Whether std::from_chars reads long double at its full range and precision. Where the
// standard library has no locale-independent strtold to build it on (MinGW-w64's libstdc++),
// it reads through double, so 1e400 is out of range there and every value loses the 64-bit
// mantissa.
bool fromCharsReadsLongDouble() {
    static const bool full = [] {
        const char probe[] = "1e400";
        long double value = 0;
        return std::numeric_limits<long double>::max_exponent10 < 400 ||
               std::from_chars(probe, probe + sizeof probe - 1, value).ec == std::errc();
    }();
    return full;
}

// Reads the whole of ascii (digits, "." and an exponent, as tryReadDecimal writes them) at long
// double precision; the error is result_out_of_range beyond long double's range.
std::errc readLongDouble(const std::string& ascii, long double& value) {
    if (fromCharsReadsLongDouble()) {
        const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
        return ec == std::errc() && end != ascii.data() + ascii.size() ? std::errc::invalid_argument
                                                                       : ec;
    }
    // strtold reads the C locale's decimal point, whatever the process set it to.
    std::string text = ascii;
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, std::localeconv()->decimal_point);
    errno = 0;
    char* end = nullptr;
    const long double parsed = std::strtold(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return std::errc::invalid_argument;
    if (errno == ERANGE || parsed == std::numeric_limits<long double>::infinity() ||
        parsed == -std::numeric_limits<long double>::infinity())
        return std::errc::result_out_of_range;
    value = parsed;
    return std::errc();
}
} // namespace

bool tryReadDecimal(TextView text, long double& value) {
    const Text& separator = formatSettings().DecimalSeparator;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == u' ')
        ++i;

    std::string ascii; // the number rewritten for the locale-independent reader
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }
    std::size_t intDigits = 0;
    std::size_t significantIntDigits = 0;
    while (i < n && isAsciiDigit(text[i])) {
        if (significantIntDigits > 0 || text[i] != u'0')
            ++significantIntDigits;
        ascii += static_cast<char>(text[i++]);
        ++intDigits;
    }
    if (intDigits == 0)
        ascii += '0';
    bool hasSeparator = false;
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        hasSeparator = true;
        i += separator.size();
        std::string fraction;
        while (i < n && isAsciiDigit(text[i]))
            fraction += static_cast<char>(text[i++]);
        if (!fraction.empty())
            ascii += '.' + fraction;
    }
    if (intDigits == 0 && !hasSeparator)
        return false;

    long long exponent = 0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ascii += 'e';
        ++i;
        bool negative = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            negative = text[i] == u'-';
            ascii += static_cast<char>(text[i++]);
        }
        std::size_t expDigits = 0;
        while (i < n && isAsciiDigit(text[i])) {
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (text[i] - u'0');
            ascii += static_cast<char>(text[i++]);
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
        if (negative)
            exponent = -exponent;
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return false;

    long double parsed = 0;
    const std::errc ec = readLongDouble(ascii, parsed);
    if (ec == std::errc::result_out_of_range) {
        // Too large overflows; too small is 0.
        if (static_cast<long long>(significantIntDigits) + exponent > 0)
            return false;
        parsed = 0;
    } else if (ec != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}

bool tryReadWholeNumber(TextView text, std::int32_t& value) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    std::size_t hexStart = 0;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X'))
        hexStart = i + 1;
    else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X'))
        hexStart = i + 2;
    if (hexStart != 0) {
        const std::size_t digits = n - hexStart;
        if (digits == 0 || digits > 8)
            return false;
        std::uint32_t bits = 0;
        for (std::size_t k = hexStart; k < n; ++k) {
            const int h = hexValue(text[k]);
            if (h < 0)
                return false;
            bits = (bits << 4) | static_cast<std::uint32_t>(h);
        }
        if (negative)
            bits = 0u - bits;
        value = static_cast<std::int32_t>(bits);
        return true;
    }

    if (i == n)
        return false;
    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        if (!isAsciiDigit(text[i]))
            return false;
        magnitude = magnitude * 10 + (text[i] - u'0');
        if (magnitude > 2'147'483'648LL)
            return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

} // namespace velmora
