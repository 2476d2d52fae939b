// The number rules shared by the totals, the analysis, the purge and the chart: extended-precision
// sums, rounding on decimal digits, digit grouping and the number texts built from them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "FormatSettings.h"
#include "Text.h"

namespace velmora {

// sum + value, added at extended precision and stored as a double.
double addExtended(double sum, double value);

// Rounds megabytes to two decimals, a half going to the even hundredth.
double RoundToHundredths(double x);

// A sum of megabytes kept at extended precision, item after item, and rounded only where it is
// written: items of 4 KB each add up instead of vanishing one rounding at a time.
class MegabyteSum {
public:
    void add(double megabytes) { total_ += static_cast<long double>(megabytes); }
    long double total() const { return total_; }
    // The sum rounded once to two decimals, a half going to the even hundredth.
    double hundredths() const;
    // The sum in whole megabytes as FormatWholeMB writes it: "0" under half a megabyte.
    Text wholeText() const;

private:
    long double total_ = 0;
};

// Whole megabytes with the locale's thousands separator: 1234567.89 gives 1,234,568, a value
// that rounds to 0 gives "0". Never a text without digits.
Text FormatWholeMB(double x);

// General number format: at most 15 significant digits, no trailing zeros, no thousands
// separator, the locale's decimal separator (12.5, 4.71, 0).
Text formatGeneral(double x);

// The chart's two formats, named after their patterns, rounding half away from zero on the
// value's 15-significant-digit decimal form with the separators of `settings`:
// "##0.## %" ("62.5 %", "100 %", "0 %") and "#,##0MB" ("1,234MB", "-2MB", "0MB").
Text formatPatternPercent(double percent, const FormatSettings& settings);
Text formatPatternGroupedMB(double value, const FormatSettings& settings);

// x rounded to `digits` significant decimal digits, half away from zero, on the value's
// 18-digit decimal form: the digits (no leading zeros, empty for 0) and the position of the
// decimal point relative to them.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0; // value = 0.digits x 10^pointPosition
};
DecimalDigits roundToSignificant(double x, int digits);

// x rounded to a fixed count of decimals, half away from zero. The rounding works on the 15
// significant digits of x, so that 0.285 (stored as 0.28499999999999998) gives 0.29, as the
// decimal text the user would read suggests.
struct FixedDigits {
    bool negative = false; // never for a value that rounds to 0
    std::string whole;     // at least one digit, no leading zeros
    std::string fraction;  // exactly `decimals` digits
};
FixedDigits roundToDecimals(double x, int decimals);

// Decimal digits with `separator` between groups of three, counted from the right.
Text groupThousands(std::string_view digits, TextView separator);

} // namespace velmora
