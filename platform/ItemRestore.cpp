// Restoring a trash item: the target path checked and walked relative to open folders, the move
// that never overwrites, the copy across file systems, and the clean-up of the trash's records.
#include "platform/ItemRestore.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileNames.h"
#include "platform/ItemRemoval.h"
#include "platform/PosixFiles.h"
#include "platform/SizeCache.h"
#include "platform/TrashInfo.h"
#include "platform/TrashInfoFile.h"
#include "platform/TreeWalker.h"

namespace velmora {

namespace {

constexpr int DirFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

bool sameObject(const struct stat& st, dev_t dev, ino_t ino) {
    return st.st_dev == dev && st.st_ino == ino;
}

// Removes dirFd/name, a folder with everything in it as the purge removes one. True when it is
// gone.
bool removeEntry(int dirFd, const char* name) {
    struct stat st {};
    if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (S_ISDIR(st.st_mode))
        return DeleteFolderTree(dirFd, name);
    return ::unlinkat(dirFd, name, 0) == 0 || errno == ENOENT;
}

bool copyData(int from, int to) {
    for (;;) {
        const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
        if (n == 0)
            return true;
        if (n > 0)
            continue;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return false;
        break; // not offered between these file systems: plain reads and writes
    }
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(to, buffer + done, std::size_t(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return false;
            done += w;
        }
    }
}

// Copies fromDir/fromName, a file, link or special file (st: its lstat), to toDir/toName, which
// must not exist, with its mode and times. Links are copied as links. False when it could not be
// copied; created tells whether toName was made, which then stays for the caller to remove.
bool copyLeaf(int fromDir, const char* fromName, const struct stat& st, int toDir,
              const char* toName, bool& created) {
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    const mode_t mode = st.st_mode & 07777;
    if (S_ISREG(st.st_mode)) {
        const Fd from(::openat(fromDir, fromName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat opened {};
        if (!from.valid() || ::fstat(from.get(), &opened) != 0 ||
            !sameObject(opened, st.st_dev, st.st_ino))
            return false;
        Fd to(::openat(toDir, toName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!to.valid())
            return false;
        created = true;
        if (!copyData(from.get(), to.get()) || ::fchmod(to.get(), mode) != 0 ||
            ::futimens(to.get(), times) != 0)
            return false;
        return ::close(to.release()) == 0; // a late write error shows here on some file systems
    }
    if (S_ISLNK(st.st_mode)) {
        std::vector<char> target(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlinkat(fromDir, fromName, target.data(), target.size());
        if (n < 0 || std::size_t(n) >= target.size())
            return false;
        target[std::size_t(n)] = '\0';
        if (::symlinkat(target.data(), toDir, toName) != 0)
            return false;
        created = true;
        return ::utimensat(toDir, toName, times, AT_SYMLINK_NOFOLLOW) == 0;
    }
    // Pipes, sockets and device files: made anew, as mv does.
    if (::mknodat(toDir, toName, st.st_mode & (S_IFMT | 07777), st.st_rdev) != 0)
        return false;
    created = true;
    return ::utimensat(toDir, toName, times, AT_SYMLINK_NOFOLLOW) == 0;
}

// Copies a folder tree through the shared walk: each folder made (0700 while it fills) and held
// beside the one it copies, its entries copied, and its mode and times set once it is complete.
// Any entry that cannot be copied, a mount point inside the item among them, stops the copy.
class TreeCopier : public TreeVisitor {
public:
    TreeCopier(int toDir, const char* toName) : toDir_(toDir), toName_(toName) {}

    bool created() const { return created_; }
    int error() const { return error_; }

    bool enter(WalkFolder& folder, WalkFolder* parent) override {
        const int targetDir = parent ? parent->twinFd() : toDir_;
        const char* targetName = parent ? folder.name().c_str() : toName_;
        if (::mkdirat(targetDir, targetName, 0700) != 0)
            return fail();
        created_ = true;
        folder.setTwin(Fd(::openat(targetDir, targetName, DirFlags | O_NOFOLLOW)));
        if (folder.twinFd() < 0)
            return fail();
        DirectoryReader reader(folder.fd());
        const char* entry = nullptr;
        unsigned char type = 0;
        while (reader.next(entry, type)) {
            struct stat child {};
            if (::fstatat(folder.fd(), entry, &child, AT_SYMLINK_NOFOLLOW) != 0)
                return fail();
            if (S_ISDIR(child.st_mode)) {
                folder.subfolders.emplace_back(entry);
                continue;
            }
            bool childCreated = false;
            if (!copyLeaf(folder.fd(), entry, child, folder.twinFd(), entry, childCreated))
                return fail();
        }
        return !reader.failed() || fail();
    }

    bool skip(WalkFolder&, const char*, const struct stat*, WalkRefusal) override {
        error_ = EXDEV;
        return false;
    }

    bool leave(WalkFolder& folder, WalkFolder*) override {
        const struct stat& st = folder.status();
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        return (::fchmod(folder.twinFd(), st.st_mode & 07777) == 0 &&
                ::futimens(folder.twinFd(), times) == 0) ||
               fail();
    }

private:
    bool fail() {
        error_ = errno;
        return false;
    }

    int toDir_;
    const char* toName_;
    bool created_ = false;
    int error_ = 0;
};

// Copies fromDir/fromName (st: its lstat) to toDir/toName, which must not exist, with its mode
// and times; a folder with everything in it, never entering another file system or a mount
// point. False when anything could not be copied (errno tells why); created tells whether
// toName was made, which then stays for the caller to remove.
bool copyEntry(int fromDir, const char* fromName, const struct stat& st, int toDir,
               const char* toName, bool& created) {
    if (!S_ISDIR(st.st_mode))
        return copyLeaf(fromDir, fromName, st, toDir, toName, created);
    TreeCopier copier(toDir, toName);
    const WalkEnd end = TreeWalker().walk(fromDir, fromName, st, st.st_dev, copier);
    created = copier.created();
    errno = copier.error() ? copier.error() : EIO;
    return end == WalkEnd::Done;
}

enum class Move { Moved, Exists, Gone, CrossDevice, Failed };

Move moveError(int error) {
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return Move::Exists;
    case ENOENT:
        return Move::Gone;
    case EXDEV:
        return Move::CrossDevice;
    default:
        return Move::Failed;
    }
}

// A rename after a check in the same parent, for file systems without RENAME_NOREPLACE.
Move checkedRename(int fromDir, const char* from, int toDir, const char* to) {
    struct stat st {};
    if (::fstatat(toDir, to, &st, AT_SYMLINK_NOFOLLOW) == 0)
        return Move::Exists;
    if (errno != ENOENT)
        return Move::Failed;
    return ::renameat(fromDir, from, toDir, to) == 0 ? Move::Moved : moveError(errno);
}

Move moveWithoutReplacing(const RestoreOptions& options, int fromDir, const char* from, bool folder,
                          int toDir, const char* to) {
    const int r = options.renameat2 ? options.renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE)
                                    : ::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE);
    if (r == 0)
        return Move::Moved;
    if (errno != EINVAL)
        return moveError(errno);
    // The file system does not know the flag.
    if (folder)
        return checkedRename(fromDir, from, toDir, to);
    if (::linkat(fromDir, from, toDir, to, 0) != 0) {
        if (errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK)
            return checkedRename(fromDir, from, toDir, to); // no hard links here
        return moveError(errno);
    }
    if (::unlinkat(fromDir, from, 0) != 0) {
        ::unlinkat(toDir, to, 0); // as it was: the object stays in the trash
        return Move::Failed;
    }
    return Move::Moved;
}

// Opens the volume's top directory and checks that the held trash folder lies in it, as
// top/.Trash-$uid or top/.Trash/$uid.
Fd openTop(const TrashItemRef& item) {
    Fd top(::open(item.topDir.constData(), DirFlags));
    struct stat topStat {};
    if (!top.valid() || ::fstat(top.get(), &topStat) != 0)
        return Fd();
    for (const char* up : {"..", "../.."}) {
        struct stat st {};
        if (::fstatat(item.trashFd, up, &st, 0) == 0 &&
            sameObject(st, topStat.st_dev, topStat.st_ino))
            return top;
    }
    return Fd();
}

} // namespace

std::optional<QList<QByteArray>> restoreSegments(QByteArrayView path, QByteArrayView topDir) {
    if (path.isEmpty() || path.contains('\0'))
        return std::nullopt;
    const bool absolute = path.startsWith('/');
    if (topDir.isEmpty()) {
        if (!absolute)
            return std::nullopt;
        path = path.sliced(1);
    } else if (absolute) {
        while (topDir.size() > 1 && topDir.endsWith('/'))
            topDir.chop(1);
        if (topDir == QByteArrayView("/")) {
            path = path.sliced(1);
        } else {
            if (!path.startsWith(topDir) || path.size() <= topDir.size() ||
                path[topDir.size()] != '/')
                return std::nullopt;
            path = path.sliced(topDir.size() + 1);
        }
    }
    QList<QByteArray> segments;
    qsizetype start = 0;
    for (;;) {
        const qsizetype slash = path.indexOf('/', start);
        const QByteArrayView segment =
            path.sliced(start, (slash < 0 ? path.size() : slash) - start);
        if (segment.isEmpty() || segment == QByteArrayView(".") || segment == QByteArrayView(".."))
            return std::nullopt;
        segments.append(segment.toByteArray());
        if (slash < 0)
            break;
        start = slash + 1;
    }
    return segments;
}

RestoreOutcome restoreItem(const TrashItemRef& item, const RestoreOptions& options) {
    if (!item.hasInfo || item.infoFd < 0)
        return RestoreOutcome::InvalidTarget; // an orphan: no original location known

    // The info file as it is now, and still the one the listing read.
    const QByteArray infoName = item.stored + TrashInfoSuffix;
    const ListedInfoFile listed{item.infoDev, item.infoIno};
    const InfoFileRead read = readInfoFile(item.infoFd, infoName.constData(), &listed);
    switch (read.state) {
    case InfoFileRead::State::Missing:
        return RestoreOutcome::NotThere;
    case InfoFileRead::State::Unopenable:
        return read.openError == ELOOP ? RestoreOutcome::NotThere : RestoreOutcome::Failed;
    case InfoFileRead::State::NotListed:
        return RestoreOutcome::NotThere;
    case InfoFileRead::State::Unreadable: // a Path cut short is never restored to
        return RestoreOutcome::InvalidTarget;
    case InfoFileRead::State::Read:
        break;
    }
    const TrashInfo& info = read.info;
    if (!info.hasPath)
        return RestoreOutcome::InvalidTarget;
    const std::optional<QList<QByteArray>> segments = restoreSegments(info.path, item.topDir);
    if (!segments)
        return RestoreOutcome::InvalidTarget;

    struct stat stored {};
    if (::fstatat(item.filesFd, item.stored.constData(), &stored, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? RestoreOutcome::NotThere : RestoreOutcome::Failed;
    if (!sameObject(stored, item.dev, item.ino))
        return RestoreOutcome::NotThere;

    // The folder the item goes into, created where missing.
    const bool volume = !item.topDir.isEmpty();
    Fd parent = volume ? openTop(item) : Fd(::open("/", DirFlags));
    if (!parent.valid())
        return volume ? RestoreOutcome::InvalidTarget : RestoreOutcome::Failed;
    const int followFlag = volume ? O_NOFOLLOW : 0;
    for (qsizetype k = 0; k + 1 < segments->size(); ++k) {
        const char* segment = (*segments)[k].constData();
        Fd next(::openat(parent.get(), segment, DirFlags | followFlag));
        if (!next.valid() && errno == ENOENT) {
            if (::mkdirat(parent.get(), segment, 0777) != 0 && errno != EEXIST)
                return RestoreOutcome::Failed;
            next.reset(::openat(parent.get(), segment, DirFlags | O_NOFOLLOW));
        }
        if (!next.valid())
            return errno == ENOTDIR || errno == ELOOP ? RestoreOutcome::InvalidTarget
                                                      : RestoreOutcome::Failed;
        parent = std::move(next);
    }

    const char* name = segments->last().constData();
    const char* from = item.stored.constData();
    const bool folder = S_ISDIR(stored.st_mode);
    Move moved = moveWithoutReplacing(options, item.filesFd, from, folder, parent.get(), name);
    if (moved == Move::CrossDevice) {
        bool created = false;
        if (!copyEntry(item.filesFd, from, stored, parent.get(), name, created)) {
            const int error = errno;
            if (created)
                removeEntry(parent.get(), name);
            return !created && error == EEXIST ? RestoreOutcome::TargetExists
                                               : RestoreOutcome::Failed;
        }
        // Only a complete copy lets the original go. What cannot be removed of it stays with
        // its info file, so that it is never left unlabelled.
        if (!removeEntry(item.filesFd, from))
            return RestoreOutcome::Restored;
        moved = Move::Moved;
    }
    switch (moved) {
    case Move::Moved:
        break;
    case Move::Exists:
        return RestoreOutcome::TargetExists;
    case Move::Gone:
        return RestoreOutcome::NotThere;
    default:
        return RestoreOutcome::Failed;
    }

    // The object is back: its info file goes, then its line in the size cache.
    struct stat st {};
    if (::fstatat(item.infoFd, infoName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        sameObject(st, item.infoDev, item.infoIno))
        ::unlinkat(item.infoFd, infoName.constData(), 0);
    if (folder && item.trashFd >= 0)
        forgetDirectorySizes(item.trashFd, {item.stored});
    return RestoreOutcome::Restored;
}

} // namespace velmora
