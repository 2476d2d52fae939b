// Fuzzes the info-file reader: any bytes give item fields or none, and what it read is written
// back by the writer and read again to the same fields.
#include <cstddef>
#include <cstdint>

#include "FuzzLocales.h"
#include "core/DateTime.h"
#include "platform/TrashInfo.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView content(reinterpret_cast<const char*>(data), qsizetype(size));
    const TrashInfo info = parseTrashInfo(content);
    if (info.hasPath)
        FUZZ_ASSERT(!info.path.isEmpty() && !info.path.contains('\0'));
    if (!info.hasPath || !info.hasDate)
        return 0;
    const DateParts date = decodeDateTime(info.deletionDate);
    FUZZ_ASSERT(date.year >= 1 && date.year <= 9999);

    const TrashInfo again = parseTrashInfo(trashInfoContent(info.path, info.deletionDate));
    FUZZ_ASSERT(again.hasPath && again.path == info.path);
    FUZZ_ASSERT(again.hasDate);
    const DateParts back = decodeDateTime(again.deletionDate);
    FUZZ_ASSERT(back.year == date.year && back.month == date.month && back.day == date.day &&
                back.hour == date.hour && back.minute == date.minute && back.second == date.second);
    return 0;
}
