// Sets the process-wide format settings for one test and restores them afterwards.
#pragma once

#include "core/FormatSettings.h"

namespace velmora::test {

class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(const FormatSettings& settings) : saved_(formatSettings()) {
        setFormatSettings(settings);
    }
    ~ScopedFormatSettings() { setFormatSettings(saved_); }
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

private:
    FormatSettings saved_;
};

// Settings of a year/month/day locale with "/" and a 24-hour clock, as zh_CN has them.
inline FormatSettings chineseSettings() {
    FormatSettings fs;
    fs.DecimalSeparator = u".";
    fs.ThousandSeparator = u",";
    fs.DateSeparator = u"/";
    fs.TimeSeparator = u":";
    fs.ShortDateFormat = u"yyyy/M/d";
    fs.ShortTimeFormat = u"HH:mm";
    fs.LongTimeFormat = u"HH:mm:ss";
    fs.TimeAMString = u"上午";
    fs.TimePMString = u"下午";
    fs.TwoDigitYearCenturyWindow = 50;
    return fs;
}

// Settings of a day.month.year locale with "," as the decimal separator, as de_DE has them.
inline FormatSettings germanSettings() {
    FormatSettings fs = chineseSettings();
    fs.DecimalSeparator = u",";
    fs.ThousandSeparator = u".";
    fs.DateSeparator = u".";
    fs.ShortDateFormat = u"dd/MM/yyyy";
    fs.TimeAMString = u"AM";
    fs.TimePMString = u"PM";
    return fs;
}

// Settings of a month/day/year locale with a 12-hour clock, as en_US has them.
inline FormatSettings americanSettings() {
    FormatSettings fs = chineseSettings();
    fs.ShortDateFormat = u"M/d/yyyy";
    fs.ShortTimeFormat = u"h:mm AP";
    fs.LongTimeFormat = u"h:mm:ss AP";
    fs.TimeAMString = u"AM";
    fs.TimePMString = u"PM";
    return fs;
}

} // namespace velmora::test
