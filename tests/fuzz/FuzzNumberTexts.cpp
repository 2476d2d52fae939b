// Fuzzes the readers of the list's size texts and of the days box (the first byte chooses one of
// six locales): any text gives a value or a ConvertError; a whole number read is written and read
// again to the same; and the size text kilobyteSizeText writes for the next eight bytes, taken as
// a byte count, reads back exactly.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "FuzzLocales.h"
#include "core/Conversions.h"
#include "core/Errors.h"
#include "core/NumberReaders.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    setFormatSettings(fuzz::localeSettings(data[0]));
    const Text text = fromUtf8(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    try {
        FUZZ_ASSERT(std::isfinite(SizeTextToMB(text)));
    } catch (const ConvertError&) {
    }

    std::int32_t days = 0;
    if (tryReadWholeNumber(text, days)) {
        std::int32_t again = 0;
        FUZZ_ASSERT(tryReadWholeNumber(decimalText(days), again) && again == days);
    }
    try {
        AgeCutOff(false, 0, text, 46000.5); // 9 December 2025, noon
    } catch (const ConvertError&) {
    }

    if (size >= 9) {
        std::int64_t bytes = 0;
        std::memcpy(&bytes, data + 1, sizeof bytes);
        const std::int64_t kilobytes = bytes <= 0 ? 0 : (bytes - 1) / 1024 + 1;
        const double expected = static_cast<double>(static_cast<long double>(kilobytes) / 1024.0L);
        FUZZ_ASSERT(SizeTextToMB(kilobyteSizeText(bytes)) == expected);
    }
    return 0;
}
