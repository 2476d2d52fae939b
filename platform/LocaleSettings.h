// Fills the process-wide FormatSettings from a Qt locale.
#pragma once

#include <QLocale>
#include <QString>

#include "core/FormatSettings.h"

namespace velmora {

// The settings of a locale as the conversions use them: numeric dates with a four-digit year in
// the locale's order and separator; times as hours and minutes, 24-hour or 12-hour with the
// locale's designators as the locale writes them, without the words some formats carry ("h",
// "ч."); its AM/PM texts. The date-time reader reads back every list text these give.
FormatSettings formatSettingsFor(const QLocale& locale);

// A literal of a date or time format, quoted as both QLocale's and the date picker's format
// syntax read it: 'text', a quote written twice; empty for an empty literal.
QString quotedFormatLiteral(const QString& literal);

// Reads the user's locale (QLocale::system()) into the process-wide record.
void loadSystemFormatSettings();

} // namespace velmora
