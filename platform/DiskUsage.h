// The space items take on disk, measured as du -B1 counts it, the size texts of the list, and
// the directorysizes cache of a trash directory (freedesktop.org Trash Specification 1.0).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <ctime>

namespace velmora {

// The bytes allocated to dirFd/name (st_blocks * 512) and, for a folder, to everything in its
// tree: links are not followed, other file systems are not entered, hard links count once,
// folders that cannot be opened count their own entry only. Works relative to open folders, so
// trees deeper than PATH_MAX are measured with a bounded number of descriptors. 0 when the entry
// itself cannot be read.
qint64 diskUsage(int dirFd, const char* name);

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

// Calls f(name) for every entry of the open folder fd but "." and "..". False when the folder
// could not be read to its end.
template <class F> bool forEachEntry(int fd, F&& f);

namespace detail {
// Reads the next entries of fd into buffer; the bytes read, 0 at the end, -1 on an error.
long readEntries(int fd, char* buffer, std::size_t size);
// The name of the entry at buffer + pos, and the position of the next one.
const char* entryName(const char* buffer, long pos, long& next);
} // namespace detail

template <class F> bool forEachEntry(int fd, F&& f) {
    char buffer[32 * 1024];
    for (;;) {
        const long n = detail::readEntries(fd, buffer, sizeof buffer);
        if (n <= 0)
            return n == 0;
        for (long pos = 0; pos < n;) {
            const char* name = detail::entryName(buffer, pos, pos);
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            f(name);
        }
    }
}

} // namespace velmora
