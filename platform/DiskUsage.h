// The space items take on disk, measured as du -B1 counts it, the size texts of the list, and
// the directorysizes cache of a trash directory (freedesktop.org Trash Specification 1.0).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <sys/stat.h>

#include <ctime>

namespace velmora {

// The bytes allocated to dirFd/name (st_blocks * 512) and, for a folder, to everything in its
// tree: links are not followed, other file systems are not entered, hard links count once,
// folders that cannot be opened count their own entry only. Works relative to open folders, so
// trees deeper than PATH_MAX are measured with a bounded number of descriptors. 0 when the entry
// itself cannot be read; top, when given, receives the entry's own lstat (st_ino 0 when it failed).
qint64 diskUsage(int dirFd, const char* name, struct stat* top = nullptr);

// Kilobytes rounded up, digits grouped by ",", a blank and "KB": "0 KB", "1,234 KB".
QString kilobyteText(qint64 bytes);

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

// Replaces dirFd/name by content atomically: a temporary file in the same folder (mode 0600,
// given the modification time mtime when not null), written and synced, renamed over name. The
// temporary file is removed again when anything fails.
bool replaceFileAtomically(int dirFd, const char* name, QByteArrayView content,
                           const struct timespec* mtime = nullptr);

// Reads the entries of an open folder one at a time, "." and ".." left out.
class DirectoryReader {
public:
    explicit DirectoryReader(int fd) : fd_(fd) {}
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;
    // The next entry's name and d_type (DT_DIR, DT_LNK…, DT_UNKNOWN where the file system does
    // not tell); false at the end, or on an error, after which failed() is true.
    bool next(const char*& name, unsigned char& type);
    bool failed() const { return failed_; }

private:
    int fd_;
    long size_ = 0;
    long pos_ = 0;
    bool failed_ = false;
    bool end_ = false;
    alignas(8) char buffer_[32 * 1024];
};

} // namespace velmora
