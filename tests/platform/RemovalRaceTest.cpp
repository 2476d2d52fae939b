// The removal while other programs act on the trash at the same moment: every race made
// deterministic through the test hook between the removal's steps, the removal run as an
// unprivileged user, and make-trash's canary checked after each test.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>

#include <cerrno>
#include <cstdlib>
#include <functional>

#include "HandItemRefs.h"
#include "TrashFixture.h"
#include "platform/DiskUsage.h"
#include "platform/ItemRemoval.h"
#include "platform/ItemRestore.h"
#include "platform/RemovalStaging.h"
#include "platform/SizeCache.h"
#include "platform/TestHook.h"
#include "platform/TrashSource.h"

namespace velmora {
namespace {

using test::HandTrash;
using test::lstatOf;
using test::makeDirs;
using test::readFile;
using test::run;
using test::writeFile;

constexpr uid_t Nobody = 65534;

// Runs f in a child process, as the unprivileged user when the test runs as root: permissions
// are ignored for root. The result is the child's exit status, -1 when it did not exit.
int asUser(const std::function<int()>& f) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(Nobody, Nobody, Nobody) != 0 ||
             ::setresuid(Nobody, Nobody, Nobody) != 0))
            ::_exit(120);
        const int code = f();
        setTestHook({});
        ::_exit(code);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int filesIn(const QByteArray& path) {
    return lstatOf(path)
               ? int(QDir(QString::fromUtf8(path))
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
                         .size())
               : -1;
}

// A folder item of n files named prefix-1..n.
bool addFolderOf(const HandTrash& trash, const QByteArray& name, const QByteArray& sub, int n,
                 const QByteArray& prefix, const QByteArray& info) {
    const QByteArray dir = trash.filesEntry(name) + (sub.isEmpty() ? "" : "/" + sub);
    if (!makeDirs(dir, 0755))
        return false;
    for (int i = 1; i <= n; ++i)
        if (!writeFile(dir + "/" + prefix + "-" + QByteArray::number(i), "chapter"))
            return false;
    return info.isNull() || writeFile(trash.infoFile(name), info);
}

// A make-trash trash (with its canary, and items that link to it) owned by the unprivileged
// user, items added by hand, and the listing's references to them.
class RemovalRaceTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef VELMORA_TEST_HOOKS
        GTEST_SKIP() << "built without the test hooks";
#endif
        ASSERT_TRUE(dir_.isValid());
        root_ = QFile::encodeName(dir_.path());
        const test::Run made =
            run(QStringLiteral("python3"),
                {test::makeTrashScript(), QStringLiteral("--root"), dir_.path(),
                 QStringLiteral("--items"), QStringLiteral("4"), QStringLiteral("--with"),
                 QStringLiteral("symlinks,symlink-item"), QStringLiteral("--manifest"), manifest(),
                 QStringLiteral("-q")});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        trash_.dir = root_ + "/Trash";
        ASSERT_TRUE(makeDirs(outside_ + "/ours", 0755));
        ASSERT_TRUE(writeFile(outside_ + "/ours/keep.txt", "ours"));
        ASSERT_TRUE(makeDirs(home_, 0755));
    }
    void TearDown() override {
        if (root_.isEmpty())
            return;
        const test::Run verified =
            run(QStringLiteral("python3"),
                {test::makeTrashScript(), QStringLiteral("--verify"), QStringLiteral("--manifest"),
                 manifest(), QStringLiteral("--json")});
        const QJsonObject report = QJsonDocument::fromJson(verified.out).object();
        EXPECT_TRUE(report[QStringLiteral("canary_intact")].toBool())
            << verified.out.toStdString() << verified.err.toStdString();
    }
    QString manifest() const {
        return dir_.path() + QStringLiteral("/manifest.json");
    }
    // Everything the unprivileged user's.
    void handOver() {
        if (::geteuid() != 0)
            return;
        ASSERT_EQ(run(QStringLiteral("chown"),
                      {QStringLiteral("-R"), QStringLiteral("%1:%1").arg(Nobody), dir_.path()})
                      .exitCode,
                  0);
    }
    QByteArray info(const QByteArray& name) const {
        return HandTrash::info(home_ + "/" + name);
    }

    // The listing's references to the items of the trash, by stored name.
    struct Held {
        explicit Held(const QByteArray& dir) {
            base.trashFd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            base.filesFd = ::openat(base.trashFd, "files", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            base.infoFd = ::openat(base.trashFd, "info", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            for (const TrashItemRef& r : test::listItemRefs(base))
                refs.insert(r.stored, r);
        }
        ~Held() {
            for (const int fd : {base.infoFd, base.filesFd, base.trashFd})
                ::close(fd);
        }
        TrashItemRef base;
        QHash<QByteArray, TrashItemRef> refs;
    };

    // Removes the item as the purge does, as the unprivileged user, with hook set; the outcome
    // (as an int), or -1.
    int purgeItem(const QByteArray& name, const TestHook& hook = {}) {
        return asUser([&] {
            const Held held(trash_.dir);
            if (!held.refs.contains(name))
                return 99;
            setTestHook(hook);
            ItemRemoval removal;
            return int(removal.KillItem(held.refs.value(name)));
        });
    }

    test::TempTree dir_;
    QByteArray root_;
    QByteArray outside_ = QFile::encodeName(dir_.path()) + "/outside";
    QByteArray home_ = QFile::encodeName(dir_.path()) + "/home";
    HandTrash trash_;
};

// Fault: a restore while the purge walked a folder left it empty at home, and the purge
// counted nothing. Our own restore and a plain rename, each before the object moves out of the
// way (the restore wins: the item is not there) and while the walk empties it (the restore
// finds nothing, and the purge removes the item).
TEST_F(RemovalRaceTest, ARestoreDuringThePurgeOfAFolderWinsOrFindsNothing) {
    enum class Act { Restore, Rename };
    struct Case {
        const char* what;
        HookPoint point;
        Act act;
        RemoveOutcome purged;
        int atHome; // files of the item at home afterwards, -1: it is not there
    };
    const Case cases[] = {
        {"our restore first", HookPoint::RemovalChecked, Act::Restore, RemoveOutcome::NotThere,
         3000},
        {"a rename first", HookPoint::RemovalChecked, Act::Rename, RemoveOutcome::NotThere, 3000},
        {"our restore mid-walk", HookPoint::RemovalUnlink, Act::Restore, RemoveOutcome::Removed,
         -1},
        {"a rename mid-walk", HookPoint::RemovalUnlink, Act::Rename, RemoveOutcome::Removed, -1},
    };
    for (int k = 0; k < int(std::size(cases)); ++k) {
        const QByteArray name = "Thesis" + QByteArray::number(k);
        ASSERT_TRUE(addFolderOf(trash_, name, {}, 3000, "c", info(name)));
    }
    handOver();
    int k = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray name = "Thesis" + QByteArray::number(k++);
        const QByteArray path = home_ + "/" + name;
        const int code = asUser([&] {
            const Held held(trash_.dir);
            const TrashItemRef ref = held.refs.value(name);
            int unlinks = 0;
            int acted = -1; // the restore's outcome, or the rename's result (0 or 1)
            setTestHook([&](HookPoint point, int, const char*) {
                if (point != c.point || acted >= 0 ||
                    (point == HookPoint::RemovalUnlink && ++unlinks < 100))
                    return;
                acted = c.act == Act::Restore
                            ? int(restoreItem(ref))
                            : ::rename(trash_.filesEntry(name).constData(), path.constData()) != 0;
            });
            ItemRemoval removal;
            const RemoveOutcome outcome = removal.KillItem(ref);
            return int(outcome) * 16 + acted;
        });
        ASSERT_GE(code, 0);
        EXPECT_EQ(code / 16, int(c.purged));
        if (c.point == HookPoint::RemovalChecked) {
            EXPECT_EQ(code % 16, 0); // restored, renamed
        } else if (c.act == Act::Restore) {
            EXPECT_EQ(code % 16, int(RestoreOutcome::NotThere));
        } else {
            EXPECT_EQ(code % 16, 1); // nothing to rename
        }
        EXPECT_EQ(filesIn(path), c.atHome);
        EXPECT_FALSE(lstatOf(trash_.filesEntry(name)));
        if (c.act == Act::Restore || c.purged == RemoveOutcome::Removed) {
            EXPECT_FALSE(lstatOf(trash_.infoFile(name)));
        }
    }
    EXPECT_EQ(filesIn(trash_.dir + "/" + StagingFolderName), 0); // the sessions went
}

// Fault: a folder moved out of an item while the walk was inside it was emptied outside the
// trash. Once the item is out of the way, the trash's paths no longer lead to it: the move
// finds nothing, and nothing outside is touched. Inside a folder the walk holds, and deep
// below a folder it has closed and reopens through "..".
TEST_F(RemovalRaceTest, AFolderMovedOutMidWalkIsNeverEmptiedOutside) {
    ASSERT_TRUE(addFolderOf(trash_, "box", "a", 200, "a", info("box")));
    ASSERT_TRUE(addFolderOf(trash_, "box", "b", 200, "b", QByteArray()));
    QByteArray level = trash_.filesEntry("deep");
    QByteArray tenth;
    for (int i = 1; i <= 100; ++i) {
        level += "/l" + QByteArray::number(i);
        ASSERT_TRUE(makeDirs(level, 0755));
        ASSERT_TRUE(writeFile(level + "/f", "x"));
        if (i == 10)
            tenth = level;
    }
    ASSERT_TRUE(writeFile(trash_.infoFile("deep"), info("deep")));
    handOver();
    struct Case {
        QByteArray item, from, to;
        QByteArray atName; // the unlink at which the folder is moved
    };
    const Case cases[] = {
        {"box", trash_.filesEntry("box") + "/b", outside_ + "/b", "b-50"},
        {"deep", tenth, outside_ + "/l10", "f"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.constData());
        int seen = 0;
        int moved = -1;
        const int outcome = purgeItem(c.item, [&](HookPoint point, int dirFd, const char* name) {
            if (point != HookPoint::RemovalUnlink || c.atName != name || moved >= 0)
                return;
            // The deep case: at level 90, far below the levels the walk has closed.
            struct stat st {};
            if (c.item == "deep" &&
                (++seen < 90 || ::fstatat(dirFd, "l91", &st, AT_SYMLINK_NOFOLLOW) != 0))
                return;
            moved = ::rename(c.from.constData(), c.to.constData()) == 0 ? 0 : 1;
        });
        EXPECT_EQ(outcome, int(RemoveOutcome::Removed));
        EXPECT_FALSE(lstatOf(c.to)) << "moved out, and emptied there";
        EXPECT_FALSE(lstatOf(trash_.filesEntry(c.item)));
    }
}

// Fault: an object replaced between the identity check and the unlink was removed. The object
// that arrives in staging is checked; the one put in the listed one's place goes back, whole.
TEST_F(RemovalRaceTest, AnObjectReplacedAfterTheCheckGoesBackUntouched) {
    ASSERT_TRUE(trash_.addFile("victim", info("victim"), "old"));
    ASSERT_TRUE(addFolderOf(trash_, "folder", {}, 5, "f", info("folder")));
    handOver();
    for (const QByteArray name : {"victim", "folder"}) {
        SCOPED_TRACE(name.constData());
        const QByteArray entry = trash_.filesEntry(name);
        const QByteArray infoBefore = readFile(trash_.infoFile(name));
        const int outcome = purgeItem(name, [&](HookPoint point, int, const char*) {
            if (point != HookPoint::RemovalChecked)
                return;
            ::rename(entry.constData(), (entry + ".old").constData());
            if (name == "victim")
                writeFile(entry, "NEW");
            else if (makeDirs(entry, 0755))
                writeFile(entry + "/new.txt", "NEW");
        });
        EXPECT_EQ(outcome, int(RemoveOutcome::NotThere));
        EXPECT_EQ(readFile(name == "victim" ? entry : entry + "/new.txt"), "NEW");
        EXPECT_TRUE(lstatOf(entry + ".old"));
        EXPECT_EQ(readFile(trash_.infoFile(name)), infoBefore);
    }
}

// The walk's own defences, each attacked between its steps: a subfolder swapped for a link to
// itself moved outside (only O_NOFOLLOW refuses it: the identity matches), for another folder
// of ours (only the identity check refuses it), and the info file replaced once the object is
// gone (only the second check keeps it).
TEST_F(RemovalRaceTest, SwapsBetweenTheWalksStepsAreRefused) {
    for (const QByteArray name : {"linked", "swapped", "relabelled"}) {
        ASSERT_TRUE(addFolderOf(trash_, name, "sub", 20, "s", info(name)));
        ASSERT_TRUE(writeFile(trash_.filesEntry(name) + "/top.txt", "t"));
    }
    handOver();
    const QByteArray outsideSub = outside_ + "/sub";

    int outcome = purgeItem("linked", [&](HookPoint point, int dirFd, const char* name) {
        if (point == HookPoint::WalkOpen && QByteArray(name) == "sub" &&
            ::renameat(dirFd, "sub", AT_FDCWD, outsideSub.constData()) == 0)
            ::symlinkat(outsideSub.constData(), dirFd, "sub");
    });
    EXPECT_EQ(outcome, int(RemoveOutcome::Stayed));
    EXPECT_EQ(filesIn(outsideSub), 20);
    EXPECT_TRUE(S_ISLNK(lstatOf(trash_.filesEntry("linked") + "/sub")->st_mode));
    EXPECT_TRUE(lstatOf(trash_.infoFile("linked")));

    outcome = purgeItem("swapped", [&](HookPoint point, int dirFd, const char* name) {
        if (point == HookPoint::WalkOpen && QByteArray(name) == "sub" &&
            ::renameat(dirFd, "sub", AT_FDCWD, (outsideSub + ".old").constData()) == 0)
            ::renameat(AT_FDCWD, (outside_ + "/ours").constData(), dirFd, "sub");
    });
    EXPECT_EQ(outcome, int(RemoveOutcome::Stayed));
    EXPECT_EQ(readFile(trash_.filesEntry("swapped") + "/sub/keep.txt"), "ours");
    EXPECT_EQ(filesIn(outsideSub + ".old"), 20);
    EXPECT_TRUE(lstatOf(trash_.infoFile("swapped")));

    const QByteArray newInfo = HandTrash::info(home_ + "/relabelled-new");
    outcome = purgeItem("relabelled", [&](HookPoint point, int dirFd, const char* name) {
        if (point != HookPoint::RemovalInfo)
            return;
        const int fd = ::openat(dirFd, "new.tmp", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        (void)!::write(fd, newInfo.constData(), std::size_t(newInfo.size()));
        ::close(fd);
        ::renameat(dirFd, "new.tmp", dirFd, name);
    });
    EXPECT_EQ(outcome, int(RemoveOutcome::Removed));
    EXPECT_FALSE(lstatOf(trash_.filesEntry("relabelled")));
    EXPECT_EQ(readFile(trash_.infoFile("relabelled")), newInfo);
}

// A folder swapped for another between the listing and the size step does not become the
// listed one: the removal finds it is not, and leaves it.
TEST_F(RemovalRaceTest, AFolderSwappedBeforeTheSizeStepIsNotTheListedOne) {
    ASSERT_TRUE(addFolderOf(trash_, "photos", {}, 3, "p", info("photos")));
    handOver();
    const QByteArray entry = trash_.filesEntry("photos");
    const int code = asUser([&] {
        TrashSource source(test::homeTrashOptions(root_));
        source.enumerate();
        int row = -1;
        for (int i = 0; i < source.count(); ++i)
            if (source.itemRef(i).stored == "photos")
                row = i;
        if (row < 0)
            return 99;
        if (::rename(entry.constData(), (entry + ".old").constData()) != 0 ||
            !makeDirs(entry, 0755) || !writeFile(entry + "/new.txt", "new"))
            return 98;
        source.details(row); // the size step
        return int(source.remove(row));
    });
    EXPECT_EQ(code, int(RemoveOutcome::NotThere));
    EXPECT_EQ(readFile(entry + "/new.txt"), "new");
    EXPECT_TRUE(lstatOf(trash_.infoFile("photos")));
}

// The size cache is replaced through a temporary file and a rename, never written through:
// a directorysizes hard-linked to a file outside the trash leaves that file as it was, by the
// removal's rewrite and by the listing's.
TEST_F(RemovalRaceTest, TheSizeCacheIsNeverWrittenThroughALink) {
    ASSERT_TRUE(addFolderOf(trash_, "gone", {}, 2, "g", info("gone")));
    ASSERT_TRUE(addFolderOf(trash_, "kept", {}, 2, "k", info("kept")));
    const QByteArray outsideFile = outside_ + "/precious";
    const QByteArray precious = "4096 1700000000 gone\n4096 1700000000 kept\n";
    ASSERT_TRUE(writeFile(outsideFile, precious));
    handOver();
    const QByteArray cache = trash_.dir + "/directorysizes";
    ::unlink(cache.constData());
    ASSERT_EQ(::link(outsideFile.constData(), cache.constData()), 0);
    EXPECT_EQ(purgeItem("gone"), int(RemoveOutcome::Removed));
    EXPECT_EQ(readFile(outsideFile), precious);
    EXPECT_FALSE(parseDirectorySizes(readFile(cache)).contains("gone"));

    ::unlink(cache.constData());
    ASSERT_EQ(::link(outsideFile.constData(), cache.constData()), 0);
    EXPECT_EQ(asUser([&] {
                  TrashSource source(test::homeTrashOptions(root_));
                  source.enumerate();
                  for (int i = 0; i < source.count(); ++i)
                      source.details(i); // measures, and rewrites the cache
                  return 0;
              }),
              0);
    EXPECT_EQ(readFile(outsideFile), precious);
    EXPECT_TRUE(parseDirectorySizes(readFile(cache)).contains("kept"));
}

// An item part of which cannot be removed goes back to files/ with its info file, listed where
// the user and other trash tools see it, and its size cache line goes so that it is measured
// again.
TEST_F(RemovalRaceTest, AnItemThatPartlyStaysGoesBackWithItsInfoFile) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make an entry the user cannot remove";
    ASSERT_TRUE(addFolderOf(trash_, "shared", "mine", 3, "m", info("shared")));
    ASSERT_TRUE(writeFile(trash_.dir + "/directorysizes", "8192 1700000000 shared\n"));
    handOver();
    // root's folder with root's file: the user cannot empty it.
    const QByteArray theirs = trash_.filesEntry("shared") + "/theirs";
    ASSERT_TRUE(makeDirs(theirs, 0755) && writeFile(theirs + "/root.txt", "root's"));
    EXPECT_EQ(purgeItem("shared"), int(RemoveOutcome::Stayed));
    EXPECT_EQ(readFile(theirs + "/root.txt"), "root's");
    EXPECT_FALSE(lstatOf(trash_.filesEntry("shared") + "/mine"));
    EXPECT_TRUE(lstatOf(trash_.infoFile("shared")));
    EXPECT_FALSE(readFile(trash_.dir + "/directorysizes").contains("shared"));
    EXPECT_EQ(filesIn(trash_.dir + "/" + StagingFolderName), 0);
    run(QStringLiteral("rm"), {QStringLiteral("-rf"), QString::fromUtf8(theirs)});
}

// A purge killed mid-walk leaves the item in its staging session: the next listing puts it
// back while its info file exists, and the next purge removes it once the info file is gone.
// Nothing stays where no listing shows it.
TEST_F(RemovalRaceTest, AnInterruptedPurgeLeavesNothingInvisible) {
    ASSERT_TRUE(addFolderOf(trash_, "listed-again", {}, 50, "x", info("listed-again")));
    ASSERT_TRUE(addFolderOf(trash_, "finished", {}, 50, "y", info("finished")));
    handOver();
    auto killedAt20 = [](HookPoint point, int, const char*) {
        static int unlinks = 0;
        if (point == HookPoint::RemovalUnlink && ++unlinks == 20)
            ::raise(SIGKILL);
    };
    for (const QByteArray name : {"listed-again", "finished"}) {
        EXPECT_EQ(purgeItem(name, killedAt20), -1);
        EXPECT_FALSE(lstatOf(trash_.filesEntry(name)));
        EXPECT_TRUE(lstatOf(trash_.infoFile(name)));
    }
    ASSERT_EQ(::unlink(trash_.infoFile("finished").constData()), 0);

    // The listing: the labelled one is back, partly emptied; the other one is finished.
    const int listed = asUser([&] {
        TrashSource source(test::homeTrashOptions(root_));
        source.enumerate();
        int found = 0;
        for (int i = 0; i < source.count(); ++i)
            found += source.itemRef(i).stored == "listed-again" ? 1 : 0;
        return found;
    });
    EXPECT_EQ(listed, 1);
    const int left = filesIn(trash_.filesEntry("listed-again"));
    EXPECT_GT(left, 0);
    EXPECT_LT(left, 50);
    EXPECT_FALSE(lstatOf(trash_.filesEntry("finished")));
    EXPECT_EQ(filesIn(trash_.dir + "/" + StagingFolderName), 0);
    EXPECT_EQ(purgeItem("listed-again"), int(RemoveOutcome::Removed));

    // The same through the next purge.
    ASSERT_TRUE(addFolderOf(trash_, "again", {}, 50, "z", info("again")));
    handOver();
    EXPECT_EQ(purgeItem("again", killedAt20), -1);
    ASSERT_EQ(::unlink(trash_.infoFile("again").constData()), 0);
    ASSERT_TRUE(trash_.addFile("next", info("next")));
    handOver();
    EXPECT_EQ(purgeItem("next"), int(RemoveOutcome::Removed));
    EXPECT_FALSE(lstatOf(trash_.filesEntry("again")));
    EXPECT_EQ(filesIn(trash_.dir + "/" + StagingFolderName), 0);
}

// Mounts: made as root in a mount namespace of a child process of its own; the removal runs as
// the unprivileged user. Where no mount can be made the test is skipped, but under CI it fails.
class MountRaceTest : public RemovalRaceTest {
protected:
    // Runs f in a child process in a private mount namespace; f returns a bit set of failures.
    // 255: no mount could be made.
    int inMountNamespace(const std::function<int()>& f) {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                ::_exit(255);
            ::_exit(f());
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 254;
    }
    bool cannotMount(int code) {
        if (code != 255)
            return false;
        if (qEnvironmentVariable("CI") == QStringLiteral("true"))
            ADD_FAILURE() << "cannot mount here, and CI requires the mount tests";
        return true;
    }
};

// Fault: a bind mount of the same file system inside an item was entered, and what it shows
// emptied. The removal, the size walk and the restore's copy never enter it.
TEST_F(MountRaceTest, ABindMountInsideAnItemIsNeverEntered) {
    const QByteArray real = root_ + "/realhome";
    ASSERT_TRUE(makeDirs(real, 0755));
    ASSERT_TRUE(writeFile(real + "/thesis.txt", QByteArray(100000, 't')));
    const QByteArray shm = "/dev/shm/velmora-bind-" + QByteArray::number(::getpid());
    for (const QByteArray name : {"chroot", "copied"}) {
        ASSERT_TRUE(addFolderOf(trash_, name, "home", 0, {}, HandTrash::info(shm + "/" + name)));
        ASSERT_TRUE(writeFile(trash_.filesEntry(name) + "/etc", "c"));
    }
    ASSERT_TRUE(makeDirs(shm, 0755));
    handOver();
    run(QStringLiteral("chown"), {QStringLiteral("%1:%1").arg(Nobody), QString::fromUtf8(shm)});
    const int code = inMountNamespace([&] {
        for (const QByteArray name : {"chroot", "copied"})
            if (::mount(real.constData(), (trash_.filesEntry(name) + "/home").constData(), nullptr,
                        MS_BIND, nullptr) != 0)
                return 255;
        int failures = 0;
        const qint64 bytes = asUser([&] {
            const int fd = ::open(trash_.filesEntry("").constData(), O_RDONLY | O_DIRECTORY);
            return diskUsage(fd, "chroot") < 100000 ? 0 : 1;
        });
        failures |= bytes != 0 ? 1 : 0;
        failures |= purgeItem("chroot") != int(RemoveOutcome::Stayed) ? 2 : 0;
        failures |= asUser([&] {
                        const Held held(trash_.dir);
                        return int(restoreItem(held.refs.value("copied")));
                    }) != int(RestoreOutcome::Failed)
                        ? 4
                        : 0;
        failures |= lstatOf(shm + "/copied") ? 8 : 0;
        failures |= readFile(real + "/thesis.txt").size() != 100000 ? 16 : 0;
        failures |= lstatOf(trash_.filesEntry("chroot") + "/etc") ? 32 : 0;
        failures |= !lstatOf(trash_.infoFile("chroot")) ? 64 : 0;
        return failures;
    });
    run(QStringLiteral("rm"), {QStringLiteral("-rf"), QString::fromUtf8(shm)});
    if (cannotMount(code))
        GTEST_SKIP() << "cannot mount here (needs CAP_SYS_ADMIN)";
    EXPECT_EQ(code & 1, 0) << "the size walk entered the bind mount";
    EXPECT_EQ(code & 2, 0) << "the item did not stay";
    EXPECT_EQ(code & 4, 0) << "the copy did not fail";
    EXPECT_EQ(code & 8, 0) << "a failed copy was left";
    EXPECT_EQ(code & 16, 0) << "what the bind mount shows was changed";
    EXPECT_EQ(code & 32, 0) << "the rest of the item was not removed";
    EXPECT_EQ(code & 64, 0) << "the info file of an item that stayed went";
    EXPECT_EQ(code & 128, 0);
    EXPECT_EQ(readFile(real + "/thesis.txt").size(), 100000);
}

// Fault: an item that is itself a mount point (another file system, or a bind mount) was "not
// there" and counted nowhere. It stays, is counted so, and is never entered.
TEST_F(MountRaceTest, AnItemThatIsAMountPointStays) {
    const QByteArray real = root_ + "/realdir";
    ASSERT_TRUE(makeDirs(real, 0755));
    ASSERT_TRUE(writeFile(real + "/data", "bound"));
    for (const QByteArray name : {"tmpfs", "bound"})
        ASSERT_TRUE(addFolderOf(trash_, name, {}, 0, {}, info(name)));
    handOver();
    const int code = inMountNamespace([&] {
        if (::mount("velmora-test", trash_.filesEntry("tmpfs").constData(), "tmpfs", 0,
                    "mode=0777") != 0 ||
            ::mount(real.constData(), trash_.filesEntry("bound").constData(), nullptr, MS_BIND,
                    nullptr) != 0 ||
            !writeFile(trash_.filesEntry("tmpfs") + "/data", "on tmpfs"))
            return 255;
        if (::chown((trash_.filesEntry("tmpfs") + "/data").constData(), Nobody, Nobody) != 0)
            return 255;
        // Through the trash source, as the window and the command line remove.
        const int outcomes = asUser([&] {
            TrashSource source(test::homeTrashOptions(root_));
            source.enumerate();
            int stayed = 0;
            for (int i = 0; i < source.count(); ++i) {
                const QByteArray stored = source.itemRef(i).stored;
                if (stored == "tmpfs" || stored == "bound")
                    stayed += source.remove(i) == RemoveOutcome::Stayed ? 1 : 0;
            }
            return stayed;
        });
        int failures = outcomes != 2 ? 1 : 0;
        failures |= readFile(trash_.filesEntry("tmpfs") + "/data") != "on tmpfs" ? 2 : 0;
        failures |= readFile(real + "/data") != "bound" ? 4 : 0;
        failures |=
            !lstatOf(trash_.infoFile("tmpfs")) || !lstatOf(trash_.infoFile("bound")) ? 8 : 0;
        return failures;
    });
    if (cannotMount(code))
        GTEST_SKIP() << "cannot mount here (needs CAP_SYS_ADMIN)";
    EXPECT_EQ(code & 1, 0) << "not both counted as stayed";
    EXPECT_EQ(code & 2, 0) << "the tmpfs was entered";
    EXPECT_EQ(code & 4, 0) << "the bind mount was entered";
    EXPECT_EQ(code & 8, 0) << "an info file went";
    EXPECT_EQ(code & ~15, 0);
}

} // namespace
} // namespace velmora
