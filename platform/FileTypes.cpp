// The type descriptions and icon names of the list's items.
#include "platform/FileTypes.h"

#include <QCoreApplication>

#include <fnmatch.h>

#include <QMimeDatabase>
#include <QSet>

namespace velmora {

namespace {

// The glob patterns of the MIME database sorted by kind: "*.ext" suffixes (nearly all), and the
// others (literal names such as "Makefile", and patterns such as "README*" or "*.[1-9]").
struct Globs {
    QSet<QString> suffixes; // ".ext", lower case
    QSet<QString> literals; // lower case
    QList<QByteArray> patterns;
    qsizetype longestSuffix = 0;

    Globs() {
        const QMimeDatabase database;
        for (const QMimeType& type : database.allMimeTypes()) {
            for (const QString& glob : type.globPatterns()) {
                const bool wild = glob.contains(u'*') || glob.contains(u'?') || glob.contains(u'[');
                const QString rest = glob.mid(1);
                if (glob.startsWith(QStringLiteral("*.")) && !rest.contains(u'*') &&
                    !rest.contains(u'?') && !rest.contains(u'[')) {
                    suffixes.insert(rest.toLower());
                    longestSuffix = std::max(longestSuffix, rest.size());
                } else if (!wild) {
                    literals.insert(glob.toLower());
                } else {
                    patterns.append(glob.toUtf8());
                }
            }
        }
    }

    // True when a pattern other than "*.ext" may match: the name must then be looked up alone.
    // Case is ignored, so this errs towards looking up.
    bool special(const QString& name) const {
        if (literals.contains(name.toLower()))
            return true;
        const QByteArray utf8 = name.toUtf8();
        for (const QByteArray& pattern : patterns)
            if (::fnmatch(pattern.constData(), utf8.constData(), FNM_CASEFOLD) == 0)
                return true;
        return false;
    }

    // The suffixes of name that "*.ext" patterns match, as they are written in the name: two
    // names with the same ones get the same type.
    QString matchedSuffixes(const QString& name) const {
        QString key;
        for (qsizetype dot = name.indexOf(u'.'); dot >= 0; dot = name.indexOf(u'.', dot + 1)) {
            const QStringView suffix = QStringView(name).sliced(dot);
            if (suffix.size() <= longestSuffix && suffixes.contains(suffix.toString().toLower())) {
                key += suffix;
                key += u'/';
            }
        }
        return key;
    }
};

const Globs& globs() {
    static const Globs instance;
    return instance;
}

QMimeDatabase& database() {
    static QMimeDatabase instance;
    return instance;
}

} // namespace

FileTypes::FileTypes() {
    add(QStringLiteral("inode/directory"), QCoreApplication::translate("FileTypes", "文件夹"),
        QStringLiteral("folder"));
}

FileTypes::Type FileTypes::operator[](quint16 index) const {
    const std::lock_guard lock(mutex_);
    return types_.value(index);
}

quint16 FileTypes::add(const QString& key, const QString& description, const QString& icon) {
    const auto found = byKey_.constFind(key);
    if (found != byKey_.cend())
        return *found;
    if (types_.size() >= 0xFFFF)
        return quint16(types_.size() - 1); // a table that full is never met: the rest share one
    types_.append({description, icon});
    const auto index = quint16(types_.size() - 1);
    byKey_.insert(key, index);
    return index;
}

quint16 FileTypes::forMimeType(const QString& mimeName) {
    const std::lock_guard lock(mutex_);
    const auto found = byKey_.constFind(mimeName);
    if (found != byKey_.cend())
        return *found;
    const QMimeType mime = database().mimeTypeForName(mimeName);
    return add(mimeName, mime.comment(), mime.iconName());
}

quint16 FileTypes::unknown(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot > 0 ? name.sliced(dot + 1).toUpper() : QString();
    return add(u'?' + extension,
               extension.isEmpty()
                   ? QCoreApplication::translate("FileTypes", "文件")
                   : QCoreApplication::translate("FileTypes", "%1 文件").arg(extension),
               QStringLiteral("application-octet-stream"));
}

quint16 FileTypes::forFileName(const QString& name) {
    const Globs& g = globs();
    const bool special = g.special(name);
    const QString key = special ? QString() : g.matchedSuffixes(name);
    const std::lock_guard lock(mutex_);
    if (!special) {
        if (key.isEmpty())
            return unknown(name); // no pattern matches
        const auto found = bySuffixes_.constFind(key);
        if (found != bySuffixes_.cend())
            return *found;
    }
    const QList<QMimeType> matches = database().mimeTypesForFileName(name);
    quint16 index = 0;
    if (matches.isEmpty()) {
        index = unknown(name);
    } else {
        const QMimeType& mime = matches.front();
        index = add(mime.name(), mime.comment(), mime.iconName());
    }
    if (!special)
        bySuffixes_.insert(key, index);
    return index;
}

} // namespace velmora
