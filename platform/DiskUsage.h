// The space an item takes on disk, measured as du -B1 counts it.
#pragma once

#include <QtGlobal>

#include <sys/stat.h>

namespace velmora {

// The bytes allocated to dirFd/name (st_blocks * 512) and, for a folder, to everything in its
// tree: links are not followed, other file systems are not entered, hard links count once,
// folders that cannot be opened count their own entry only. Works relative to open folders, so
// trees deeper than PATH_MAX are measured with a bounded number of descriptors. 0 when the entry
// itself cannot be read; top, when given, receives the entry's own lstat (st_ino 0 when it failed).
qint64 diskUsage(int dirFd, const char* name, struct stat* top = nullptr);

// What the same walk finds: the bytes allocated, the lengths of the files (links and special
// files included, hard links once), and the entries below a folder: its files (every name that
// is not a folder) and its folders.
struct TreeFigures {
    qint64 allocated = 0;
    qint64 apparent = 0;
    qint64 files = 0;
    qint64 folders = 0;
};
TreeFigures measureTree(int dirFd, const char* name);

} // namespace velmora
