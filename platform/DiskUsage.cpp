#include "platform/DiskUsage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/FileNames.h"

namespace velmora {

namespace {

constexpr int OpenDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Descriptors one walk keeps open at most; deeper levels are reopened through "..".
constexpr std::size_t MaxOpenLevels = 64;

qint64 allocated(const struct stat& st) {
    return static_cast<qint64>(st.st_blocks) * 512;
}

struct DirEntry64 {
    ino64_t ino;
    off64_t off;
    unsigned short reclen;
    unsigned char type;
    char name[1];
};

struct FileId {
    dev_t dev;
    ino_t ino;
    bool operator==(const FileId&) const = default;
};
struct FileIdHash {
    std::size_t operator()(const FileId& id) const noexcept {
        return std::hash<std::uint64_t>()(static_cast<std::uint64_t>(id.ino) * 31 +
                                          static_cast<std::uint64_t>(id.dev));
    }
};

class TreeWalker {
public:
    qint64 measure(int dirFd, const char* name, struct stat* top) {
        if (top)
            *top = {};
        struct stat st {};
        if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return 0;
        if (top)
            *top = st;
        total_ = allocated(st);
        if (!S_ISDIR(st.st_mode))
            return total_;
        rootDev_ = st.st_dev;
        const int fd = ::openat(dirFd, name, OpenDirFlags);
        if (fd < 0)
            return total_;
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || opened.st_dev != st.st_dev || opened.st_ino != st.st_ino) {
            ::close(fd);
            return total_;
        }
        walk(fd, st.st_ino);
        return total_;
    }

private:
    struct Frame {
        int fd;
        ino_t ino;
        std::vector<std::string> subdirs;
        std::size_t next = 0;
    };

    // Counts the entries of the open folder fd and collects the subfolders to visit.
    void scan(Frame& frame) {
        DirectoryReader reader(frame.fd);
        const char* entryName = nullptr;
        unsigned char type = 0;
        while (reader.next(entryName, type)) {
            struct stat st {};
            if (::fstatat(frame.fd, entryName, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
                st.st_dev != rootDev_)
                continue;
            if (S_ISDIR(st.st_mode)) {
                total_ += allocated(st);
                frame.subdirs.emplace_back(entryName);
                continue;
            }
            if (st.st_nlink > 1 && !seen_.insert({st.st_dev, st.st_ino}).second)
                continue;
            total_ += allocated(st);
        }
        // A folder that cannot be read further is counted as far as it was read.
    }

    // Reopens the folder of frame k from the open descriptor of the frame above it, checking
    // that ".." is still that folder.
    bool reopen(std::size_t k) {
        const int up = ::openat(stack_[k + 1].fd, "..", OpenDirFlags);
        if (up < 0)
            return false;
        struct stat st {};
        if (::fstat(up, &st) != 0 || st.st_dev != rootDev_ || st.st_ino != stack_[k].ino) {
            ::close(up);
            return false;
        }
        stack_[k].fd = up;
        return true;
    }

    void walk(int rootFd, ino_t rootIno) {
        stack_.clear();
        stack_.push_back({rootFd, rootIno, {}});
        scan(stack_.back());
        std::size_t firstOpen = 0; // frames below it have closed descriptors
        while (!stack_.empty()) {
            Frame& top = stack_.back();
            if (top.next < top.subdirs.size()) {
                const std::string& sub = top.subdirs[top.next++];
                const int child = ::openat(top.fd, sub.c_str(), OpenDirFlags);
                if (child < 0)
                    continue; // unreadable (mode 0000) or gone: its entry is counted
                struct stat st {};
                if (::fstat(child, &st) != 0 || st.st_dev != rootDev_) {
                    ::close(child);
                    continue;
                }
                stack_.push_back({child, st.st_ino, {}});
                if (stack_.size() - firstOpen > MaxOpenLevels) {
                    ::close(stack_[firstOpen].fd);
                    stack_[firstOpen].fd = -1;
                    ++firstOpen;
                }
                scan(stack_.back());
                continue;
            }
            const std::size_t k = stack_.size() - 1;
            if (k > 0 && stack_[k - 1].fd < 0) {
                if (!reopen(k - 1)) {
                    // The tree moved under the walk: stop with what was counted.
                    for (Frame& f : stack_)
                        if (f.fd >= 0)
                            ::close(f.fd);
                    stack_.clear();
                    return;
                }
                --firstOpen;
            }
            ::close(top.fd);
            stack_.pop_back();
        }
    }

    std::vector<Frame> stack_;
    std::unordered_set<FileId, FileIdHash> seen_;
    dev_t rootDev_ = 0;
    qint64 total_ = 0;
};

} // namespace

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
        return true;
    }
}

qint64 diskUsage(int dirFd, const char* name, struct stat* top) {
    TreeWalker walker;
    return walker.measure(dirFd, name, top);
}

QString kilobyteText(qint64 bytes) {
    const qint64 kilobytes = bytes <= 0 ? 0 : (bytes - 1) / 1024 + 1;
    const QString digits = QString::number(kilobytes);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out + QStringLiteral(" KB");
}

QHash<QByteArray, DirectorySize> parseDirectorySizes(QByteArrayView content) {
    QHash<QByteArray, DirectorySize> entries;
    forEachLine(content, [&](QByteArrayView line) {
        const qsizetype first = line.indexOf(' ');
        const qsizetype second = first < 0 ? -1 : line.indexOf(' ', first + 1);
        if (second < 0 || second + 1 >= line.size())
            return;
        bool sizeOk = false, mtimeOk = false;
        const qint64 bytes = line.first(first).toLongLong(&sizeOk);
        const qint64 mtime = line.sliced(first + 1, second - first - 1).toLongLong(&mtimeOk);
        if (!sizeOk || !mtimeOk || bytes < 0)
            return;
        const QByteArray name = percentDecode(line.sliced(second + 1));
        if (name.isEmpty() || name.contains('/') || name.contains('\0'))
            return;
        entries.insert(name, {bytes, mtime});
    });
    return entries;
}

bool isValidDirectorySize(const DirectorySize& entry, qint64 infoMtimeSeconds,
                          qint64 infoMtimeMilliseconds) {
    return entry.mtime == infoMtimeSeconds || entry.mtime == infoMtimeMilliseconds;
}

QByteArray directorySizesContent(const QList<NamedDirectorySize>& entries) {
    QByteArray out;
    for (const NamedDirectorySize& e : entries) {
        out += QByteArray::number(e.size.bytes);
        out += ' ';
        out += QByteArray::number(e.size.mtime);
        out += ' ';
        out += percentEncode(e.name);
        out += '\n';
    }
    return out;
}

bool replaceFileAtomically(int dirFd, const char* name, QByteArrayView content,
                           const struct timespec* mtime) {
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        // Short, whatever the length of name; no reader takes it for an info file.
        temp = ".velmora-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
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
    if (ok && mtime) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, *mtime};
        ok = ::futimens(fd, times) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::renameat(dirFd, temp.constData(), dirFd, name) == 0;
    if (!ok)
        ::unlinkat(dirFd, temp.constData(), 0);
    return ok;
}

} // namespace velmora
