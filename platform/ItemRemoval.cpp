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
#include "platform/RemovalStaging.h"
#include "platform/SizeCache.h"
#include "platform/TestHook.h"
#include "platform/TrashInfo.h"
#include "platform/TreeWalker.h"

namespace velmora {

namespace {

enum class TreeResult { Gone, Stayed, Vanished };

dev_t deviceOf(const RemovalOptions& options, const struct stat& st) {
    return options.deviceOf ? options.deviceOf(st) : st.st_dev;
}

// Removes a folder tree bottom-up through the shared walk: each folder is read whole, then its
// files, links and special files are removed, then its subfolders are walked, then it goes.
class TreeRemover : public TreeVisitor {
public:
    explicit TreeRemover(const RemovalOptions& options) : walker_({options.deviceOf}) {}

    // Removes the folder dirFd/name, which lstat gave as st, staying on fileSystem.
    TreeResult remove(int dirFd, const char* name, const struct stat& st, dev_t fileSystem) {
        switch (walker_.walk(dirFd, name, st, fileSystem, *this)) {
        case WalkEnd::Done:
            break;
        case WalkEnd::Refused:
            return walker_.refusal() == WalkRefusal::Gone ? TreeResult::Vanished
                                                          : TreeResult::Stayed;
        case WalkEnd::Moved: // the tree moved under the walk: it stops there
        case WalkEnd::Stopped:
            return TreeResult::Stayed;
        }
        if (topIncomplete_)
            return TreeResult::Stayed;
        if (::unlinkat(dirFd, name, AT_REMOVEDIR) == 0)
            return TreeResult::Gone;
        return errno == ENOENT ? TreeResult::Vanished : TreeResult::Stayed;
    }

    // A folder owned by this user is given owner read, write and search permission first.
    bool admit(int parentFd, const char* name, const struct stat& st) override {
        if (st.st_uid == ::geteuid() && (st.st_mode & S_IRWXU) != S_IRWXU) {
            // A failure shows in the removal that follows, which counts what stays.
            [[maybe_unused]] const int changed =
                ::fchmodat(parentFd, name, (st.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
        }
        return true;
    }

    // Reads the whole folder first, then removes its files, links and special files and keeps
    // its subfolders for the walk: entries are never removed while the folder is being read.
    bool enter(WalkFolder& folder, WalkFolder*) override {
        std::string others; // names separated by NUL
        {
            DirectoryReader reader(folder.fd());
            const char* entry = nullptr;
            unsigned char type = 0;
            while (reader.next(entry, type)) {
                if (type == DT_UNKNOWN) {
                    struct stat st {};
                    if (::fstatat(folder.fd(), entry, &st, AT_SYMLINK_NOFOLLOW) != 0)
                        continue; // gone
                    type = S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
                }
                if (type == DT_DIR)
                    folder.subfolders.emplace_back(entry);
                else
                    others.append(entry).push_back('\0');
            }
            if (reader.failed())
                folder.incomplete = true;
        }
        for (std::size_t at = 0; at < others.size();) {
            const char* entry = others.c_str() + at;
            unlinkEntry(folder, entry);
            at += std::char_traits<char>::length(entry) + 1;
        }
        return true;
    }

    bool skip(WalkFolder& parent, const char* name, const struct stat*, WalkRefusal why) override {
        switch (why) {
        case WalkRefusal::Gone:
            break;
        case WalkRefusal::NotAFolder: // replaced since the folder was read
            unlinkEntry(parent, name);
            break;
        case WalkRefusal::OtherFileSystem: // a mount point: not entered, it stays
        case WalkRefusal::Unopenable:
        case WalkRefusal::Changed:
            parent.incomplete = true;
            break;
        }
        return true;
    }

    // An entry that stayed keeps every folder above it.
    bool leave(WalkFolder& folder, WalkFolder* parent) override {
        if (!parent)
            topIncomplete_ = folder.incomplete;
        else if (folder.incomplete ||
                 (::unlinkat(parent->fd(), folder.name().c_str(), AT_REMOVEDIR) != 0 &&
                  errno != ENOENT))
            parent->incomplete = true;
        return true;
    }

private:
    void unlinkEntry(WalkFolder& folder, const char* name) {
        runTestHook(HookPoint::RemovalUnlink, folder.fd(), name);
        if (::unlinkat(folder.fd(), name, 0) == 0 || errno == ENOENT)
            return;
        if (errno == EISDIR)
            folder.subfolders.emplace_back(name);
        else
            folder.incomplete = true;
    }

    TreeWalker walker_;
    bool topIncomplete_ = false;
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
    return TreeRemover(options).remove(dirFd, name, st, fileSystem) == TreeResult::Gone;
}

ItemRemoval::ItemRemoval(RemovalOptions options) : options_(std::move(options)) {}

ItemRemoval::~ItemRemoval() {
    finish();
}

RemoveOutcome ItemRemoval::KillItem(const TrashItemRef& item) {
    if (item.filesFd < 0 || item.trashFd < 0 || item.stored.isEmpty() ||
        item.stored.contains('/') || item.stored.contains('\0') || item.stored == "." ||
        item.stored == "..")
        return RemoveOutcome::NotThere;
    const char* stored = item.stored.constData();
    const QByteArray infoName = item.stored + TrashInfoSuffix;
    auto infoIsTheListed = [&] {
        struct stat info {};
        const bool exists = item.infoFd >= 0 && ::fstatat(item.infoFd, infoName.constData(), &info,
                                                          AT_SYMLINK_NOFOLLOW) == 0;
        if (!item.hasInfo)
            return !exists;
        return exists && info.st_dev == item.infoDev && info.st_ino == item.infoIno;
    };

    // Still the object and the info file the listing read? An object that is a mount point or
    // lies on another file system cannot be told by its inode; it can never be removed, and
    // stays, with its info file.
    struct stat st {};
    bool mountRoot = false;
    dev_t fileSystem = 0;
    if (!lstatEntry(item.filesFd, stored, st, mountRoot))
        return errno == ENOENT ? RemoveOutcome::NotThere : RemoveOutcome::Stayed;
    if (!fileSystemOf(item.filesFd, options_, fileSystem))
        return RemoveOutcome::Stayed;
    if (mountRoot || deviceOf(options_, st) != fileSystem)
        return infoIsTheListed() ? RemoveOutcome::Stayed : RemoveOutcome::NotThere;
    if (st.st_dev != item.dev || st.st_ino != item.ino || !infoIsTheListed())
        return RemoveOutcome::NotThere;
    runTestHook(HookPoint::RemovalChecked, item.filesFd, stored);

    // Out of everyone's way: into this removal's own staging folder, where no other program
    // puts or swaps anything. A restore that came first leaves nothing to move; one that comes
    // later finds nothing in files/.
    const int staging = stagingFor(item.trashFd, item.filesFd, item.infoFd);
    if (staging < 0)
        return RemoveOutcome::Stayed;
    int moved = renameWithoutReplacing(item.filesFd, stored, staging, stored);
    if (moved != 0 && errno == EACCES && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()) {
        // A folder moves to another parent only with write permission of its own (its ".."
        // changes): given it, as the walk would.
        // A failure shows in the second rename.
        [[maybe_unused]] const int changed =
            ::fchmodat(item.filesFd, stored, (st.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
        moved = renameWithoutReplacing(item.filesFd, stored, staging, stored);
    }
    if (moved != 0)
        return errno == ENOENT ? RemoveOutcome::NotThere : RemoveOutcome::Stayed;
    // What arrived must be the listed object; anything else goes back where it was.
    struct stat arrived {};
    if (::fstatat(staging, stored, &arrived, AT_SYMLINK_NOFOLLOW) != 0)
        return RemoveOutcome::NotThere;
    if (arrived.st_dev != item.dev || arrived.st_ino != item.ino) {
        returnToFiles(staging, stored, item.filesFd);
        return RemoveOutcome::NotThere;
    }
    runTestHook(HookPoint::RemovalStaged, staging, stored);

    const bool folder = S_ISDIR(arrived.st_mode);
    RemoveOutcome outcome = RemoveOutcome::Removed;
    if (folder) {
        switch (TreeRemover(options_).remove(staging, stored, arrived, fileSystem)) {
        case TreeResult::Gone:
            break;
        case TreeResult::Stayed:
            outcome = RemoveOutcome::Stayed;
            break;
        case TreeResult::Vanished:
            return RemoveOutcome::NotThere;
        }
    } else if (::unlinkat(staging, stored, 0) != 0) {
        if (errno == ENOENT)
            return RemoveOutcome::NotThere;
        outcome = RemoveOutcome::Stayed;
    }
    if (outcome == RemoveOutcome::Stayed) {
        // What is left is listed again where the user and other trash tools see it, with its
        // info file; its size is measured afresh.
        returnToFiles(staging, stored, item.filesFd);
        if (folder)
            forgetSize(item.trashFd, item.stored);
        return outcome;
    }

    // The stored object is gone: its label goes next. An info file that changed meanwhile is
    // someone else's and stays.
    runTestHook(HookPoint::RemovalInfo, item.infoFd, infoName.constData());
    if (item.hasInfo && infoIsTheListed())
        ::unlinkat(item.infoFd, infoName.constData(), 0);
    if (folder)
        forgetSize(item.trashFd, item.stored);
    return RemoveOutcome::Removed;
}

int ItemRemoval::stagingFor(int trashFd, int filesFd, int infoFd) {
    struct stat st {};
    if (::fstat(trashFd, &st) != 0)
        return -1;
    std::lock_guard lock(mutex_);
    for (Staging& s : staging_)
        if (s.dev == st.st_dev && s.ino == st.st_ino)
            return s.session.valid() ? s.session.fd() : -1;
    // The first removal in this trash finishes what interrupted ones left.
    recoverStaged(trashFd, filesFd, infoFd, options_);
    Staging& s = staging_.emplace_back();
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.session.open(trashFd);
    return s.session.valid() ? s.session.fd() : -1;
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
    Fd fd(::fcntl(trashFd, F_DUPFD_CLOEXEC, 0));
    if (fd.valid())
        pending_.push_back({std::move(fd), st.st_dev, st.st_ino, {name}});
}

void ItemRemoval::finish() {
    std::vector<PendingTrash> pending;
    {
        std::lock_guard lock(mutex_);
        pending.swap(pending_);
    }
    for (PendingTrash& p : pending)
        forgetDirectorySizes(p.fd.get(), QSet<QByteArray>(p.names.begin(), p.names.end()));
    std::lock_guard lock(mutex_);
    staging_.clear(); // the session folders, empty now, go
}

} // namespace velmora
