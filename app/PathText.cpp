// Names and paths written for scripts without losing a byte.
#include "app/PathText.h"

#include <algorithm>

#include "app/OneLine.h"
#include "platform/FileNames.h"

namespace velmora {

namespace {

// fileNameFromBytes carries each byte that is not UTF-8 as a lone U+DC80-U+DCFF; a low surrogate
// right after a high one is half of a valid character above U+FFFF.
bool isEscapedByte(QStringView text, qsizetype i) {
    const char16_t c = text[i].unicode();
    return c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && QChar::isHighSurrogate(text[i - 1].unicode()));
}

// The text of fileNameFromBytes with each escaped byte written as %XX and every '%' as %25.
QString percentEscaped(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEscapedByte(text, i))
            out += QStringLiteral("%%1")
                       .arg(text[i].unicode() - 0xDC00, 2, 16, QLatin1Char('0'))
                       .toUpper();
        else if (text[i] == u'%')
            out += QStringLiteral("%25");
        else
            out += text[i];
    }
    return out;
}

} // namespace

QString jsonText(QByteArrayView bytes) {
    const QString text = fileNameFromBytes(bytes);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isEscapedByte(text, i))
            return percentEscaped(text);
    return text;
}

QByteArray lineField(QByteArrayView bytes) {
    // Printable ASCII without '%', most names, is its own field: nothing in it is escaped.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return c >= ' ' && c <= '~' && c != '%'; }))
        return bytes.toByteArray();
    // After percentEscaped every '%' starts an escape, so those of the control characters are
    // read back the same way.
    return withoutControlCharacters(percentEscaped(fileNameFromBytes(bytes))).toUtf8();
}

} // namespace velmora
