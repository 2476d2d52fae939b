// Small POSIX file helpers the trash code shares: an owned descriptor, a bounded read, line
// splitting, the atomic replacement of a file and a reader of directory entries.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QByteArrayView>

#include <ctime>
#include <utility>

namespace velmora {

// A descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Gives the descriptor up without closing it.
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

// Reads up to limit bytes of a regular file. A read shorter than asked is taken as the end,
// as it is for regular files, which saves a call per info file.
QByteArray readAtMost(int fd, qsizetype limit);

// Calls f with each line of a text file's content, without its "\n" or "\r\n".
template <class F> void forEachLine(QByteArrayView content, F&& f) {
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        QByteArrayView line = content.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        f(line);
    }
}

// The start of the names of the temporary files replaceFileAtomically writes.
inline constexpr char TemporaryPrefix[] = ".velmora-";

// Replaces dirFd/name by content atomically: a temporary file in the same folder (the mode of
// the file it replaces, 0600 for a new one; given the modification time mtime when not null),
// written and synced, renamed over name, and the folder synced. The temporary file is removed
// again when anything fails.
bool replaceFileAtomically(int dirFd, const char* name, QByteArrayView content,
                           const struct timespec* mtime = nullptr);

// Removes the temporary files of replaceFileAtomically that a killed run left in dirFd: those of
// our own user older than a minute.
void removeStaleTemporaries(int dirFd);

// Reads the entries of an open folder one at a time, "." and ".." left out.
class DirectoryReader {
public:
    explicit DirectoryReader(int fd) : fd_(fd) {}
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;
    // The next entry's name and d_type (DT_DIR, DT_LNK…, DT_UNKNOWN where the file system does
    // not tell); false at the end, or on an error, after which failed() is true.
    bool next(const char*& name, unsigned char& type);
    // The inode number of the entry next() gave last (d_ino).
    ino_t ino() const { return ino_; }
    bool failed() const { return failed_; }

private:
    int fd_;
    long size_ = 0;
    long pos_ = 0;
    bool failed_ = false;
    bool end_ = false;
    ino_t ino_ = 0;
    alignas(8) char buffer_[32 * 1024];
};

} // namespace velmora
