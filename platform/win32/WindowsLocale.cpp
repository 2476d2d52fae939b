// The user's regional settings from the Windows locale.
#include "WindowsLocale.h"

#include <windows.h>

#include "ShellText.h"

namespace velmora::win32 {

namespace {
void readInfo(const wchar_t* locale, LCTYPE type, Text& into) {
    wchar_t buffer[128];
    if (GetLocaleInfoEx(locale, type, buffer, int(std::size(buffer))) > 0)
        into = fromWide(buffer);
}
} // namespace

Text coreTimeFormat(TextView windowsFormat) {
    Text out;
    bool quoted = false;
    for (std::size_t i = 0; i < windowsFormat.size(); ++i) {
        const char16_t c = windowsFormat[i];
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
        } else if (!quoted && c == u't') {
            const bool pair = i + 1 < windowsFormat.size() && windowsFormat[i + 1] == u't';
            out += pair ? u"AP" : u"A";
            if (pair)
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

FormatSettings formatSettingsForLocale(const wchar_t* localeName) {
    FormatSettings settings;
    readInfo(localeName, LOCALE_SDECIMAL, settings.DecimalSeparator);
    readInfo(localeName, LOCALE_STHOUSAND, settings.ThousandSeparator);
    readInfo(localeName, LOCALE_SDATE, settings.DateSeparator);
    readInfo(localeName, LOCALE_STIME, settings.TimeSeparator);
    readInfo(localeName, LOCALE_SSHORTDATE, settings.ShortDateFormat);
    readInfo(localeName, LOCALE_SSHORTTIME, settings.ShortTimeFormat);
    readInfo(localeName, LOCALE_STIMEFORMAT, settings.LongTimeFormat);
    readInfo(localeName, LOCALE_S1159, settings.TimeAMString);
    readInfo(localeName, LOCALE_S2359, settings.TimePMString);
    settings.ShortTimeFormat = coreTimeFormat(settings.ShortTimeFormat);
    settings.LongTimeFormat = coreTimeFormat(settings.LongTimeFormat);
    return settings;
}

void loadUserFormatSettings() {
    setFormatSettings(formatSettingsForLocale(LOCALE_NAME_USER_DEFAULT));
}

} // namespace velmora::win32
