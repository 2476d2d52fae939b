// File names are bytes on disk; these helpers carry them through QString without loss, and
// percent-encode them the way trash info files and directorysizes lines do.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velmora {

// Valid UTF-8 is decoded as such; every byte of an invalid sequence (0x80-0xFF) becomes the
// lone surrogate U+DC00 + byte, which valid UTF-8 never yields. So
// fileNameToBytes(fileNameFromBytes(b)) == b for every byte string b, which QFile::decodeName and
// encodeName do not guarantee.
QString fileNameFromBytes(QByteArrayView bytes);
QByteArray fileNameToBytes(QStringView name);

// For showing a name: invalid UTF-8 becomes U+FFFD.
QString displayTextFromBytes(QByteArrayView bytes);

// Escapes every byte except A-Z a-z 0-9 - . _ ~ and '/' as %XX (upper-case hex).
QByteArray percentEncode(QByteArrayView bytes);
// Decodes %XX (either case); a '%' not followed by two hex digits is kept as it stands.
QByteArray percentDecode(QByteArrayView text);

} // namespace velmora
