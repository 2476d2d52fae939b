// Text helpers of the core: UTF-16 text (std::u16string) to and from UTF-8, trimming, digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// Lengths, the last characters and substring tests of texts count UTF-16 code units.
using Text = std::u16string;
using TextView = std::u16string_view;

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(TextView text);
// UTF-8 to UTF-16; an invalid byte sequence becomes U+FFFD.
Text fromUtf8(std::string_view utf8);

// Removes from both ends the characters for which isBlank(c) is true.
template <class Pred> TextView trimWhere(TextView text, Pred isBlank) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// Removes from both ends every character whose code is U+0020 or lower.
TextView trimControls(TextView text);

// '0' to '9' only, whatever the locale.
constexpr bool isAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Decimal digits of a whole number, with a leading "-" when negative.
Text decimalText(std::int64_t value);

} // namespace velmora
