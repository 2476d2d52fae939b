// The one walk over a folder tree that the sizes, the removal and the restore's copy share:
// iterative, relative to open folders, never following a link, never leaving its file system.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/PosixFiles.h"

namespace velmora {

// lstat of dirFd/name (of dirFd itself when name is empty), without triggering an automount, and
// whether it is the root of a mount: statx tells for bind mounts too, which share st_dev with
// the file system they show. Where statx is missing, mountRoot is false (st_dev alone tells).
bool lstatEntry(int dirFd, const char* name, struct stat& st, bool& mountRoot);

// Why a folder was not entered.
enum class WalkRefusal {
    Gone,            // it vanished
    NotAFolder,      // something else stands under its name now
    OtherFileSystem, // another file system, or a mount point of this one (a bind mount)
    Unopenable,      // it could not be read or opened (errno tells why)
    Changed,         // the folder opened is not the one read (swapped in between)
};

// How a walk ended.
enum class WalkEnd {
    Done,    // every folder the visitor asked for was visited
    Refused, // the top folder was not entered (TreeWalker::refusal() says why)
    Moved,   // a folder left closed could not be reopened as the same one: the tree moved
    Stopped, // the visitor stopped it
};

// One folder of the walk, open while the visitor is called with it.
class WalkFolder {
public:
    int fd() const { return fd_.get(); }
    // The folder's status as it was opened (fstat of the open descriptor).
    const struct stat& status() const { return status_; }
    // Its name in the folder above (the name given to walk() for the top folder).
    const std::string& name() const { return name_; }

    // The names of the subfolders to enter, in order; scan() fills them.
    std::vector<std::string> subfolders;
    // Something in the folder stayed or failed; the visitor's mark, passed up as it likes.
    bool incomplete = false;

    // A second folder that goes with this one (the copy's target folder): held, closed and
    // reopened through ".." with this folder, so that it counts against the same bound.
    void setTwin(Fd twin);
    int twinFd() const { return twin_.get(); }

private:
    friend class TreeWalker;
    Fd fd_;
    struct stat status_ {};
    std::string name_;
    std::size_t next_ = 0; // the next subfolder to enter
    Fd twin_;
    bool hasTwin_ = false;
    dev_t twinDev_ = 0;
    ino_t twinIno_ = 0;
};

// What the walk does in each folder. A callback returning false stops the walk.
class TreeVisitor {
public:
    virtual ~TreeVisitor() = default;
    // Before the folder parentFd/name (its lstat: st) is opened, the top folder included: the
    // place to give it permission. False stops the walk.
    virtual bool admit(int parentFd, const char* name, const struct stat& st) {
        (void)parentFd, (void)name, (void)st;
        return true;
    }
    // The folder was entered (parent is nullptr for the top folder): read its entries and list
    // the subfolders to walk in folder.subfolders.
    virtual bool enter(WalkFolder& folder, WalkFolder* parent) = 0;
    // A subfolder of parent was not entered; st is its lstat where one was taken (else null).
    virtual bool skip(WalkFolder& parent, const char* name, const struct stat* st,
                      WalkRefusal why) {
        (void)parent, (void)name, (void)st, (void)why;
        return true;
    }
    // Everything below folder has been walked; folder and parent are both open (parent is
    // nullptr for the top folder).
    virtual bool leave(WalkFolder& folder, WalkFolder* parent) {
        (void)folder, (void)parent;
        return true;
    }
};

struct WalkOptions {
    // The file system an entry lies on: st_dev unless a test says otherwise.
    std::function<dev_t(const struct stat&)> deviceOf;
};

// Walks a folder tree depth first, in the order the visitor lists the subfolders, without
// recursion: trees thousands of levels deep and paths longer than PATH_MAX are walked. At most
// MaxOpenLevels folders (and their twins) are held open; a deeper walk closes the highest ones
// and reopens each through ".." from the folder below it, checked to be the same folder. Every
// folder is opened with O_NOFOLLOW relative to the folder above and checked on the opened
// descriptor to be the folder that was read, so a link or another folder swapped in is never
// entered. Folders on another file system than fileSystem and mount points (bind mounts of the
// same file system included) are never entered, the top folder included.
class TreeWalker {
public:
    static constexpr std::size_t MaxOpenLevels = 64;

    explicit TreeWalker(WalkOptions options = {}) : options_(std::move(options)) {}

    // Walks the folder dirFd/name, whose lstat st is, staying on fileSystem.
    WalkEnd walk(int dirFd, const char* name, const struct stat& st, dev_t fileSystem,
                 TreeVisitor& visitor);
    // Why the top folder was not entered, after WalkEnd::Refused.
    WalkRefusal refusal() const { return refusal_; }

    // The file system of an entry as the walk sees it.
    dev_t deviceOf(const struct stat& st) const {
        return options_.deviceOf ? options_.deviceOf(st) : st.st_dev;
    }

private:
    enum class Opened { Yes, Refused, Stop };
    // Opens parentFd/name for the walk (known: the lstat the caller checked it by); Refused
    // with refusal_ (and last_ where an lstat was taken) when it is not entered.
    Opened open(int parentFd, const char* name, WalkFolder& into, TreeVisitor& visitor,
                const struct stat* known);
    bool reopenAbove(std::size_t k);
    void closeHighest();

    WalkOptions options_;
    dev_t fileSystem_ = 0;
    std::vector<WalkFolder> stack_;
    std::size_t firstOpen_ = 0; // the folders below this index are closed
    WalkRefusal refusal_ = WalkRefusal::Gone;
    struct stat last_ {};
    bool haveLast_ = false;
};

} // namespace velmora
