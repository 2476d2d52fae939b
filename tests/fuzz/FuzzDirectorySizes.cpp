// Fuzzes the directorysizes reader: any bytes give entries within the limits, and the entries
// written back by the writer read again to the same.
#include <cstddef>
#include <cstdint>

#include "FuzzLocales.h"
#include "platform/SizeCache.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView content(reinterpret_cast<const char*>(data), qsizetype(size));
    const QHash<QByteArray, DirectorySize> entries = parseDirectorySizes(content);
    QList<NamedDirectorySize> written;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        FUZZ_ASSERT(!it.key().isEmpty() && !it.key().contains('/') && !it.key().contains('\0'));
        FUZZ_ASSERT(it->bytes >= 0 && it->bytes <= MaxDirectorySize);
        written.append({it.key(), *it});
    }
    const QHash<QByteArray, DirectorySize> again =
        parseDirectorySizes(directorySizesContent(written));
    FUZZ_ASSERT(again.size() == entries.size());
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const auto found = again.constFind(it.key());
        FUZZ_ASSERT(found != again.cend());
        FUZZ_ASSERT(found->bytes == it->bytes && found->mtime == it->mtime);
    }

    // Only the first lines count when the reader is given a limit.
    const qsizetype maxLines = qsizetype(size % 5);
    FUZZ_ASSERT(parseDirectorySizes(content, maxLines).size() <= maxLines);
    return 0;
}
