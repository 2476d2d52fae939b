// Removing trash items for good: the stored object (file, link, special file or folder tree),
// then its info file, then its line in the trash's directorysizes cache.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <QByteArray>
#include <QList>

#include <functional>
#include <mutex>
#include <vector>

#include "core/RemoveOutcome.h"
#include "platform/PosixFiles.h"
#include "platform/RemovalStaging.h"
#include "platform/TrashItemRef.h"

namespace velmora {

struct RemovalOptions {
    // The file system an entry lies on: st_dev unless a test says otherwise. A folder on
    // another file system than the item's files/ folder is never entered.
    std::function<dev_t(const struct stat&)> deviceOf;
};

// The number of items removed at once. Removal is bound by the disk's latency, not by the CPU,
// so more threads than cores pay: on a 2-core VM, 8 removed a trash in a quarter of the time 2
// took and faster than 4 or 16 (bench/velmora_purge_bench).
constexpr int RemovalThreads = 8;

// Removes dirFd/name, a folder, with everything in it, bottom-up and relative to open folders:
// no depth limit and no path length limit. Links and special files are removed as entries,
// never followed; folders on another file system are not entered; folders owned by this user
// are given owner read, write and search permission first. An entry that cannot be removed stays,
// and so does every folder above it. True when the folder is gone.
bool DeleteFolderTree(int dirFd, const char* name, const RemovalOptions& options = {});

// Removes trash items, on several threads at once if the caller likes.
class ItemRemoval {
public:
    explicit ItemRemoval(RemovalOptions options = {});
    ~ItemRemoval(); // finish()
    ItemRemoval(const ItemRemoval&) = delete;
    ItemRemoval& operator=(const ItemRemoval&) = delete;

    // Removes one item when its stored object and its info file are still the ones the listing
    // read (NotThere otherwise, nothing touched). The object is first moved out of everyone's
    // way into this removal's staging session in the same trash directory (RemovalStaging.h),
    // checked there to be the listed one (anything else goes back), and only then removed; once
    // it is gone, the info file, checked again. What could not be removed completely goes back
    // to files/ and stays listed, with its info file (Stayed); so does an object that is a mount
    // point or lies on another file system. A folder's directorysizes line goes at the next
    // finish(), whether it went or partly stayed. The first removal in a trash directory
    // recovers what interrupted ones left in its staging folder.
    RemoveOutcome KillItem(const TrashItemRef& item);

    // Removes the directorysizes lines of the folders removed (or partly removed) since the last
    // call: one atomic rewrite per trash. A line left by an interruption is harmless: no item
    // has that name. Ends the staging sessions.
    void finish();

private:
    struct PendingTrash {
        Fd fd; // a duplicate of the trash folder's descriptor
        dev_t dev;
        ino_t ino;
        QList<QByteArray> names;
    };
    struct Staging {
        dev_t dev; // the trash directory's
        ino_t ino;
        StagingSession session;
    };
    void forgetSize(int trashFd, const QByteArray& name);
    // This removal's staging folder in the trash directory; -1 when none can be made.
    int stagingFor(int trashFd, int filesFd, int infoFd);

    RemovalOptions options_;
    std::mutex mutex_;
    std::vector<PendingTrash> pending_;
    std::vector<Staging> staging_;
};

} // namespace velmora
