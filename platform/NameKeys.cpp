// Sort keys of names from ICU's collator, set up as QCollator sets up its own.
#include "platform/NameKeys.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace velmora {

void NameKeyMaker::Close::operator()(UCollator* collator) const {
    ucol_close(collator);
}

NameKeyMaker::NameKeyMaker(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        plain_ = true;
        return;
    }
    const QByteArray name = locale.bcp47Name().toLatin1().replace('-', '_');
    UErrorCode status = U_ZERO_ERROR;
    collator_.reset(ucol_open(name.constData(), &status));
    if (U_FAILURE(status)) {
        collator_.reset(); // no order: every key empty, as QCollator has it
        return;
    }
    // Case and accents count, digits go by value, punctuation is not ignored.
    const std::pair<UColAttribute, UColAttributeValue> attributes[] = {
        {UCOL_NORMALIZATION_MODE, UCOL_ON},
        {UCOL_STRENGTH, UCOL_DEFAULT_STRENGTH},
        {UCOL_NUMERIC_COLLATION, UCOL_ON},
        {UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE},
    };
    for (const auto& [attribute, value] : attributes) {
        status = U_ZERO_ERROR;
        ucol_setAttribute(collator_.get(), attribute, value, &status);
    }
}

NameKeyMaker::~NameKeyMaker() = default;

void NameKeyMaker::append(QStringView name, std::string& out) {
    if (plain_) {
        const QByteArray utf8 = name.toUtf8(); // UTF-8 bytes order like code points
        out.append(utf8.constData(), std::size_t(utf8.size()));
        return;
    }
    if (!collator_)
        return;
    const auto* text = reinterpret_cast<const UChar*>(name.utf16());
    const auto length = int32_t(name.size());
    if (buffer_.size() < std::size_t(16 + length + length / 4))
        buffer_.resize(std::size_t(16 + length + length / 4));
    int32_t size =
        ucol_getSortKey(collator_.get(), text, length, buffer_.data(), int32_t(buffer_.size()));
    if (size > int32_t(buffer_.size())) {
        buffer_.resize(std::size_t(size));
        size =
            ucol_getSortKey(collator_.get(), text, length, buffer_.data(), int32_t(buffer_.size()));
    }
    // The key ends in a zero byte, which the comparison needs not.
    if (size > 0 && buffer_[std::size_t(size) - 1] == 0)
        --size;
    out.append(reinterpret_cast<const char*>(buffer_.data()), std::size_t(std::max(size, 0)));
}

NameKey nameKey(const char* bytes, std::uint32_t size) {
    NameKey key{bytes, size, 0};
    for (std::uint32_t k = 0; k < 8; ++k)
        key.prefix = (key.prefix << 8) | (k < size ? std::uint8_t(bytes[k]) : 0u);
    return key;
}

int compareNameKeys(const NameKey& a, const NameKey& b) {
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix ? -1 : 1;
    if (a.size <= 8 || b.size <= 8)
        return a.size == b.size ? 0 : (a.size < b.size ? -1 : 1);
    const std::uint32_t common = std::min(a.size, b.size) - 8;
    if (const int c = std::memcmp(a.bytes + 8, b.bytes + 8, common))
        return c;
    return a.size == b.size ? 0 : (a.size < b.size ? -1 : 1);
}

} // namespace velmora
