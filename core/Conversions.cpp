// The conversions between a row's texts and values, and those of the entry fields.
#include "Conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "DateTimeReader.h"
#include "Errors.h"
#include "NumberReaders.h"
#include "NumberRules.h"
#include "Translate.h"

namespace velmora {

namespace {
const Text TypeUnicodeString = u"UnicodeString";
const Text TypeDate = u"Date";

[[noreturn]] void throwNotADate(TextView dateText) {
    throw ConvertError(
        withArguments(
            coreTranslate("Errors", "Could not convert variant of type (%1) into type (%2)"),
            {TypeUnicodeString, TypeDate}),
        Text(dateText));
}

[[noreturn]] void throwDateOverflow(TextView dateText) {
    throw ConvertError(
        withArguments(
            coreTranslate("Errors",
                          "Overflow while converting variant of type (%1) into type (%2)"),
            {TypeUnicodeString, TypeDate}),
        Text(dateText));
}

// The megabytes of a size text's number part, given in units of `perMegabyte`. A number that
// reads at extended precision but whose megabytes a double cannot hold (1e999 MB) is as
// unreadable as one that overflows the reader: it would count as infinite space.
double readSizeNumber(TextView sizeText, TextView numberPart, long double perMegabyte) {
    Text digits(numberPart);
    digits.erase(std::remove(digits.begin(), digits.end(), u','), digits.end());
    const TextView trimmed = trimControls(digits);
    long double value = 0;
    if (!tryReadDecimal(trimmed, value) ||
        std::fabs(value / perMegabyte) > std::numeric_limits<double>::max())
        throw ConvertError(
            withArguments(coreTranslate("Errors", "'%1' is not a valid floating point value"),
                          {trimmed}),
            Text(sizeText));
    return static_cast<double>(value / perMegabyte);
}

// Whether a number of days since 30 December 1899, rounded to the millisecond as dates are,
// falls on a day of the years 1 to 9999.
bool isWithinDateRange(long double days) {
    constexpr long double msecsPerDay = 86'400'000.0L;
    const long double msecs = std::nearbyint(days * msecsPerDay);
    return msecs > -693'594.0L * msecsPerDay && msecs < 2'958'466.0L * msecsPerDay;
}
} // namespace

double SizeTextToMB(TextView sizeText) {
    const std::size_t unitLength = std::min<std::size_t>(2, sizeText.size());
    const TextView unit = sizeText.substr(sizeText.size() - unitLength);
    const TextView numberPart = sizeText.substr(0, sizeText.size() - unitLength);
    if (unit == u"KB")
        return readSizeNumber(sizeText, numberPart, 1024.0L);
    if (unit == u"MB")
        return readSizeNumber(sizeText, numberPart, 1.0L);
    return 0;
}

Text kilobyteSizeText(std::int64_t bytes) {
    const std::int64_t kilobytes = bytes <= 0 ? 0 : (bytes - 1) / 1024 + 1;
    return groupThousands(std::to_string(kilobytes), u",") + u" KB";
}

TDateTime DateTextToDateTime(TextView dateText) {
    Text text = throughNarrowCodePage(dateText);
    text.erase(std::remove(text.begin(), text.end(), u'?'), text.end());

    TDateTime result = 0;
    switch (readLocaleDateTime(text, result)) {
    case DateReadResult::Ok:
        return result;
    case DateReadResult::Overflow:
        throwDateOverflow(dateText);
    case DateReadResult::Mismatch:
        break;
    }
    if (tryReadShortDate(text, result))
        return result;
    // A plain number is a count of days; beyond the years 1 to 9999 it is no date.
    long double number = 0;
    if (!text.empty() && tryReadDecimal(text, number)) {
        if (!isWithinDateRange(number))
            throwDateOverflow(dateText);
        return static_cast<double>(number);
    }
    throwNotADate(dateText);
}

TDateTime AgeCutOff(bool byDate, TDateTime pickerValue, TextView daysText, TDateTime today) {
    if (byDate)
        return pickerValue;

    std::int32_t days = 0;
    if (!tryReadWholeNumber(daysText, days))
        throw ConvertError(
            withArguments(coreTranslate("Errors", "''%1'' is not a valid integer value"),
                          {daysText}),
            Text(daysText));

    const std::int64_t hours = static_cast<std::int64_t>(days) * 24;
    const std::int64_t msecs = timeStampToMSecs(dateTimeToTimeStamp(today)) - hours * 3'600'000LL;
    const TimeStamp stamp = msecsToTimeStamp(msecs);
    if (stamp.date < 0 || stamp.time < 0)
        throw ConvertError(
            coreTranslate("Errors", "Overflow: the cut-off falls before 1 January of year 1"));
    if (stamp.date > 2'147'483'647LL)
        throwNotATimestamp(stamp);
    return timeStampToDateTime(stamp); // day 0 fails here with '0.0'
}

} // namespace velmora
