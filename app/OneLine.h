// Texts the command line writes one per line: its errors, and the names in its item lines. A
// name or what the user typed may hold a tab, a line break or another control character; written
// as it is, it would break the line a script reads.
#pragma once

#include <QString>
#include <QStringView>

namespace velmora {

// The text with each control character (U+0000-U+001F, U+007F-U+009F: tab, line break, escape…)
// written as the %XX of its UTF-8 bytes (upper-case hex), the trash's own percent-encoding.
QString withoutControlCharacters(QStringView text);

// An error as standard error shows it: "velmora: " and the sentence, on one line
// (withoutControlCharacters), without the line break.
QString commandLineError(const QString& sentence);

} // namespace velmora
