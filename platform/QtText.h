// The one conversion between the core's texts (UTF-16 code units) and QString. Both hold UTF-16,
// so the conversion copies code units as they stand, lone surrogates included.
#pragma once

#include <QString>
#include <QStringView>

#include "core/Text.h"

namespace velmora {

inline Text toText(QStringView s) {
    return Text(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

inline QString toQString(TextView text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velmora
