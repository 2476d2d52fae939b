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

// Removes from both ends every character whose code is U+0020 or lower.
TextView trimControls(TextView text);

// Decimal digits of a whole number, with a leading "-" when negative.
Text decimalText(std::int64_t value);

} // namespace velmora
