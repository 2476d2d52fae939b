// Where each slice of a pie lies on the circle and the texts of its mark and legend value,
// worked out apart from any painting (both user interfaces draw from it).
#pragma once

#include <vector>

#include "FormatSettings.h"
#include "Text.h"

namespace velmora {

// One slice as it is drawn. Angles are in degrees, counter-clockwise from three o'clock; the
// first slice starts at 0 and each one starts where the one before it ends.
struct PieShare {
    double StartAngle = 0;
    double SpanAngle = 0; // 0 to 360
    Text Mark;            // share of the circle, "##0.## %": "62.5 %", "100 %", "0 %"
    Text LegendValue;     // the value, "#,##0MB": "1,234MB", "-2MB", "0MB"
};

// Each value takes 360 x |v| / S degrees, S being the sum of |v| over all values; the last one
// ends exactly at 360. When S is 0 the first value takes the whole circle, the others none, and
// every mark reads "0 %". Numbers use the decimal and thousands separators of `settings`.
std::vector<PieShare> computePieShares(const std::vector<double>& values,
                                       const FormatSettings& settings = formatSettings());

} // namespace velmora
