// Fuzzes the date-time reader of the list's texts in six locales (the first byte chooses): any
// text gives a date or a ConvertError, and a date it reads in the years 1601-9999 is written
// back by the list's own formatter and read again to the same minute. Plain numbers, which the
// reader takes as day counts, need only give a date or an error.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzLocales.h"
#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "core/DateTimeReader.h"
#include "core/Errors.h"
#include "core/NumberReaders.h"

using namespace velmora;

namespace {

bool isPlainNumber(TextView text) {
    Text cleaned = throughNarrowCodePage(text);
    cleaned.erase(std::remove(cleaned.begin(), cleaned.end(), u'?'), cleaned.end());
    long double number = 0;
    return tryReadDecimal(cleaned, number);
}

bool sameMinute(const DateParts& a, const DateParts& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    setFormatSettings(fuzz::localeSettings(data[0]));
    const Text text = fromUtf8(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    TDateTime value = 0;
    try {
        value = DateTextToDateTime(text);
    } catch (const ConvertError&) {
        return 0;
    }
    const DateParts read = decodeDateTime(value);
    if (read.year < 1601 || read.year > 9999 || isPlainNumber(text))
        return 0;

    const Text written = listDateTimeText(value);
    TDateTime again = 0;
    try {
        again = DateTextToDateTime(written);
    } catch (const ConvertError&) {
        fuzz::fail("the list's date text is not read back");
    }
    FUZZ_ASSERT(sameMinute(decodeDateTime(again), read));
    return 0;
}
