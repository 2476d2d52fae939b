// The directorysizes cache of a trash directory (freedesktop.org Trash Specification 1.0): its
// line format, and the cache of one trash read once, looked up, added to and written back.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>

#include <ctime>
#include <optional>

namespace velmora {

// One line of directorysizes: "size mtime percent-encoded-name".
struct DirectorySize {
    qint64 bytes = 0;
    qint64 mtime = 0; // of the info file, in seconds (or milliseconds, as some programs write)
};

// Sizes above this (8 PiB) are not believed: no disk holds them, and a double cannot count
// their bytes.
constexpr qint64 MaxDirectorySize = qint64(1) << 53;

// The entries by name (percent-decoded) of the first maxLines lines. Malformed lines, and sizes
// above MaxDirectorySize, are skipped; a later line for the same name replaces an earlier one.
QHash<QByteArray, DirectorySize> parseDirectorySizes(QByteArrayView content,
                                                     qsizetype maxLines = -1);

// An entry is valid when its mtime is that of the info file, in seconds or in milliseconds.
bool isValidDirectorySize(const DirectorySize& entry, qint64 infoMtimeSeconds,
                          qint64 infoMtimeMilliseconds);

struct NamedDirectorySize {
    QByteArray name;
    DirectorySize size;
};
QByteArray directorySizesContent(const QList<NamedDirectorySize>& entries);

// Removes the lines of the named folders (removed or restored items) from trashFd/directorysizes
// in one atomic rewrite. A missing, oversized or non-regular file is left as it is.
void forgetDirectorySizes(int trashFd, const QSet<QByteArray>& names);

// The cache of one trash directory during one loading of sizes. lookUp() may be called from any
// thread once open() has returned; open(), record(), markMeasured() and rewrite() from one
// thread at a time.
class SizeCache {
public:
    // Reads trashFd/directorysizes for a trash of `items` items; a missing or unreadable file is
    // an empty cache. A cache on a volume is untrusted input: only as many lines are read as such
    // a trash can use, with room for other programs' stale entries.
    void open(int trashFd, qsizetype items);
    // The size of folder `name` when its entry is valid for an info file of that mtime.
    std::optional<qint64> lookUp(const QByteArray& name, const struct timespec& infoMtime) const;
    // A folder's size as it goes into the rewritten cache.
    void record(const QByteArray& name, qint64 bytes, const struct timespec& infoMtime);
    // A folder had to be measured: the cache is out of date.
    void markMeasured() { measured_ = true; }
    // When a folder was measured, writes the recorded entries sorted by name, replacing the file
    // atomically; entries of folders the listing did not see are dropped, unexamined. A
    // temporary file a killed run left there is removed. False when the file could not be
    // written; true when nothing needed writing.
    bool rewrite(int trashFd) const;

private:
    QHash<QByteArray, DirectorySize> read_;
    QList<NamedDirectorySize> recorded_;
    bool measured_ = false;
};

} // namespace velmora
