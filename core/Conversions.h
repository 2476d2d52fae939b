// The conversions between a row's texts and the values the cleaning logic works with, and those
// of the window's entry fields.
#pragma once

#include <cstdint>

#include "DateTime.h"
#include "Text.h"

namespace velmora {

// Megabytes of a size text "<number> KB" or "<number> MB": the unit is the last two
// characters; "," is dropped from the number. Any other unit gives 0 and never fails.
double SizeTextToMB(TextView sizeText);

// The size text the list writes, which SizeTextToMB reads back: kilobytes rounded up, digits
// grouped by "," whatever the locale, a blank and "KB": "0 KB", "4 KB", "1,234 KB".
Text kilobyteSizeText(std::int64_t bytes);

// The deletion date of a row's date text, read in the user's locale.
TDateTime DateTextToDateTime(TextView dateText);

// The cut-off: the picker's value when byDate, otherwise today moved back by the day count.
TDateTime AgeCutOff(bool byDate, TDateTime pickerValue, TextView daysText, TDateTime today);

// A row qualifies when it was deleted strictly before the cut-off.
inline bool IsBeforeCutOff(TDateTime deleted, TDateTime cutOff) {
    return deleted < cutOff;
}

} // namespace velmora
