// Sort keys of names in a locale's natural order (digits by value), the order QCollator gives with
// numeric mode on, as bytes kept side by side: comparing two keys reads their first eight bytes
// from the sorted entries themselves.
#pragma once

#include <QLocale>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct UCollator;

namespace velmora {

// Makes the keys on one thread; each thread has a maker of its own.
class NameKeyMaker {
public:
    explicit NameKeyMaker(const QLocale& locale);
    ~NameKeyMaker();
    NameKeyMaker(const NameKeyMaker&) = delete;
    NameKeyMaker& operator=(const NameKeyMaker&) = delete;

    // Appends the key of `name` to `out`, without a terminator.
    void append(QStringView name, std::string& out);

private:
    struct Close {
        void operator()(UCollator* collator) const;
    };
    std::unique_ptr<UCollator, Close> collator_;
    bool plain_ = false; // the C locale: code point order
    std::vector<std::uint8_t> buffer_;
};

// A key as the sort reads it: where its bytes are, and its first eight bytes as one number that
// orders like them.
struct NameKey {
    const char* bytes = nullptr;
    std::uint32_t size = 0;
    std::uint64_t prefix = 0;
};

NameKey nameKey(const char* bytes, std::uint32_t size);

// <0, 0, >0 as a's bytes sort before, like or after b's.
int compareNameKeys(const NameKey& a, const NameKey& b);

} // namespace velmora
