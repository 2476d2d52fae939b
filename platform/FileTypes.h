// The type of a trashed item as the list describes it: by its name only, never by its content
// (the item may be a fifo, or huge).
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <mutex>

namespace velmora {

// Lookups may run on several threads at once.
class FileTypes {
public:
    struct Type {
        QString description;
        QString icon; // a freedesktop.org icon name
    };

    FileTypes();

    // The type of a file of that name: QMimeDatabase's by the name, or "<EXT> 文件" (or "文件"
    // without an extension) when it knows none. Names whose type can only come from their
    // extensions share one lookup; the others are looked up each.
    quint16 forFileName(const QString& name);
    // The type of a MIME type name (inode/fifo, inode/symlink…).
    quint16 forMimeType(const QString& mimeName);
    // "文件夹".
    quint16 folder() const { return 0; }

    Type operator[](quint16 index) const;

private:
    quint16 add(const QString& key, const QString& description, const QString& icon);
    // An unknown type, described by the name's extension, as file managers do.
    quint16 unknown(const QString& name);

    mutable std::mutex mutex_; // guards the members below
    QList<Type> types_;
    QHash<QString, quint16> byKey_; // by MIME type name, or "?EXT" for unknown extensions
    QHash<QString, quint16> bySuffixes_;
};

} // namespace velmora
