// Writing a TDateTime by a format of FormatSettings.
#pragma once

#include "DateTime.h"
#include "Text.h"

namespace velmora {

// Writes value by a format as FormatSettings describes them, with its separators and
// designators.
Text formatDateTime(TextView format, TDateTime value);

// The short date; then a blank and the long time when the time of day is not exactly
// 00:00:00.000.
Text dateTimeText(TDateTime value);

// The short date with a four-digit year, a blank and the short time: how lists show a moment.
Text listDateTimeText(TDateTime value);

} // namespace velmora
