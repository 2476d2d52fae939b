// The format settings of the locales the fuzz targets read texts in, filled once through the
// program's own locale code, as the window fills them at start-up; an input's first byte chooses.
#pragma once

#include <QLocale>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/FormatSettings.h"
#include "platform/LocaleSettings.h"

namespace velmora::fuzz {

inline const FormatSettings& localeSettings(std::uint8_t selector) {
    static const std::array<FormatSettings, 6> all = [] {
        std::array<FormatSettings, 6> settings;
        const char* const names[] = {"zh_CN", "en_US", "de_DE", "zh_TW", "ar_EG", "C"};
        for (std::size_t k = 0; k < settings.size(); ++k)
            settings[k] = formatSettingsFor(QLocale(QString::fromLatin1(names[k])));
        return settings;
    }();
    return all[selector % all.size()];
}

// Ends the run with a message libFuzzer reports as a crash, with the input saved.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "assertion failed: %s\n", what);
    std::abort();
}

} // namespace velmora::fuzz

#define FUZZ_ASSERT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::velmora::fuzz::fail(#condition);                                                     \
    } while (false)
