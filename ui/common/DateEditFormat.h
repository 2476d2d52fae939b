// The display format of a date picker that writes dates as the list does.
#pragma once

#include <QString>

class QDateEdit;

#include "core/FormatSettings.h"

namespace velmora {

// `settings`' short date format in Qt's date format syntax: the same fields in the same order,
// the date separator and literal text quoted.
QString dateEditFormat(const FormatSettings& settings);

// Makes `picker` write its date as the list does: dateEditFormat's format, with the ASCII digits
// the list uses in every locale. Its drop-down calendar keeps the user's locale.
void showDatesAsTheListDoes(QDateEdit* picker, const FormatSettings& settings);

} // namespace velmora
