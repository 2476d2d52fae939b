// Tests of how the trash source holds each trash by its descriptors: the references removal and
// restore use, folders swapped for links between two steps, and the volume trash's own checks.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QHash>
#include <QThread>

#include <atomic>
#include <chrono>
#include <cstdio>

#include "ScopedFormatSettings.h"
#include "TrashFixture.h"
#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "platform/DiskUsage.h"
#include "platform/LocaleSettings.h"
#include "platform/QtText.h"
#include "platform/SizeCache.h"
#include "platform/TrashInfo.h"
#include "platform/TrashSource.h"

namespace velmora {
namespace {

using test::HandTrash;
using test::lstatOf;
using test::makeDirs;
using test::readFile;
using test::writeFile;

class TrashHandlesTest : public ::testing::Test {
protected:
    TrashSourceOptions options() const { return test::homeTrashOptions(dataHome_); }
    static int rowOf(const TrashSource& source, const QByteArray& path) {
        for (int i = 0; i < source.count(); ++i)
            if (source.nativePathName(i) == path)
                return i;
        return -1;
    }
    QByteArray uid() const { return QByteArray::number(::getuid()); }

    test::TempTree dir_;
    const QByteArray root_ = QFile::encodeName(dir_.path());
    const QByteArray dataHome_ = root_ + "/data";
    test::ScopedFormatSettings settings_{formatSettingsFor(QLocale(QStringLiteral("zh_CN")))};
};

// The reference of each item names its trash's open folders and what the listing saw there.
TEST_F(TrashHandlesTest, ItemReferencesHoldTheTrashAndTheIdentitiesListed) {
    const HandTrash home{dataHome_ + "/Trash"};
    ASSERT_TRUE(home.create());
    ASSERT_TRUE(home.addFile("a.txt", HandTrash::info("/d/a.txt")));
    ASSERT_TRUE(home.addFolder("dir", HandTrash::info("/d/dir")));
    ASSERT_TRUE(home.addFile("orphan", QByteArray()));
    TrashSource source(options());
    source.enumerate();
    ASSERT_EQ(source.count(), 3);
    for (const QByteArray name : {"a.txt", "dir", "orphan"}) {
        const int row = rowOf(source, home.filesEntry(name));
        ASSERT_GE(row, 0) << name.constData();
        const TrashItemRef ref = source.itemRef(row);
        EXPECT_EQ(ref.stored, name);
        struct stat st {};
        ASSERT_EQ(::fstatat(ref.filesFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW), 0);
        EXPECT_EQ(st.st_dev, ref.dev);
        EXPECT_EQ(st.st_ino, ref.ino) << name.constData();
        EXPECT_EQ(st.st_ino, lstatOf(home.filesEntry(name))->st_ino);
        const bool orphan = name == "orphan";
        EXPECT_EQ(ref.hasInfo, !orphan);
        if (!orphan) {
            const QByteArray infoName = name + ".trashinfo";
            ASSERT_EQ(::fstatat(ref.infoFd, infoName.constData(), &st, AT_SYMLINK_NOFOLLOW), 0);
            EXPECT_EQ(st.st_dev, ref.infoDev);
            EXPECT_EQ(st.st_ino, ref.infoIno);
            EXPECT_EQ(st.st_ino, lstatOf(home.infoFile(name))->st_ino);
        }
        ASSERT_EQ(::fstatat(ref.trashFd, "files", &st, AT_SYMLINK_NOFOLLOW), 0);
        EXPECT_EQ(st.st_ino, lstatOf(home.dir + "/files")->st_ino);
    }
}

// A trash with one folder item and one file item, and a second trash elsewhere with an item of
// the same stored names, different sizes, and a size cache of its own: what a link swapped in
// for the first would lead to.
struct SwapScene {
    HandTrash trash, elsewhere;
    QByteArray elsewhereCache;

    bool create() {
        if (!trash.create() || !elsewhere.create())
            return false;
        if (!trash.addFolder("dir", HandTrash::info("/d/dir")) ||
            !trash.addFile("a.txt", HandTrash::info("/d/a.txt"), QByteArray(100, 'a')))
            return false;
        if (!elsewhere.addFolder("dir", HandTrash::info("/other/dir")) ||
            !writeFile(elsewhere.filesEntry("dir") + "/big", QByteArray(300000, 'b')) ||
            !elsewhere.addFile("a.txt", HandTrash::info("/other/a.txt"), QByteArray(90000, 'c')))
            return false;
        elsewhereCache = "1 1 untouched\n";
        return writeFile(elsewhere.dir + "/directorysizes", elsewhereCache);
    }
    // Moves the trash aside and puts a link to elsewhere in its place.
    bool swap() const {
        return ::rename(trash.dir.constData(), (trash.dir + ".moved").constData()) == 0 &&
               ::symlink(elsewhere.dir.constData(), trash.dir.constData()) == 0;
    }
    QByteArray moved(const QByteArray& name) const { return trash.dir + ".moved/files/" + name; }
};

// Finding: after the listing, sizes, modification dates, the size cache and rename went to the
// trash by its path again, so a folder swapped for a link led them elsewhere. Now they work on
// the descriptors the listing opened: the home trash swapped after the listing, and a volume
// trash swapped between its listing and its sizes (through the test hook), lead nowhere else.
TEST_F(TrashHandlesTest, ATrashSwappedForALinkAfterItsListingIsNotFollowed) {
    for (const bool volume : {false, true}) {
        SCOPED_TRACE(volume ? "volume trash" : "home trash");
        const QByteArray top = root_ + (volume ? "/vol" : "/home");
        SwapScene scene{{volume ? top + "/.Trash-" + uid() : top + "/Trash"},
                        {root_ + (volume ? "/elsewhere-vol" : "/elsewhere-home")},
                        {}};
        ASSERT_TRUE(makeDirs(top, 0755) && scene.create());
        TrashSourceOptions o = options();
        o.dataHome = fileNameFromBytes(volume ? root_ + "/nohome" : top);
        o.scanVolumes = volume;
        o.volumeRoots = QStringList{fileNameFromBytes(top)};
        std::atomic<bool> swapped{false};
        o.stepHook = [&](const char* step, const QByteArray& dir) {
            if (volume && dir == scene.trash.dir && QByteArray(step) == "listed")
                swapped = scene.swap();
        };
        TrashSource source(o);
        source.enumerate();
        if (!volume)
            swapped = scene.swap();
        ASSERT_TRUE(swapped.load());
        ASSERT_EQ(source.count(), 2);
        for (int i = 0; i < source.count(); ++i) {
            const QByteArray name = source.itemRef(i).stored;
            const QStringList d = source.details(i);
            EXPECT_EQ(d[2], toQString(kilobyteSizeText(
                                diskUsage(AT_FDCWD, scene.moved(name).constData()))))
                << name.constData();
            const struct stat st = *lstatOf(scene.moved(name));
            TDateTime modified = 0;
            ASSERT_TRUE(localDateTimeOf(st.st_mtim.tv_sec, 0, modified));
            EXPECT_EQ(d[4], toQString(listDateTimeText(modified))) << name.constData();
        }
        // The cache written is the listed trash's; the other one is as it was.
        EXPECT_EQ(readFile(scene.elsewhere.dir + "/directorysizes"), scene.elsewhereCache);
        EXPECT_TRUE(parseDirectorySizes(readFile(scene.trash.dir + ".moved/directorysizes"))
                        .contains("dir"));
        // Rename writes the listed trash's info file.
        const int file = source.itemRef(0).stored == "a.txt" ? 0 : 1;
        ASSERT_TRUE(source.rename(file, QStringLiteral("b.txt")));
        EXPECT_TRUE(readFile(scene.trash.dir + ".moved/info/a.txt.trashinfo").contains("/d/b.txt"));
        EXPECT_EQ(readFile(scene.elsewhere.infoFile("a.txt")), HandTrash::info("/other/a.txt"));
    }
}

// Finding: the listing opened a volume trash by its path with O_NOFOLLOW on the last component
// only, and never compared what it opened with what the probe had found. Whatever is swapped in
// between the probe and the open (through the test hook) is refused, and so is a shared .Trash
// that lost its sticky bit in between (the probe saw it sticky).
TEST_F(TrashHandlesTest, AVolumeTrashSwappedBetweenProbeAndOpenIsRefused) {
    const QByteArray u = uid();
    struct Case {
        const char* what;
        QByteArray trashDir; // below the volume
        std::function<bool(const QByteArray& top, const QByteArray& decoy)> swap;
    };
    auto replaceWithLink = [](const QByteArray& path, const QByteArray& target) {
        return ::rename(path.constData(), (path + ".moved").constData()) == 0 &&
               ::symlink(target.constData(), path.constData()) == 0;
    };
    const Case cases[] = {
        {".Trash-$uid becomes a link", ".Trash-" + u,
         [&](const QByteArray& top, const QByteArray& decoy) {
             return replaceWithLink(top + "/.Trash-" + u, decoy);
         }},
        {".Trash becomes a link", ".Trash/" + u,
         [&](const QByteArray& top, const QByteArray& decoy) {
             // decoy is .../shared/$uid, a shared folder of someone else's.
             return replaceWithLink(top + "/.Trash", decoy.left(decoy.lastIndexOf('/')));
         }},
        {".Trash loses its sticky bit", ".Trash/" + u,
         [&](const QByteArray& top, const QByteArray&) {
             return ::chmod((top + "/.Trash").constData(), 0777) == 0;
         }},
        {".Trash-$uid becomes another folder of ours", ".Trash-" + u,
         [&](const QByteArray& top, const QByteArray& decoy) {
             const QByteArray path = top + "/.Trash-" + u;
             return ::rename(path.constData(), (path + ".moved").constData()) == 0 &&
                    ::rename(decoy.constData(), path.constData()) == 0;
         }},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray top = root_ + "/vol" + QByteArray::number(n);
        const QByteArray decoyRoot = root_ + "/decoy" + QByteArray::number(n++);
        const HandTrash trash{top + "/" + c.trashDir}, decoy{decoyRoot + "/trash"};
        if (c.trashDir.startsWith(".Trash/")) {
            ASSERT_TRUE(makeDirs(top + "/.Trash", 01777));
        }
        ASSERT_TRUE(trash.create() && decoy.create());
        ASSERT_TRUE(trash.addFile("mine.txt", HandTrash::info("mine.txt")));
        ASSERT_TRUE(decoy.addFile("decoy.txt", HandTrash::info("decoy.txt")));
        if (c.trashDir.startsWith(".Trash/")) {
            // The decoy as it would sit in a shared .Trash of someone else's.
            ASSERT_TRUE(makeDirs(decoyRoot + "/shared", 01777));
            ASSERT_EQ(::rename(decoy.dir.constData(), (decoyRoot + "/shared/" + u).constData()), 0);
        }
        TrashSourceOptions o = options();
        o.volumeRoots = QStringList{fileNameFromBytes(top)};
        o.scanVolumes = true;
        std::atomic<bool> swapped{false};
        const QByteArray decoyDir =
            c.trashDir.startsWith(".Trash/") ? decoyRoot + "/shared/" + u : decoy.dir;
        o.stepHook = [&](const char* step, const QByteArray&) {
            if (QByteArray(step) == "open")
                swapped = c.swap(top, decoyDir);
        };
        TrashSource source(o);
        source.enumerate();
        EXPECT_TRUE(swapped.load());
        for (int i = 0; i < source.count(); ++i)
            EXPECT_NE(source.displayName(i), QStringLiteral("decoy.txt"));
        EXPECT_EQ(source.count(), 0);
        EXPECT_TRUE(source.unavailableVolumes().isEmpty());
    }
}

// Finding: only the probe had a deadline; a volume whose reads block froze the window, and one
// slower than the probe was left out without a sign. A volume trash whose reading blocks (on a
// pipe the test holds, through the hook) is left out once the deadline has passed and named as
// unavailable; it is not read a second time while the first reading hangs, and is listed again
// once it answers.
TEST_F(TrashHandlesTest, AVolumeThatBlocksIsLeftOutAndNamedAfterTheDeadline) {
    const HandTrash home{dataHome_ + "/Trash"};
    const QByteArray top = root_ + "/slow";
    const HandTrash slow{top + "/.Trash-" + uid()};
    ASSERT_TRUE(home.create() && slow.create());
    ASSERT_TRUE(home.addFile("home.txt", HandTrash::info("/d/home.txt")));
    ASSERT_TRUE(slow.addFile("slow.txt", HandTrash::info("slow.txt")));
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    std::atomic<int> reads{0};
    TrashSourceOptions o = options();
    o.scanVolumes = true;
    o.volumeRoots = QStringList{fileNameFromBytes(top)};
    o.volumeDeadline = std::chrono::milliseconds(100);
    std::atomic<bool> blocking{true};
    const int readEnd = pipeFds[0];
    o.stepHook = [&, readEnd](const char* step, const QByteArray& dir) {
        if (dir != slow.dir || QByteArray(step) != "listed")
            return;
        ++reads;
        if (blocking) {
            char c = 0;
            (void)::read(readEnd, &c, 1); // a read that does not answer
        }
    };
    TrashSource source(o);
    for (int pass = 0; pass < 2; ++pass) {
        source.enumerate();
        ASSERT_EQ(source.count(), 1) << pass;
        EXPECT_EQ(source.displayName(0), QStringLiteral("home.txt"));
        EXPECT_EQ(source.unavailableVolumes(), QStringList{fileNameFromBytes(top)});
    }
    EXPECT_EQ(reads.load(), 1); // one hanging reading, not one per enumeration

    blocking = false;
    ASSERT_EQ(::write(pipeFds[1], "x", 1), 1);
    // The reading left behind ends on its own thread; then the volume is read again.
    for (int wait = 0; wait < 1000; ++wait) {
        source.enumerate();
        if (source.unavailableVolumes().isEmpty())
            break;
        QThread::msleep(10);
    }
    EXPECT_TRUE(source.unavailableVolumes().isEmpty());
    EXPECT_EQ(source.count(), 2);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

// An info file larger than the read limit is unreadable as a whole, not read in part: its Path
// may be cut short. The item shows its stored name, dated by the info file's modification time.
TEST_F(TrashHandlesTest, AnInfoFileOverTheReadLimitIsUnreadable) {
    const HandTrash home{dataHome_ + "/Trash"};
    ASSERT_TRUE(home.create());
    const QByteArray padding = "# " + QByteArray(MaxTrashInfoBytes, 'x') + "\n";
    ASSERT_TRUE(home.addFile("big.txt", HandTrash::info("/d/original.txt") + padding));
    ASSERT_TRUE(home.addFile("small.txt", HandTrash::info("/d/kept.txt")));
    const struct timespec times[2] = {{1700000000, 0}, {1700000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, home.infoFile("big.txt").constData(), times, 0), 0);
    TrashSource source(options());
    source.enumerate();
    const int big = rowOf(source, home.filesEntry("big.txt"));
    const int small = rowOf(source, home.filesEntry("small.txt"));
    ASSERT_GE(big, 0);
    ASSERT_GE(small, 0);
    EXPECT_EQ(source.displayName(big), QStringLiteral("big.txt"));
    EXPECT_EQ(source.displayName(small), QStringLiteral("kept.txt"));
    TDateTime infoTime = 0;
    ASSERT_TRUE(localDateTimeOf(1700000000, 0, infoTime));
    EXPECT_EQ(source.deletionDate(big), infoTime);
    EXPECT_FALSE(source.rename(big, QStringLiteral("new.txt")));
}

// The info file that grows past the read limit after the listing (the same file, so the identity
// check passes) is refused by the rename and by the restore alike: neither reads the part before
// the limit, whose Path may be cut short. Nothing is renamed, moved or created.
TEST_F(TrashHandlesTest, AnInfoFileGrownOverTheReadLimitIsRefusedByRenameAndRestore) {
    const HandTrash home{dataHome_ + "/Trash"};
    ASSERT_TRUE(home.create());
    const QByteArray original = root_ + "/restored/a.txt";
    ASSERT_TRUE(home.addFile("a.txt", HandTrash::info(original)));
    TrashSource source(options());
    source.enumerate();
    const int row = rowOf(source, home.filesEntry("a.txt"));
    ASSERT_GE(row, 0);
    ASSERT_TRUE(source.hasOriginalPath(row));
    const QByteArray info = readFile(home.infoFile("a.txt"));
    {
        const int fd = ::open(home.infoFile("a.txt").constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        const QByteArray padding = "# " + QByteArray(MaxTrashInfoBytes, 'x') + "\n";
        ASSERT_EQ(::write(fd, padding.constData(), std::size_t(padding.size())),
                  ssize_t(padding.size()));
        ::close(fd);
    }
    const QByteArray grown = readFile(home.infoFile("a.txt"));
    ASSERT_GT(grown.size(), MaxTrashInfoBytes);

    EXPECT_FALSE(source.rename(row, QStringLiteral("b.txt")));
    EXPECT_EQ(source.restore(row), RestoreOutcome::InvalidTarget);
    EXPECT_EQ(readFile(home.infoFile("a.txt")), grown);
    EXPECT_TRUE(lstatOf(home.filesEntry("a.txt")));
    EXPECT_FALSE(lstatOf(original));
    EXPECT_FALSE(lstatOf(root_ + "/restored"));
    EXPECT_TRUE(info.startsWith("[Trash Info]"));
}

} // namespace
} // namespace velmora
