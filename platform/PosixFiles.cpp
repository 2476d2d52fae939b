// Small POSIX file helpers: bounded reads, atomic replacement, directory entries.
#include "platform/PosixFiles.h"

#include <fcntl.h>
#include <sys/syscall.h>

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace velmora {

namespace {

struct DirEntry64 {
    ino64_t ino;
    off64_t off;
    unsigned short reclen;
    unsigned char type;
    char name[1];
};

} // namespace

QByteArray readAtMost(int fd, qsizetype limit) {
    QByteArray data;
    char buffer[4096];
    while (data.size() < limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        data.append(buffer, std::min<qsizetype>(n, limit - data.size()));
        if (std::size_t(n) < sizeof buffer)
            break;
    }
    return data;
}

bool replaceFileAtomically(int dirFd, const char* name, QByteArrayView content,
                           const struct timespec* mtime) {
    struct stat old {};
    const mode_t mode =
        ::fstatat(dirFd, name, &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode)
            ? old.st_mode & 07777
            : 0600;
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        // Short, whatever the length of name; no reader takes it for an info file.
        temp = TemporaryPrefix + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(dirFd, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                      0600);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = true;
    for (qsizetype written = 0; ok && written < content.size();) {
        const ssize_t n = ::write(fd, content.data() + written,
                                  static_cast<std::size_t>(content.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        written += ok ? n : 0;
    }
    // Set apart from creation, so that the umask does not narrow it.
    ok = ok && ::fchmod(fd, mode) == 0;
    if (ok && mtime) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, *mtime};
        ok = ::futimens(fd, times) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::renameat(dirFd, temp.constData(), dirFd, name) == 0;
    if (!ok) {
        ::unlinkat(dirFd, temp.constData(), 0);
        return false;
    }
    ::fsync(dirFd); // the rename itself survives a crash
    return true;
}

void removeStaleTemporaries(int dirFd) {
    const int fd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    const Fd closer(fd);
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    DirectoryReader reader(fd);
    const char* name = nullptr;
    unsigned char type = 0;
    while (reader.next(name, type)) {
        struct stat st {};
        if (std::strncmp(name, TemporaryPrefix, sizeof TemporaryPrefix - 1) != 0 ||
            ::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || now.tv_sec - st.st_mtim.tv_sec <= 60)
            continue;
        ::unlinkat(fd, name, 0);
    }
}

bool DirectoryReader::next(const char*& name, unsigned char& type) {
    for (;;) {
        if (pos_ >= size_) {
            if (end_ || failed_)
                return false;
            const long n = ::syscall(SYS_getdents64, fd_, buffer_, sizeof buffer_);
            if (n < 0 && errno == EINTR)
                continue;
            failed_ = n < 0;
            end_ = n == 0;
            if (n <= 0)
                return false;
            size_ = n;
            pos_ = 0;
        }
        const auto* e = reinterpret_cast<const DirEntry64*>(buffer_ + pos_);
        pos_ += e->reclen;
        if (e->name[0] == '.' && (e->name[1] == '\0' || (e->name[1] == '.' && e->name[2] == '\0')))
            continue;
        name = e->name;
        type = e->type;
        ino_ = static_cast<ino_t>(e->ino);
        return true;
    }
}

} // namespace velmora
