// The space an item takes on disk: a walk over its tree relative to open folders.
#include "platform/DiskUsage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/PosixFiles.h"

namespace velmora {

namespace {

constexpr int OpenDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Descriptors one walk keeps open at most; deeper levels are reopened through "..".
constexpr std::size_t MaxOpenLevels = 64;

qint64 allocated(const struct stat& st) {
    return static_cast<qint64>(st.st_blocks) * 512;
}

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
        if (!S_ISDIR(st.st_mode)) {
            apparent_ = st.st_size;
            return total_;
        }
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

    TreeFigures figures() const { return {total_, apparent_, files_, folders_}; }

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
                ++folders_;
                frame.subdirs.emplace_back(entryName);
                continue;
            }
            ++files_;
            if (st.st_nlink > 1 && !seen_.insert({st.st_dev, st.st_ino}).second)
                continue;
            total_ += allocated(st);
            apparent_ += st.st_size;
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
    qint64 apparent_ = 0;
    qint64 files_ = 0;
    qint64 folders_ = 0;
};

} // namespace

qint64 diskUsage(int dirFd, const char* name, struct stat* top) {
    TreeWalker walker;
    return walker.measure(dirFd, name, top);
}

TreeFigures measureTree(int dirFd, const char* name) {
    TreeWalker walker;
    walker.measure(dirFd, name, nullptr);
    return walker.figures();
}

} // namespace velmora
