// Readers of decimal and whole numbers as the conversions accept them.
#pragma once

#include <cstdint>

#include "Text.h"

namespace velmora {

// A decimal number: optional blanks (U+0020), an optional sign, digits with the locale's
// decimal separator, an optional exponent, optional blanks. The value is formed at extended
// precision. False for any other text and for a value that overflows.
bool tryReadDecimal(TextView text, long double& value);

// A whole number in the signed 32-bit range: optional leading blanks, an optional sign, then
// decimal digits, or "$", "x", "X", "0x" or "0X" and one to eight hexadecimal digits (read
// as a 32-bit two's-complement value).
bool tryReadWholeNumber(TextView text, std::int32_t& value);

} // namespace velmora
