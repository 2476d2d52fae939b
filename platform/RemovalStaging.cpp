// The staging folder of the removal: sessions locked with flock, the move back to files/, and
// the recovery of sessions that a killed removal left behind.
#include "platform/RemovalStaging.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/ItemRemoval.h"
#include "platform/TrashInfo.h"

namespace velmora {

namespace {

constexpr int DirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Opens dirFd/name, a folder that must be a real one of ours.
Fd openOwnFolder(int dirFd, const char* name) {
    Fd fd(::openat(dirFd, name, DirFlags));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != ::geteuid())
        return Fd();
    return fd;
}

bool stillNamed(int dirFd, const char* name, int fd) {
    struct stat named {
    }, opened{};
    return ::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// Removes dirFd/name, whatever it is, as the purge removes an item. True when it is gone.
bool removeStaged(int dirFd, const char* name, const RemovalOptions& options) {
    struct stat st {};
    if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (S_ISDIR(st.st_mode))
        return DeleteFolderTree(dirFd, name, options);
    return ::unlinkat(dirFd, name, 0) == 0 || errno == ENOENT;
}

} // namespace

int renameWithoutReplacing(int fromDir, const char* from, int toDir, const char* to) {
    if (::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return -1;
    struct stat st {};
    if (::fstatat(toDir, to, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::renameat(fromDir, from, toDir, to);
}

bool returnToFiles(int fromDir, const char* name, int filesFd) {
    if (renameWithoutReplacing(fromDir, name, filesFd, name) == 0)
        return true;
    if (errno != EEXIST && errno != ENOTEMPTY)
        return false;
    // Taken meanwhile: a free name beside it, short enough for any file system.
    const QByteArray base = QByteArray(name).left(200);
    for (int n = 1; n <= 100; ++n) {
        const QByteArray other = base + ".returned-" + QByteArray::number(n);
        if (renameWithoutReplacing(fromDir, name, filesFd, other.constData()) == 0)
            return true;
        if (errno != EEXIST && errno != ENOTEMPTY)
            return false;
    }
    return false;
}

bool StagingSession::open(int trashFd) {
    close();
    if (::mkdirat(trashFd, StagingFolderName, 0700) != 0 && errno != EEXIST)
        return false;
    staging_ = openOwnFolder(trashFd, StagingFolderName);
    if (!staging_.valid())
        return false;
    struct stat st {};
    if (::fstat(staging_.get(), &st) != 0 || ((st.st_mode & 077) && ::fchmod(staging_.get(), 0700)))
        return false;
    for (int attempt = 0; attempt < 10; ++attempt) {
        const QByteArray name =
            "session-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        if (::mkdirat(staging_.get(), name.constData(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        Fd session = openOwnFolder(staging_.get(), name.constData());
        // A recovery may have taken the empty folder for a dead session's and removed it
        // before the lock was ours: then another one.
        if (session.valid() && ::flock(session.get(), LOCK_EX | LOCK_NB) == 0 &&
            stillNamed(staging_.get(), name.constData(), session.get())) {
            session_ = std::move(session);
            name_ = name;
            return true;
        }
    }
    return false;
}

void StagingSession::close() {
    if (session_.valid())
        ::unlinkat(staging_.get(), name_.constData(), AT_REMOVEDIR); // fails when not empty
    session_.reset();
    staging_.reset();
    name_.clear();
}

void recoverStaged(int trashFd, int filesFd, int infoFd, const RemovalOptions& options) {
    const Fd staging = openOwnFolder(trashFd, StagingFolderName);
    if (!staging.valid())
        return;
    std::vector<std::string> sessions;
    {
        DirectoryReader reader(staging.get());
        const char* name = nullptr;
        unsigned char type = 0;
        while (reader.next(name, type))
            sessions.emplace_back(name);
    }
    for (const std::string& name : sessions) {
        const Fd session = openOwnFolder(staging.get(), name.c_str());
        // Held by a running removal, or not a session folder at all.
        if (!session.valid() || ::flock(session.get(), LOCK_EX | LOCK_NB) != 0 ||
            !stillNamed(staging.get(), name.c_str(), session.get()))
            continue;
        std::vector<std::string> objects;
        {
            DirectoryReader reader(session.get());
            const char* object = nullptr;
            unsigned char type = 0;
            while (reader.next(object, type))
                objects.emplace_back(object);
        }
        for (const std::string& object : objects) {
            const std::string infoName = object + TrashInfoSuffix;
            struct stat info {};
            const bool labelled = infoFd >= 0 && (::fstatat(infoFd, infoName.c_str(), &info,
                                                            AT_SYMLINK_NOFOLLOW) == 0 ||
                                                  errno != ENOENT);
            // Still labelled: the item was not removed, and is listed again. Its label gone:
            // the removal had got past the object, which goes now.
            if (labelled || !removeStaged(session.get(), object.c_str(), options))
                returnToFiles(session.get(), object.c_str(), filesFd);
        }
        ::unlinkat(staging.get(), name.c_str(), AT_REMOVEDIR);
    }
}

} // namespace velmora
