// Texts written one per line.
#include "app/OneLine.h"

#include <QByteArray>

namespace velmora {

QString withoutControlCharacters(QStringView text) {
    static const char hex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control) {
            out += c;
            continue;
        }
        for (const char ch : QString(c).toUtf8()) {
            const auto byte = static_cast<unsigned char>(ch);
            out += u'%';
            out += QLatin1Char(hex[byte >> 4]);
            out += QLatin1Char(hex[byte & 15]);
        }
    }
    return out;
}

QString commandLineError(const QString& sentence) {
    return QStringLiteral("velmora: ") + withoutControlCharacters(sentence);
}

} // namespace velmora
