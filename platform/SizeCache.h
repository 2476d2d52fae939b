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

// The entries by name (percent-decoded). Malformed lines are skipped; a later line for the
// same name replaces an earlier one.
QHash<QByteArray, DirectorySize> parseDirectorySizes(QByteArrayView content);

// An entry is valid when its mtime is that of the info file, in seconds or in milliseconds.
bool isValidDirectorySize(const DirectorySize& entry, qint64 infoMtimeSeconds,
                          qint64 infoMtimeMilliseconds);

struct NamedDirectorySize {
    QByteArray name;
    DirectorySize size;
};
QByteArray directorySizesContent(const QList<NamedDirectorySize>& entries);

// The cache of one trash directory during one loading of sizes. open() and lookUp() may be
// called from any thread once open() has returned; record(), markMeasured() and rewrite() from
// one thread at a time.
class SizeCache {
public:
    // Reads trashFd/directorysizes; a missing or unreadable file is an empty cache.
    void open(int trashFd);
    // The size of folder `name` when its entry is valid for an info file of that mtime.
    std::optional<qint64> lookUp(const QByteArray& name, const struct timespec& infoMtime) const;
    // A folder's size as it goes into the rewritten cache.
    void record(const QByteArray& name, qint64 bytes, const struct timespec& infoMtime);
    // A folder had to be measured: the cache is out of date.
    void markMeasured() { measured_ = true; }
    // When a folder was measured, writes the recorded entries, and the entries read that name
    // folders still in filesFd (trashed since the listing), sorted by name, replacing the file
    // atomically. False when the file could not be written; true when nothing needed writing.
    bool rewrite(int trashFd, int filesFd) const;

private:
    QHash<QByteArray, DirectorySize> read_;
    QList<NamedDirectorySize> recorded_;
    QSet<QByteArray> recordedNames_;
    bool measured_ = false;
};

} // namespace velmora
