// The process-wide format settings record.
#include "FormatSettings.h"

namespace velmora {

namespace {
FormatSettings& current() {
    static FormatSettings settings;
    return settings;
}
} // namespace

const FormatSettings& formatSettings() {
    return current();
}

void setFormatSettings(const FormatSettings& settings) {
    current() = settings;
}

} // namespace velmora
