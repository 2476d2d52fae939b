// The number rules shared by the totals, the analysis and the purge.
#pragma once

#include "Text.h"

namespace velmora {

// sum + value, added at extended precision and stored as a double.
double addExtended(double sum, double value);

// Rounds megabytes to two decimals, a half going to the even hundredth.
double RoundToHundredths(double x);

// Whole megabytes with the locale's thousands separator: 1234567.89 gives 1,234,568, a value
// that rounds to 0 gives the empty text.
Text FormatWholeMB(double x);

// General number format: at most 15 significant digits, no trailing zeros, no thousands
// separator, the locale's decimal separator (12.5, 4.71, 0).
Text formatGeneral(double x);

// x rounded to `digits` significant decimal digits, half away from zero, on the value's
// 18-digit decimal form: the digits (no leading zeros, empty for 0) and the position of the
// decimal point relative to them.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0; // value = 0.digits x 10^pointPosition
};
DecimalDigits roundToSignificant(double x, int digits);

} // namespace velmora
