// Names and paths as the purge writes them for scripts, every byte kept: in the JSON document and
// in the item lines of --dry-run and --verbose. Both use the trash's own percent-encoding (%XX,
// upper-case hex) for what they cannot write as it is.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velmora {

// A text as JSON carries it: valid UTF-8 as it is (JSON escapes control characters itself); a
// text that is not valid UTF-8 has each invalid byte written as %XX and every '%' as %25, so that
// nothing is lost.
QString jsonText(QByteArrayView bytes);

// A name or path as one field of a line: each control character (U+0000-U+001F, U+007F-U+009F:
// tab, line break, escape…) written as the %XX of its UTF-8 bytes, each byte of an invalid UTF-8
// sequence as %XX, and every '%' as %25; everything else as it is, in UTF-8. The field holds no
// tab and no line break, and percent-decoding it gives back the bytes exactly.
QByteArray lineField(QByteArrayView bytes);

} // namespace velmora
