// The trash directories of mounted volumes: the mount table, and the probe that finds the trash
// directories of each volume off the calling thread, with a deadline.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSet>

#include <chrono>
#include <functional>
#include <mutex>

namespace velmora {

struct MountEntry {
    QByteArray id; // the mount ID of mountinfo
    QByteArray mountPoint;
    QByteArray fsType;
    QByteArray options; // per-mount, super-block and userspace options, comma-separated
};

// The lines of /proc/self/mountinfo, octal escapes (\040 for a blank…) decoded.
QList<MountEntry> parseMountInfo(QByteArrayView text);

// Adds the userspace options that libmount keeps in /run/mount/utab (x-gvfs-notrash among them;
// the kernel never sees them) to the mounts they belong to, matched by mount ID or mount point.
void addUserspaceOptions(QList<MountEntry>& mounts, QByteArrayView utab);

// Adds the options /etc/fstab gives a mount point to the mounts at that point, as GLib reads
// x-gvfs-notrash from there too.
void addFstabOptions(QList<MountEntry>& mounts, QByteArrayView fstab);

// True for pseudo and system file systems that never hold a user's trash, and for mounts marked
// x-gvfs-notrash.
bool isExcludedFromTrash(const MountEntry& mount);

// The top directories of the mounted volumes that may hold a trash, in mount-table order, each
// once. Reads /proc/self/mountinfo, /run/mount/utab and /etc/fstab; nothing on those volumes is
// touched.
QList<QByteArray> mountedVolumeRoots();

struct TrashLocation {
    QByteArray trashDir; // holds files/ and info/
    QByteArray topDir;   // what relative Path values start from
    dev_t dev = 0;       // of the trash directory, to find the same directory reached twice
    ino_t ino = 0;
};

// The trash directories of one volume, by lstat only: $topdir/.Trash/$uid when $topdir/.Trash
// is a real directory (not a link) with the sticky bit and $uid a real directory owned by uid,
// and $topdir/.Trash-$uid when it is a real directory owned by uid. May block on a dead mount.
QList<TrashLocation> volumeTrashesAt(const QByteArray& topDir, uid_t uid);

// Work on volumes that a caller stopped waiting for at its deadline and that has not ended: a
// dead mount keeps one thread, not one per enumeration. Each kind of work has a registry of its
// own, never destroyed, since an abandoned thread may end while the process exits.
class PendingVolumeWork {
public:
    static PendingVolumeWork& probes();
    static PendingVolumeWork& trashReads();
    // False when work on key is pending already; otherwise it is pending from now on.
    bool claim(const QByteArray& key);
    void release(const QByteArray& key);

private:
    PendingVolumeWork() = default;
    std::mutex mutex_;
    QSet<QByteArray> keys_;
};

using VolumeProbe = std::function<QList<TrashLocation>(const QByteArray& topDir)>;

// Runs probe for every root on worker threads and waits until all have answered or the deadline
// has passed. Roots that did not answer in time are left out; their threads are abandoned (never
// joined) and finish on their own. A root whose probe from an earlier call is still running is
// not probed again meanwhile. Results come in the order of roots. unanswered, when given,
// receives the roots left out: those that did not answer in time and those still being probed.
QList<TrashLocation> probeVolumes(const QList<QByteArray>& roots, const VolumeProbe& probe,
                                  std::chrono::milliseconds deadline,
                                  QList<QByteArray>* unanswered = nullptr);

} // namespace velmora
