// Fills the process-wide FormatSettings from a Qt locale.
#pragma once

#include <QLocale>

#include "core/FormatSettings.h"

namespace velmora {

// The settings of a locale as the conversions use them: numeric dates with a four-digit year,
// the separators found in the locale's formats, its AM/PM texts.
FormatSettings formatSettingsFor(const QLocale& locale);

// Reads the user's locale (QLocale::system()) into the process-wide record.
void loadSystemFormatSettings();

} // namespace velmora
