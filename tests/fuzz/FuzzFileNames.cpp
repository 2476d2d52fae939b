// Fuzzes the percent decoding of trash paths and the file names carried through QString: a
// decoded path re-encodes to an equivalent path, the encoding holds only the characters it
// keeps, and every byte string comes back from its QString unchanged.
#include <cstddef>
#include <cstdint>

#include "FuzzLocales.h"
#include "platform/FileNames.h"

using namespace velmora;

namespace {

bool isKept(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray decoded = percentDecode(bytes);
    FUZZ_ASSERT(decoded.size() <= bytes.size());
    const QByteArray encoded = percentEncode(decoded);
    for (const char c : encoded)
        FUZZ_ASSERT(isKept(c) || c == '%');
    FUZZ_ASSERT(percentDecode(encoded) == decoded);
    FUZZ_ASSERT(percentDecode(percentEncode(bytes)) == bytes);

    FUZZ_ASSERT(fileNameToBytes(fileNameFromBytes(bytes)) == bytes);
    return 0;
}
