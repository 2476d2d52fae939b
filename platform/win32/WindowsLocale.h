// Fills the process-wide FormatSettings from a Windows locale.
#pragma once

#include "core/FormatSettings.h"

namespace velmora::win32 {

// The settings of the named locale (LOCALE_NAME_USER_DEFAULT: the user's own), read with
// GetLocaleInfoEx; a value the locale does not give keeps FormatSettings' default.
FormatSettings formatSettingsForLocale(const wchar_t* localeName);

// Windows' format letters in the core's: "tt" (AM/PM) becomes "AP", "t" becomes "A"; quoted
// literals are kept as they stand.
Text coreTimeFormat(TextView windowsFormat);

// setFormatSettings(formatSettingsForLocale(LOCALE_NAME_USER_DEFAULT)).
void loadUserFormatSettings();

} // namespace velmora::win32
