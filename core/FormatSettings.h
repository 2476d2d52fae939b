// The process-wide record of the user's regional settings, read by every conversion when it runs.
#pragma once

#include "Text.h"

namespace velmora {

// Format texts use these letters; anything else is written as it stands:
//   d dd        day of the month            M MM        month number
//   yy yyyy     year (two or four digits)    H HH        hour, 0-23
//   h hh        hour, 1-12 when the format has AP, otherwise 0-23
//   m mm        minute                      s ss        second
//   z zzz       millisecond                 AP ap A a   TimeAMString / TimePMString
//   /           DateSeparator               :           TimeSeparator
//   '...'       literal text ('' is a single quote)
struct FormatSettings {
    Text DecimalSeparator = u".";
    Text ThousandSeparator = u","; // empty: the locale groups no digits
    Text DateSeparator = u"/";
    Text TimeSeparator = u":";
    Text ShortDateFormat = u"yyyy/M/d";
    Text ShortTimeFormat = u"H:mm";
    Text LongTimeFormat = u"H:mm:ss";
    Text TimeAMString = u"AM";
    Text TimePMString = u"PM";
    // A two-digit year is placed within this many years before the current year and the
    // years after it up to the next century; 0 places it in the current century.
    int TwoDigitYearCenturyWindow = 50;
};

// The record the conversions read. Filled from the user's locale at start-up; tests set it.
const FormatSettings& formatSettings();
void setFormatSettings(const FormatSettings& settings);

} // namespace velmora
