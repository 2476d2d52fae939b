// Removing trash items for good, relative to held descriptors, never following a link.
#include "platform/ItemRemoval.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <QSet>

#include <cerrno>
#include <string>

#include "platform/FileNames.h"
#include "platform/PosixFiles.h"
#include "platform/SizeCache.h"

namespace velmora {

namespace {

constexpr int OpenDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Descriptors one walk keeps open at most; deeper levels are reopened through "..".
constexpr std::size_t MaxOpenLevels = 64;

enum class TreeResult { Gone, Stayed, Vanished };

dev_t deviceOf(const RemovalOptions& options, const struct stat& st) {
    return options.deviceOf ? options.deviceOf(st) : st.st_dev;
}

bool sameObject(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens the folder dirFd/name that lstat gave as st, first giving it owner read, write and search
// permission when this user owns it and lacks one of them. -1 with errno set when it cannot be
// opened or is no longer that folder (ESTALE).
int openFolder(int dirFd, const char* name, const struct stat& st) {
    if (st.st_uid == ::geteuid() && (st.st_mode & S_IRWXU) != S_IRWXU)
        ::fchmodat(dirFd, name, (st.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
    const int fd = ::openat(dirFd, name, OpenDirFlags);
    if (fd < 0)
        return -1;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !sameObject(opened, st)) {
        ::close(fd);
        errno = ESTALE;
        return -1;
    }
    return fd;
}

class TreeRemover {
public:
    TreeRemover(const RemovalOptions& options, dev_t fileSystem)
        : options_(options), fileSystem_(fileSystem) {}

    // Removes the folder dirFd/name, which lstat gave as st.
    TreeResult remove(int dirFd, const char* name, const struct stat& st) {
        if (deviceOf(options_, st) != fileSystem_)
            return TreeResult::Stayed;
        const int fd = openFolder(dirFd, name, st);
        if (fd < 0)
            return errno == ENOENT ? TreeResult::Vanished : TreeResult::Stayed;
        stack_.push_back({fd, st.st_ino, {}, 0, false, {}});
        scan(stack_.back());
        if (!walk())
            return TreeResult::Stayed;
        if (::unlinkat(dirFd, name, AT_REMOVEDIR) == 0)
            return TreeResult::Gone;
        return errno == ENOENT ? TreeResult::Vanished : TreeResult::Stayed;
    }

private:
    struct Frame {
        int fd;
        ino_t ino;
        std::vector<std::string> subdirs;
        std::size_t next;
        bool blocked;     // an entry stayed: the folder stays
        std::string name; // in the folder above
    };

    void unlinkEntry(Frame& frame, const char* name) {
        if (::unlinkat(frame.fd, name, 0) == 0 || errno == ENOENT)
            return;
        if (errno == EISDIR)
            frame.subdirs.emplace_back(name);
        else
            frame.blocked = true;
    }

    // Reads the whole folder first, then removes its files, links and special files and keeps
    // its subfolders for the walk: entries are never removed while the folder is being read.
    void scan(Frame& frame) {
        std::string others; // names separated by NUL
        {
            DirectoryReader reader(frame.fd);
            const char* entry = nullptr;
            unsigned char type = 0;
            while (reader.next(entry, type)) {
                if (type == DT_UNKNOWN) {
                    struct stat st {};
                    if (::fstatat(frame.fd, entry, &st, AT_SYMLINK_NOFOLLOW) != 0)
                        continue; // gone
                    type = S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
                }
                if (type == DT_DIR)
                    frame.subdirs.emplace_back(entry);
                else
                    others.append(entry).push_back('\0');
            }
            if (reader.failed())
                frame.blocked = true;
        }
        for (std::size_t at = 0; at < others.size();) {
            const char* entry = others.c_str() + at;
            unlinkEntry(frame, entry);
            at += std::char_traits<char>::length(entry) + 1;
        }
    }

    // Enters the next subfolder of the top frame; false when there is none left.
    bool enterNext() {
        Frame& top = stack_.back();
        if (top.next >= top.subdirs.size())
            return false;
        std::string sub = std::move(top.subdirs[top.next++]);
        struct stat st {};
        if (::fstatat(top.fd, sub.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            top.blocked |= errno != ENOENT;
            return true;
        }
        if (!S_ISDIR(st.st_mode)) { // replaced since the folder was read
            unlinkEntry(top, sub.c_str());
            return true;
        }
        if (deviceOf(options_, st) != fileSystem_) { // a mount point: not entered, it stays
            top.blocked = true;
            return true;
        }
        const int child = openFolder(top.fd, sub.c_str(), st);
        if (child < 0) {
            top.blocked |= errno != ENOENT;
            return true;
        }
        stack_.push_back({child, st.st_ino, {}, 0, false, std::move(sub)});
        if (stack_.size() - firstOpen_ > MaxOpenLevels) {
            ::close(stack_[firstOpen_].fd);
            stack_[firstOpen_].fd = -1;
            ++firstOpen_;
        }
        scan(stack_.back());
        return true;
    }

    // Removes every folder below the root, deepest first. False when the tree moved under the
    // walk (a closed level could not be reopened as the same folder): it stops there.
    bool walk() {
        bool rootBlocked = false;
        while (!stack_.empty()) {
            if (enterNext())
                continue;
            const std::size_t k = stack_.size() - 1;
            if (k == 0) {
                rootBlocked = stack_[0].blocked;
                ::close(stack_[0].fd);
                stack_.clear();
                break;
            }
            if (stack_[k - 1].fd < 0) {
                const int up = ::openat(stack_[k].fd, "..", OpenDirFlags);
                struct stat st {};
                if (up < 0 || ::fstat(up, &st) != 0 || st.st_ino != stack_[k - 1].ino ||
                    deviceOf(options_, st) != fileSystem_) {
                    if (up >= 0)
                        ::close(up);
                    closeAll();
                    return false;
                }
                stack_[k - 1].fd = up;
                --firstOpen_;
            }
            Frame done = std::move(stack_.back());
            stack_.pop_back();
            ::close(done.fd);
            Frame& parent = stack_.back();
            if (done.blocked ||
                (::unlinkat(parent.fd, done.name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT))
                parent.blocked = true;
        }
        return !rootBlocked;
    }

    void closeAll() {
        for (Frame& f : stack_)
            if (f.fd >= 0)
                ::close(f.fd);
        stack_.clear();
    }

    const RemovalOptions& options_;
    dev_t fileSystem_;
    std::vector<Frame> stack_;
    std::size_t firstOpen_ = 0;
};

bool fileSystemOf(int dirFd, const RemovalOptions& options, dev_t& dev) {
    struct stat st {};
    if (::fstat(dirFd, &st) != 0)
        return false;
    dev = deviceOf(options, st);
    return true;
}

} // namespace

bool DeleteFolderTree(int dirFd, const char* name, const RemovalOptions& options) {
    struct stat st {};
    dev_t fileSystem = 0;
    if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) ||
        !fileSystemOf(dirFd, options, fileSystem))
        return false;
    return TreeRemover(options, fileSystem).remove(dirFd, name, st) == TreeResult::Gone;
}

ItemRemoval::ItemRemoval(RemovalOptions options) : options_(std::move(options)) {}

ItemRemoval::~ItemRemoval() {
    finish();
}

RemoveOutcome ItemRemoval::KillItem(const TrashItemRef& item) {
    if (item.filesFd < 0 || item.stored.isEmpty() || item.stored.contains('/') ||
        item.stored.contains('\0') || item.stored == "." || item.stored == "..")
        return RemoveOutcome::NotThere;
    const char* stored = item.stored.constData();
    const QByteArray infoName = item.stored + ".trashinfo";

    // Still the object and the info file the listing read?
    struct stat st {};
    if (::fstatat(item.filesFd, stored, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? RemoveOutcome::NotThere : RemoveOutcome::Stayed;
    if (st.st_dev != item.dev || st.st_ino != item.ino)
        return RemoveOutcome::NotThere;
    auto infoIsTheListed = [&] {
        struct stat info {};
        const bool exists = item.infoFd >= 0 && ::fstatat(item.infoFd, infoName.constData(), &info,
                                                          AT_SYMLINK_NOFOLLOW) == 0;
        if (!item.hasInfo)
            return !exists;
        return exists && info.st_dev == item.infoDev && info.st_ino == item.infoIno;
    };
    if (!infoIsTheListed())
        return RemoveOutcome::NotThere;

    if (S_ISDIR(st.st_mode)) {
        dev_t fileSystem = 0;
        if (!fileSystemOf(item.filesFd, options_, fileSystem))
            return RemoveOutcome::Stayed;
        switch (TreeRemover(options_, fileSystem).remove(item.filesFd, stored, st)) {
        case TreeResult::Gone:
            break;
        case TreeResult::Stayed:
            return RemoveOutcome::Stayed;
        case TreeResult::Vanished:
            return RemoveOutcome::NotThere;
        }
    } else if (::unlinkat(item.filesFd, stored, 0) != 0) {
        return errno == ENOENT ? RemoveOutcome::NotThere : RemoveOutcome::Stayed;
    }

    // The stored object is gone: its label goes next. An info file that changed meanwhile is
    // someone else's and stays.
    if (item.hasInfo && infoIsTheListed())
        ::unlinkat(item.infoFd, infoName.constData(), 0);
    if (S_ISDIR(st.st_mode) && item.trashFd >= 0)
        forgetSize(item.trashFd, item.stored);
    return RemoveOutcome::Removed;
}

void ItemRemoval::forgetSize(int trashFd, const QByteArray& name) {
    struct stat st {};
    if (::fstat(trashFd, &st) != 0)
        return;
    std::lock_guard lock(mutex_);
    for (PendingTrash& p : pending_) {
        if (p.dev == st.st_dev && p.ino == st.st_ino) {
            p.names.append(name);
            return;
        }
    }
    const int fd = ::fcntl(trashFd, F_DUPFD_CLOEXEC, 0);
    if (fd >= 0)
        pending_.push_back({fd, st.st_dev, st.st_ino, {name}});
}

void ItemRemoval::finish() {
    std::vector<PendingTrash> pending;
    {
        std::lock_guard lock(mutex_);
        pending.swap(pending_);
    }
    for (PendingTrash& p : pending) {
        forgetDirectorySizes(p.fd, QSet<QByteArray>(p.names.begin(), p.names.end()));
        ::close(p.fd);
    }
}

} // namespace velmora
