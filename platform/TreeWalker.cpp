// The bounded tree walk: a stack of open folders, closed above a fixed depth and reopened
// through "..", each checked on its descriptor to be the folder that was read.
#include "platform/TreeWalker.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>

#include "platform/TestHook.h"

namespace velmora {

namespace {

constexpr int OpenDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool sameObject(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

bool lstatEntry(int dirFd, const char* name, struct stat& st, bool& mountRoot) {
    struct statx sx {};
    const int flags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | (*name ? 0 : AT_EMPTY_PATH);
    if (::statx(dirFd, name, flags, STATX_BASIC_STATS, &sx) != 0) {
        if (errno != ENOSYS)
            return false;
        mountRoot = false;
        return (*name ? ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) : ::fstat(dirFd, &st)) ==
               0;
    }
    st = {};
    st.st_dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    st.st_ino = sx.stx_ino;
    st.st_mode = sx.stx_mode;
    st.st_nlink = sx.stx_nlink;
    st.st_uid = sx.stx_uid;
    st.st_gid = sx.stx_gid;
    st.st_rdev = makedev(sx.stx_rdev_major, sx.stx_rdev_minor);
    st.st_size = static_cast<off_t>(sx.stx_size);
    st.st_blksize = static_cast<blksize_t>(sx.stx_blksize);
    st.st_blocks = static_cast<blkcnt_t>(sx.stx_blocks);
    st.st_atim = {sx.stx_atime.tv_sec, sx.stx_atime.tv_nsec};
    st.st_mtim = {sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec};
    st.st_ctim = {sx.stx_ctime.tv_sec, sx.stx_ctime.tv_nsec};
    mountRoot = (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0 &&
                (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
    return true;
}

void WalkFolder::setTwin(Fd twin) {
    struct stat st {};
    hasTwin_ = twin.valid() && ::fstat(twin.get(), &st) == 0;
    twinDev_ = st.st_dev;
    twinIno_ = st.st_ino;
    twin_ = std::move(twin);
}

WalkEnd TreeWalker::walk(int dirFd, const char* name, const struct stat& st, dev_t fileSystem,
                         TreeVisitor& visitor) {
    fileSystem_ = fileSystem;
    stack_.clear();
    firstOpen_ = 0;
    WalkEnd end = WalkEnd::Done;
    WalkFolder top;
    top.name_ = name;
    switch (open(dirFd, name, top, visitor, &st)) {
    case Opened::Refused:
        return WalkEnd::Refused;
    case Opened::Stop:
        return WalkEnd::Stopped;
    case Opened::Yes:
        break;
    }
    stack_.push_back(std::move(top));
    if (!visitor.enter(stack_.back(), nullptr))
        end = WalkEnd::Stopped;
    while (end == WalkEnd::Done && !stack_.empty()) {
        const std::size_t k = stack_.size() - 1;
        if (stack_[k].next_ < stack_[k].subfolders.size()) {
            const std::string sub = stack_[k].subfolders[stack_[k].next_++];
            WalkFolder child;
            child.name_ = sub;
            const Opened opened = open(stack_[k].fd(), sub.c_str(), child, visitor, nullptr);
            if (opened == Opened::Stop ||
                (opened == Opened::Refused &&
                 !visitor.skip(stack_[k], sub.c_str(), haveLast_ ? &last_ : nullptr, refusal_))) {
                end = WalkEnd::Stopped;
                break;
            }
            if (opened == Opened::Refused)
                continue;
            stack_.push_back(std::move(child));
            if (stack_.size() - firstOpen_ > MaxOpenLevels)
                closeHighest();
            if (!visitor.enter(stack_.back(), &stack_[k]))
                end = WalkEnd::Stopped;
            continue;
        }
        if (k > 0 && !stack_[k - 1].fd_.valid() && !reopenAbove(k)) {
            end = WalkEnd::Moved;
            break;
        }
        if (!visitor.leave(stack_[k], k > 0 ? &stack_[k - 1] : nullptr)) {
            end = WalkEnd::Stopped;
            break;
        }
        stack_.pop_back();
    }
    stack_.clear(); // closes what is still open
    return end;
}

TreeWalker::Opened TreeWalker::open(int parentFd, const char* name, WalkFolder& into,
                                    TreeVisitor& visitor, const struct stat* known) {
    haveLast_ = false;
    auto refuse = [&](WalkRefusal why) {
        refusal_ = why;
        return Opened::Refused;
    };
    bool mountRoot = false;
    if (!lstatEntry(parentFd, name, last_, mountRoot))
        return refuse(errno == ENOENT ? WalkRefusal::Gone : WalkRefusal::Unopenable);
    haveLast_ = true;
    if (!S_ISDIR(last_.st_mode))
        return refuse(WalkRefusal::NotAFolder);
    if (known && !sameObject(last_, *known))
        return refuse(WalkRefusal::Changed);
    if (mountRoot || deviceOf(last_) != fileSystem_)
        return refuse(WalkRefusal::OtherFileSystem);
    if (!visitor.admit(parentFd, name, last_))
        return Opened::Stop;
    runTestHook(HookPoint::WalkOpen, parentFd, name);
    Fd fd(::openat(parentFd, name, OpenDirFlags));
    if (!fd.valid())
        return refuse(errno == ENOENT ? WalkRefusal::Gone : WalkRefusal::Unopenable);
    struct stat opened {};
    if (!lstatEntry(fd.get(), "", opened, mountRoot) || !sameObject(opened, last_))
        return refuse(WalkRefusal::Changed);
    if (mountRoot || deviceOf(opened) != fileSystem_)
        return refuse(WalkRefusal::OtherFileSystem);
    into.fd_ = std::move(fd);
    into.status_ = opened;
    return Opened::Yes;
}

// Reopens the closed folder k - 1 (and its twin) through ".." of folder k, which is open.
bool TreeWalker::reopenAbove(std::size_t k) {
    WalkFolder& above = stack_[k - 1];
    const WalkFolder& below = stack_[k];
    Fd up(::openat(below.fd(), "..", OpenDirFlags));
    struct stat st {};
    if (!up.valid() || ::fstat(up.get(), &st) != 0 || !sameObject(st, above.status_))
        return false;
    if (above.hasTwin_) {
        Fd twinUp(below.twin_.valid() ? ::openat(below.twin_.get(), "..", OpenDirFlags) : -1);
        if (!twinUp.valid() || ::fstat(twinUp.get(), &st) != 0 || st.st_dev != above.twinDev_ ||
            st.st_ino != above.twinIno_)
            return false;
        above.twin_ = std::move(twinUp);
    }
    above.fd_ = std::move(up);
    --firstOpen_;
    return true;
}

void TreeWalker::closeHighest() {
    WalkFolder& f = stack_[firstOpen_++];
    f.fd_.reset();
    f.twin_.reset();
}

} // namespace velmora
