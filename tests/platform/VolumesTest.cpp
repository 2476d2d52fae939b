// The volumes a trash may be on: the mount table, the rules for volume trash directories, and
// the probe that leaves out a volume that does not answer.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "TrashFixture.h"
#include "platform/Volumes.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;
using test::makeDirs;

TEST(VolumesTest, ReadsTheMountTableAndLeavesOutSystemMounts) {
    const QByteArray mountinfo =
        "21 26 0:20 / /proc rw,relatime - proc proc rw\n"
        "26 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw,discard\n"
        "40 26 8:17 / /media/u/My\\040Disk rw,nosuid master:2 shared:3 - vfat /dev/sdb1 rw\n"
        "41 26 0:50 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
        "42 26 0:51 / /tmp rw - tmpfs tmpfs rw\n"
        "43 26 8:33 / /mnt/back\\134slash\\011tab rw - ext4 /dev/sdc1 rw\n"
        "44 26 0:52 / /mnt/nas rw - nfs4 server:/export rw,vers=4.2\n"
        "45 26 0:60 / /dev/shm rw - tmpfs tmpfs rw\n"
        "46 26 8:49 / /run/media/u/USB rw - exfat /dev/sdd1 rw\n"
        "47 26 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
        "48 26 0:62 / /home/u/.cache/doc rw - fuse.portal portal rw\n"
        "49 26 0:63 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
        "50 26 0:64 / /mnt/flagged rw - ext4 /dev/sde1 rw,x-gvfs-notrash\n"
        "51 26 8:81 / /media/u/Camera\\040Card rw - vfat /dev/sdf1 rw\n"
        "a line that is not a mount\n";
    QList<MountEntry> mounts = parseMountInfo(mountinfo);
    ASSERT_EQ(mounts.size(), 14);
    EXPECT_EQ(mounts[2].mountPoint, "/media/u/My Disk");
    EXPECT_EQ(mounts[2].fsType, "vfat");
    EXPECT_EQ(mounts[5].mountPoint, "/mnt/back\\slash\ttab");
    // The userspace options libmount keeps for the kernel's mounts, by ID or by mount point.
    addUserspaceOptions(mounts, "ID=44 SRC=server:/export TARGET=/mnt/nas ROOT=/ "
                                "OPTS=x-gvfs-notrash,_netdev\n"
                                "SRC=/dev/sdb1 TARGET=/media/u/My\\040Disk ROOT=/ "
                                "OPTS=uhelper=udisks2\n");
    // And those of /etc/fstab, where x-gvfs-notrash is mostly written.
    addFstabOptions(mounts, "# <file system> <mount point> <type> <options> <dump> <pass>\n"
                            "UUID=1234 /media/u/Camera\\040Card vfat noauto,x-gvfs-notrash 0 0\n"
                            "UUID=5678 /media/u/My\\040Disk vfat noauto,x-gvfs-show 0 0\n"
                            "broken line\n");

    QList<QByteArray> kept;
    for (const MountEntry& m : mounts)
        if (!isExcludedFromTrash(m))
            kept.append(m.mountPoint);
    const QList<QByteArray> expected = {"/", "/media/u/My Disk", "/tmp", "/mnt/back\\slash\ttab",
                                        "/run/media/u/USB"};
    EXPECT_EQ(kept, expected);
}

TEST(VolumesTest, TheMountTableOfThisMachineGivesItsRootAndNoSystemMount) {
    const QList<QByteArray> roots = mountedVolumeRoots();
    EXPECT_TRUE(roots.contains("/"));
    for (const QByteArray& root : roots) {
        EXPECT_FALSE(root.startsWith("/proc") || root.startsWith("/sys") ||
                     root.startsWith("/dev/"))
            << root.constData();
    }
}

TEST(VolumesTest, VolumeTrashDirectoriesFollowTheRules) {
    const uid_t uid = ::getuid();
    const QByteArray uidText = QByteArray::number(uid);
    const bool canChown = ::geteuid() == 0;
    enum Setup {
        Shared,
        SharedNotSticky,
        SharedIsLink,
        UidIsLink,
        UidNotMine,
        Own,
        OwnNotMine,
        OwnIsLink,
        OwnIsFile
    };
    struct Case {
        const char* what;
        Setup setup;
        const char* found; // relative to the volume root; empty: nothing found
    };
    const Case cases[] = {
        {".Trash sticky, .Trash/$uid mine", Shared, ".Trash/$uid"},
        {".Trash without the sticky bit", SharedNotSticky, ""},
        {".Trash a link to a sticky folder", SharedIsLink, ""},
        {".Trash/$uid a link", UidIsLink, ""},
        {".Trash/$uid owned by another user", UidNotMine, ""},
        {".Trash-$uid mine", Own, ".Trash-$uid"},
        {".Trash-$uid owned by another user", OwnNotMine, ""},
        {".Trash-$uid a link", OwnIsLink, ""},
        {".Trash-$uid a file", OwnIsFile, ""},
    };
    for (const Case& c : cases) {
        if ((c.setup == UidNotMine || c.setup == OwnNotMine) && !canChown)
            continue; // only root can hand a folder to another user
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray shared = root + "/.Trash", own = root + "/.Trash-" + uidText;
        const QByteArray elsewhere = root + "/elsewhere";
        ASSERT_TRUE(makeDirs(elsewhere, 01777));
        switch (c.setup) {
        case Shared:
        case UidIsLink:
        case UidNotMine:
            ASSERT_TRUE(makeDirs(shared, 01777));
            if (c.setup == UidIsLink) {
                ASSERT_EQ(::symlink(elsewhere.constData(), (shared + '/' + uidText).constData()),
                          0);
            } else {
                ASSERT_TRUE(makeDirs(shared + '/' + uidText));
                if (c.setup == UidNotMine) {
                    ASSERT_EQ(::chown((shared + '/' + uidText).constData(), 65534, 65534), 0);
                }
            }
            break;
        case SharedNotSticky:
            ASSERT_TRUE(makeDirs(shared + '/' + uidText));
            ASSERT_EQ(::chmod(shared.constData(), 0777), 0);
            break;
        case SharedIsLink:
            ASSERT_TRUE(makeDirs(elsewhere + '/' + uidText));
            ASSERT_EQ(::symlink(elsewhere.constData(), shared.constData()), 0);
            break;
        case Own:
        case OwnNotMine:
            ASSERT_TRUE(makeDirs(own));
            if (c.setup == OwnNotMine) {
                ASSERT_EQ(::chown(own.constData(), 65534, 65534), 0);
            }
            break;
        case OwnIsLink:
            ASSERT_EQ(::symlink(elsewhere.constData(), own.constData()), 0);
            break;
        case OwnIsFile:
            ASSERT_TRUE(test::writeFile(own, "not a folder"));
            break;
        }
        const QList<TrashLocation> found = volumeTrashesAt(root, uid);
        if (*c.found == '\0') {
            EXPECT_TRUE(found.isEmpty()) << c.what;
            continue;
        }
        ASSERT_EQ(found.size(), 1) << c.what;
        EXPECT_EQ(found[0].trashDir, root + '/' + QByteArray(c.found).replace("$uid", uidText))
            << c.what;
        EXPECT_EQ(found[0].topDir, root) << c.what;
    }
}

// A volume whose probe hangs is left out after the deadline; its thread is abandoned and not
// started again while it still hangs. The hanging probe waits until the test lets it go, so the
// answers must come while it is still blocked.
TEST(VolumesTest, AVolumeThatDoesNotAnswerIsLeftOut) {
    struct Hang {
        std::mutex mutex;
        std::condition_variable released;
        bool go = false;
        int calls = 0;
        bool finished = false;
    };
    auto hang = std::make_shared<Hang>();
    const VolumeProbe probe = [hang](const QByteArray& top) {
        if (top == "/hanging-volume") {
            std::unique_lock lock(hang->mutex);
            ++hang->calls;
            hang->released.wait(lock, [&] { return hang->go; }); // a dead NFS server
            hang->finished = true;
        }
        return QList<TrashLocation>{{top + "/.Trash-0", top, 0, 0}};
    };
    QList<QByteArray> roots = {"/first", "/hanging-volume"};
    for (int k = 0; k < 20; ++k)
        roots.append("/more-" + QByteArray::number(k));

    QList<QByteArray> unanswered;
    QList<TrashLocation> found = probeVolumes(roots, probe, 200ms, &unanswered);
    ASSERT_EQ(found.size(), roots.size() - 1);
    EXPECT_EQ(unanswered, QList<QByteArray>{"/hanging-volume"}); // named, not left out silently
    EXPECT_EQ(found[0].trashDir, "/first/.Trash-0");
    EXPECT_EQ(found[1].trashDir, "/more-0/.Trash-0"); // in the order of the roots
    EXPECT_EQ(found.back().trashDir, "/more-19/.Trash-0");

    unanswered.clear();
    found = probeVolumes({"/hanging-volume", "/first"}, probe, 200ms, &unanswered);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(unanswered, QList<QByteArray>{"/hanging-volume"}); // still being probed
    EXPECT_EQ(found[0].trashDir, "/first/.Trash-0");
    {
        const std::lock_guard lock(hang->mutex);
        EXPECT_EQ(hang->calls, 1);
        EXPECT_FALSE(hang->finished);
        hang->go = true;
    }
    hang->released.notify_all();
}

} // namespace
} // namespace velmora
