// File names as bytes carried through QString, and their percent-encoding.
#include "platform/FileNames.h"

namespace velmora {

namespace {

// The length of the valid UTF-8 sequence at s[i], or 0 when it is not one (overlong forms,
// encoded surrogates and code points above U+10FFFF are invalid).
qsizetype validSequenceLength(const unsigned char* s, qsizetype i, qsizetype n) {
    const unsigned char c = s[i];
    if (c < 0x80)
        return 1;
    auto cont = [&](qsizetype k) { return i + k < n && (s[i + k] & 0xC0) == 0x80; };
    if (c >= 0xC2 && c <= 0xDF)
        return cont(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!cont(1) || !cont(2))
            return 0;
        if (c == 0xE0 && s[i + 1] < 0xA0)
            return 0; // overlong
        if (c == 0xED && s[i + 1] >= 0xA0)
            return 0; // a surrogate
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        if (c == 0xF0 && s[i + 1] < 0x90)
            return 0; // overlong
        if (c == 0xF4 && s[i + 1] >= 0x90)
            return 0; // above U+10FFFF
        return 4;
    }
    return 0;
}

bool isValidUtf8(const unsigned char* s, qsizetype n) {
    for (qsizetype i = 0; i < n;) {
        const qsizetype len = validSequenceLength(s, i, n);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

QString fileNameFromBytes(QByteArrayView bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    if (isValidUtf8(s, n))
        return QString::fromUtf8(bytes);
    QString out;
    out.reserve(n);
    for (qsizetype i = 0; i < n;) {
        const qsizetype len = validSequenceLength(s, i, n);
        if (len == 0) {
            out += QChar(char16_t(0xDC00 + s[i]));
            ++i;
        } else {
            out += QString::fromUtf8(bytes.sliced(i, len));
            i += len;
        }
    }
    return out;
}

QByteArray fileNameToBytes(QStringView name) {
    QByteArray out(name.size() * 3, Qt::Uninitialized);
    char* o = out.data();
    // UTF-8 written in place: a name is converted for every row a walk reads.
    const auto put = [&o](char32_t c) {
        if (c < 0x80) {
            *o++ = char(c);
        } else if (c < 0x800) {
            *o++ = char(0xC0 | (c >> 6));
            *o++ = char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *o++ = char(0xE0 | (c >> 12));
            *o++ = char(0x80 | ((c >> 6) & 0x3F));
            *o++ = char(0x80 | (c & 0x3F));
        } else {
            *o++ = char(0xF0 | (c >> 18));
            *o++ = char(0x80 | ((c >> 12) & 0x3F));
            *o++ = char(0x80 | ((c >> 6) & 0x3F));
            *o++ = char(0x80 | (c & 0x3F));
        }
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() &&
            QChar::isLowSurrogate(name[i + 1].unicode())) {
            put(QChar::surrogateToUcs4(c, name[i + 1].unicode()));
            ++i;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            *o++ = char(c - 0xDC00); // an escaped byte
        } else if (QChar::isSurrogate(c)) {
            put(0xFFFD); // a lone surrogate that no name decodes to
        } else {
            put(c);
        }
    }
    out.truncate(o - out.constData());
    return out;
}

QString displayTextFromBytes(QByteArrayView bytes) {
    return QString::fromUtf8(bytes);
}

QByteArray percentEncode(QByteArrayView bytes) {
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreserved(c) || c == '/') {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

QByteArray percentDecode(QByteArrayView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* o = out.data();
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const int high = *p == '%' && end - p > 2 ? hexValue(p[1]) : -1;
        const int low = high >= 0 ? hexValue(p[2]) : -1;
        if (low >= 0) {
            *o++ = char(high * 16 + low);
            p += 3;
        } else {
            *o++ = *p++;
        }
    }
    out.truncate(o - out.constData());
    return out;
}

} // namespace velmora
