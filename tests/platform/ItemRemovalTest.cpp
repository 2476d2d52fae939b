// Removing trash items on real temporary trashes: each kind of item, deep and read-only trees,
// links, the identity check, the file-system rule, the size cache, and every hard case of
// make-trash removed by an unprivileged user.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QSet>

#include "TrashFixture.h"
#include "platform/FileNames.h"
#include "platform/ItemRemoval.h"
#include "platform/PosixFiles.h"
#include "platform/TrashSource.h"

namespace velmora {
namespace {

using test::HandTrash;
using test::lstatOf;
using test::makeDirs;
using test::readFile;
using test::run;
using test::storedName;
using test::writeFile;

// The held descriptors of a trash directory, as the listing keeps them.
struct HeldTrash {
    explicit HeldTrash(const QByteArray& dir) {
        trashFd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        filesFd = ::openat(trashFd, "files", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        infoFd = ::openat(trashFd, "info", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }
    ~HeldTrash() {
        for (int fd : {infoFd, filesFd, trashFd})
            if (fd >= 0)
                ::close(fd);
    }
    // The item as a listing would see it now.
    TrashItemRef ref(const QByteArray& stored) const {
        TrashItemRef item{trashFd, filesFd, infoFd, stored};
        struct stat st {};
        if (::fstatat(filesFd, stored.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            item.dev = st.st_dev;
            item.ino = st.st_ino;
        }
        if (::fstatat(infoFd, (stored + ".trashinfo").constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            item.hasInfo = true;
            item.infoDev = st.st_dev;
            item.infoIno = st.st_ino;
        }
        return item;
    }
    int trashFd, filesFd, infoFd;
};

class ItemRemovalTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        root_ = QFile::encodeName(dir_.path());
        trash_.dir = root_ + "/Trash";
        ASSERT_TRUE(trash_.create());
        ASSERT_TRUE(makeDirs(root_ + "/outside/dir", 0755));
        ASSERT_TRUE(writeFile(root_ + "/outside/file.txt", "keep"));
        ASSERT_TRUE(writeFile(root_ + "/outside/dir/inner.txt", "keep too"));
    }
    bool outsideIntact() const {
        return readFile(root_ + "/outside/file.txt") == "keep" &&
               readFile(root_ + "/outside/dir/inner.txt") == "keep too";
    }
    QByteArray info(const QByteArray& name) const { return HandTrash::info("/home/u/" + name); }

    test::TempTree dir_;
    QByteArray root_;
    HandTrash trash_;
};

TEST_F(ItemRemovalTest, RemovesEveryKindOfItemWithItsInfoFile) {
    const QByteArray files = trash_.dir + "/files/";
    ASSERT_TRUE(trash_.addFile("plain.txt", info("plain.txt")));
    ASSERT_TRUE(trash_.addFile("read-only.txt", info("read-only.txt")));
    ASSERT_EQ(::chmod((files + "read-only.txt").constData(), 0444), 0);
    // A tree with read-only files, a read-only folder, a folder without any permission, links
    // out of the trash, a dangling and a looping link.
    ASSERT_TRUE(trash_.addFolder("tree", info("tree")));
    ASSERT_TRUE(makeDirs(files + "tree/a/b/c", 0755));
    ASSERT_TRUE(writeFile(files + "tree/a/b/c/file", "x"));
    ASSERT_TRUE(writeFile(files + "tree/a/ro.txt", "x"));
    ASSERT_EQ(::chmod((files + "tree/a/ro.txt").constData(), 0444), 0);
    ASSERT_EQ(::chmod((files + "tree/a/b").constData(), 0555), 0);
    ASSERT_TRUE(makeDirs(files + "tree/locked/sub", 0755));
    ASSERT_TRUE(writeFile(files + "tree/locked/sub/f", "x"));
    ASSERT_EQ(::chmod((files + "tree/locked").constData(), 0), 0);
    ASSERT_EQ(::symlink((root_ + "/outside/dir").constData(), (files + "tree/to-dir").constData()),
              0);
    ASSERT_EQ(
        ::symlink((root_ + "/outside/file.txt").constData(), (files + "tree/to-file").constData()),
        0);
    ASSERT_EQ(::symlink("nowhere", (files + "tree/dangling").constData()), 0);
    ASSERT_EQ(::symlink("loop", (files + "tree/loop").constData()), 0);
    // The item itself read-only, a link item to a folder outside, a fifo, a name not UTF-8.
    ASSERT_TRUE(trash_.addFolder("ro-item", info("ro-item")));
    ASSERT_EQ(::chmod((files + "ro-item").constData(), 0555), 0);
    ASSERT_EQ(::symlink((root_ + "/outside/dir").constData(), (files + "link-item").constData()),
              0);
    ASSERT_TRUE(writeFile(trash_.infoFile("link-item"), info("link-item")));
    ASSERT_EQ(::mkfifo((files + "pipe").constData(), 0600), 0);
    ASSERT_TRUE(writeFile(trash_.infoFile("pipe"), info("pipe")));
    const QByteArray latin1 = "caf\xe9 \xff.txt";
    ASSERT_EQ(::close(::open((files + latin1).constData(), O_CREAT | O_WRONLY, 0644)), 0);
    ASSERT_TRUE(writeFile(trash_.dir + "/info/latin1.tmp", info("caf%E9")));
    ASSERT_EQ(::rename((trash_.dir + "/info/latin1.tmp").constData(),
                       trash_.infoFile(latin1).constData()),
              0);
    // An orphan: no info file, shown and removable.
    ASSERT_TRUE(trash_.addFile("orphan", QByteArray()));

    HeldTrash held(trash_.dir);
    ItemRemoval removal;
    for (const QByteArray& name :
         {QByteArray("plain.txt"), QByteArray("read-only.txt"), QByteArray("tree"),
          QByteArray("ro-item"), QByteArray("link-item"), QByteArray("pipe"), latin1,
          QByteArray("orphan")}) {
        EXPECT_EQ(removal.KillItem(held.ref(name)), RemoveOutcome::Removed) << name.toHex().data();
        EXPECT_FALSE(lstatOf(files + name)) << name.toHex().data();
        EXPECT_FALSE(lstatOf(trash_.infoFile(name))) << name.toHex().data();
    }
    EXPECT_TRUE(outsideIntact());
}

TEST_F(ItemRemovalTest, RemovesATreeFiveThousandLevelsDeep) {
    ASSERT_TRUE(makeDirs(trash_.filesEntry("deep"), 0755));
    ASSERT_TRUE(writeFile(trash_.infoFile("deep"), info("deep")));
    int fd = ::open(trash_.filesEntry("deep").constData(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < 5000; ++level) {
        ASSERT_EQ(::mkdirat(fd, "level-with-a-longish-name", 0755), 0) << level;
        const int next = ::openat(fd, "level-with-a-longish-name", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
        ASSERT_GE(fd, 0);
        if (level % 1000 == 0) {
            ASSERT_EQ(::close(::openat(fd, "file", O_CREAT | O_WRONLY, 0644)), 0);
        }
    }
    ::close(fd);
    HeldTrash held(trash_.dir);
    ItemRemoval removal;
    EXPECT_EQ(removal.KillItem(held.ref("deep")), RemoveOutcome::Removed);
    EXPECT_FALSE(lstatOf(trash_.filesEntry("deep")));
    EXPECT_FALSE(lstatOf(trash_.infoFile("deep")));
}

// An item that changed between the listing and the removal is not touched.
TEST_F(ItemRemovalTest, LeavesAnItemThatIsNoLongerTheListedOne) {
    struct Case {
        const char* what;
        std::function<void(const HandTrash&)> change;
    };
    const Case cases[] = {
        // Restoring moves the object out and removes the info file; the new info file may well
        // get the old one's inode number.
        {"restored and replaced by a newer one",
         [](const HandTrash& t) {
             ::rename(t.filesEntry("item").constData(), (t.dir + "/../restored").constData());
             ::unlink(t.infoFile("item").constData());
             t.addFile("item", HandTrash::info("/home/u/new"), "new");
         }},
        {"stored object replaced",
         [](const HandTrash& t) {
             ::rename(t.filesEntry("item").constData(), t.filesEntry("moved").constData());
             t.addFile("item", QByteArray(), "new");
         }},
        {"info file replaced",
         [](const HandTrash& t) {
             writeFile(t.infoFile("item") + ".new", HandTrash::info("/home/u/new"));
             ::rename((t.infoFile("item") + ".new").constData(), t.infoFile("item").constData());
         }},
        {"info file gone", [](const HandTrash& t) { ::unlink(t.infoFile("item").constData()); }},
        {"vanished",
         [](const HandTrash& t) {
             ::unlink(t.filesEntry("item").constData());
             ::unlink(t.infoFile("item").constData());
         }},
        {"replaced by a folder",
         [](const HandTrash& t) {
             ::rename(t.filesEntry("item").constData(), (t.dir + "/../restored").constData());
             t.addFolder("item", QByteArray());
         }},
    };
    for (const Case& c : cases) {
        test::TempTree dir;
        const HandTrash trash{QFile::encodeName(dir.path()) + "/Trash"};
        ASSERT_TRUE(trash.create());
        ASSERT_TRUE(trash.addFile("item", info("item"), "old"));
        HeldTrash held(trash.dir);
        const TrashItemRef listed = held.ref("item");
        c.change(trash);
        const auto filesBefore = lstatOf(trash.filesEntry("item"));
        const QByteArray infoBefore = readFile(trash.infoFile("item"));
        ItemRemoval removal;
        EXPECT_EQ(removal.KillItem(listed), RemoveOutcome::NotThere) << c.what;
        const auto filesAfter = lstatOf(trash.filesEntry("item"));
        EXPECT_EQ(bool(filesAfter), bool(filesBefore)) << c.what;
        if (filesAfter && filesBefore) {
            EXPECT_EQ(filesAfter->st_ino, filesBefore->st_ino) << c.what;
        }
        EXPECT_EQ(readFile(trash.infoFile("item")), infoBefore) << c.what;
    }
    // An orphan that got an info file since the listing is somebody's trashing in progress.
    ASSERT_TRUE(trash_.addFile("orphan", QByteArray()));
    HeldTrash held(trash_.dir);
    const TrashItemRef orphan = held.ref("orphan");
    ASSERT_TRUE(writeFile(trash_.infoFile("orphan"), info("orphan")));
    EXPECT_EQ(ItemRemoval().KillItem(orphan), RemoveOutcome::NotThere);
    EXPECT_TRUE(lstatOf(trash_.filesEntry("orphan")));
}

// The same through the trash source: what it listed is what it removes, and nothing else.
TEST_F(ItemRemovalTest, TheTrashSourceRemovesOnlyWhatItListed) {
    ASSERT_TRUE(trash_.addFile("report.txt", info("report.txt"), "old"));
    ASSERT_TRUE(trash_.addFolder("photos", info("photos")));
    TrashSourceOptions options;
    options.dataHome = QFile::decodeName(root_);
    options.scanVolumes = false;
    TrashSource source(options);
    source.enumerate();
    ASSERT_EQ(source.count(), 2);
    const int report = source.displayName(0) == QStringLiteral("report.txt") ? 0 : 1;
    // Restored, and something new trashed under the same name.
    ASSERT_EQ(::rename(trash_.filesEntry("report.txt").constData(),
                       (root_ + "/outside/report.txt").constData()),
              0);
    ASSERT_EQ(::unlink(trash_.infoFile("report.txt").constData()), 0);
    ASSERT_TRUE(trash_.addFile("report.txt", info("report.txt"), "new"));
    EXPECT_EQ(source.remove(report), RemoveOutcome::NotThere);
    EXPECT_EQ(readFile(trash_.filesEntry("report.txt")), "new");
    EXPECT_TRUE(lstatOf(trash_.infoFile("report.txt")));
    EXPECT_EQ(source.remove(1 - report), RemoveOutcome::Removed);
    EXPECT_FALSE(lstatOf(trash_.filesEntry("photos")));
    EXPECT_FALSE(lstatOf(trash_.infoFile("photos")));
    source.enumerate();
    ASSERT_EQ(source.count(), 1);
    EXPECT_EQ(source.displayName(0), QStringLiteral("report.txt"));
}

// A folder on another file system (a mount point inside the item) is not entered; it stays with
// every folder above it, and the item keeps its info file.
TEST_F(ItemRemovalTest, NeverEntersAnotherFileSystem) {
    const QByteArray item = trash_.filesEntry("project");
    ASSERT_TRUE(makeDirs(item + "/sub/mnt", 0755) && makeDirs(item + "/other", 0755));
    ASSERT_TRUE(writeFile(item + "/sub/mnt/on-the-mount", "m"));
    ASSERT_TRUE(writeFile(item + "/sub/beside", "b"));
    ASSERT_TRUE(writeFile(item + "/other/file", "o"));
    ASSERT_TRUE(writeFile(trash_.infoFile("project"), info("project")));
    ASSERT_TRUE(makeDirs(trash_.filesEntry("mounted"), 0755));
    ASSERT_TRUE(writeFile(trash_.filesEntry("mounted") + "/x", "x"));
    ASSERT_TRUE(writeFile(trash_.infoFile("mounted"), info("mounted")));
    const ino_t mountIno = lstatOf(item + "/sub/mnt")->st_ino;
    const ino_t mountedItemIno = lstatOf(trash_.filesEntry("mounted"))->st_ino;

    RemovalOptions options;
    options.deviceOf = [&](const struct stat& st) {
        return st.st_ino == mountIno || st.st_ino == mountedItemIno ? dev_t(4242) : st.st_dev;
    };
    HeldTrash held(trash_.dir);
    ItemRemoval removal(options);
    EXPECT_EQ(removal.KillItem(held.ref("project")), RemoveOutcome::Stayed);
    EXPECT_EQ(readFile(item + "/sub/mnt/on-the-mount"), "m");
    EXPECT_FALSE(lstatOf(item + "/sub/beside"));
    EXPECT_FALSE(lstatOf(item + "/other"));
    EXPECT_TRUE(lstatOf(trash_.infoFile("project")));
    EXPECT_EQ(removal.KillItem(held.ref("mounted")), RemoveOutcome::Stayed);
    EXPECT_EQ(readFile(trash_.filesEntry("mounted") + "/x"), "x");
    EXPECT_TRUE(lstatOf(trash_.infoFile("mounted")));
    EXPECT_FALSE(DeleteFolderTree(held.filesFd, "project", options));
    EXPECT_TRUE(DeleteFolderTree(held.filesFd, "project"));
    EXPECT_FALSE(lstatOf(item));
}

TEST_F(ItemRemovalTest, TheSizeCacheLosesTheLinesOfRemovedFoldersOnly) {
    for (const QByteArray name : {"gone one", "gone two", "kept", "file item"}) {
        if (name == "file item")
            ASSERT_TRUE(trash_.addFile(name, info(name)));
        else
            ASSERT_TRUE(trash_.addFolder(name, info(name)));
    }
    const QByteArray cache = trash_.dir + "/directorysizes";
    ASSERT_TRUE(writeFile(cache, "4096 1700000000 gone%20one\n"
                                 "8192 1700000001 kept\n"
                                 "12288 1700000002 gone%20two\n"
                                 "not a line\n"));
    const ino_t before = lstatOf(cache)->st_ino;
    const mode_t mode = lstatOf(cache)->st_mode;
    HeldTrash held(trash_.dir);
    {
        ItemRemoval removal;
        EXPECT_EQ(removal.KillItem(held.ref("gone one")), RemoveOutcome::Removed);
        EXPECT_EQ(removal.KillItem(held.ref("gone two")), RemoveOutcome::Removed);
        EXPECT_EQ(removal.KillItem(held.ref("file item")), RemoveOutcome::Removed);
        EXPECT_EQ(lstatOf(cache)->st_ino, before); // written once, at the end
    }
    EXPECT_EQ(readFile(cache), "8192 1700000001 kept\nnot a line\n");
    EXPECT_NE(lstatOf(cache)->st_ino, before);
    EXPECT_EQ(lstatOf(cache)->st_mode, mode);
}

// Runs make-trash as `uid` (when root) and purges the trash with a copy of the purge tool as that
// user, so that the permission cases bite.
TEST_F(ItemRemovalTest, AnOrdinaryUserRemovesEveryHardCase) {
    const bool asRoot = ::geteuid() == 0;
    const QString dataHome = dir_.path() + QStringLiteral("/data");
    QStringList asUser;
    if (asRoot) {
        asUser = {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                  QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};
        ASSERT_EQ(::chmod(root_.constData(), 0755), 0);
        run(QStringLiteral("chown"), {QStringLiteral("65534:65534"), dir_.path()});
    }
    auto runAs = [&](QStringList command, const QStringList& env = {}) {
        command = asUser + command;
        return run(command.takeFirst(), command, env);
    };
    // The system's interpreter: a per-user one may lie in a private folder.
    const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3"))
                               ? QStringLiteral("/usr/bin/python3")
                               : QStringLiteral("python3");
    const QString manifestPath = dir_.path() + QStringLiteral("/manifest.json");
    test::Run made =
        runAs({python, test::makeTrashScript(), QStringLiteral("--root"), dataHome,
               QStringLiteral("--items"), QStringLiteral("30"), QStringLiteral("--hard"),
               QStringLiteral("--sparse"), QStringLiteral("--deep"), QStringLiteral("2000"),
               QStringLiteral("--directorysizes"), QStringLiteral("--manifest"), manifestPath,
               QStringLiteral("-q")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QByteArray trash = QFile::encodeName(dataHome) + "/Trash";
    QFile manifestFile(manifestPath);
    ASSERT_TRUE(manifestFile.open(QIODevice::ReadOnly));
    const QJsonObject manifest = QJsonDocument::fromJson(manifestFile.readAll()).object();

    // Another user's file in a shared sticky folder of an item: it stays, with the folders above.
    QByteArray sticky;
    if (asRoot) {
        sticky = trash + "/files/sticky-share";
        ASSERT_TRUE(makeDirs(sticky + "/common", 01777));
        ASSERT_TRUE(writeFile(sticky + "/common/theirs.txt", "root's"));
        ASSERT_TRUE(writeFile(sticky + "/common/mine.txt", "mine"));
        ASSERT_TRUE(writeFile(sticky + "/beside.txt", "mine"));
        ASSERT_TRUE(writeFile(trash + "/info/sticky-share.trashinfo", info("sticky-share")));
        for (const QByteArray& p : {sticky, sticky + "/common/mine.txt", sticky + "/beside.txt",
                                    trash + "/info/sticky-share.trashinfo"})
            ASSERT_EQ(::lchown(p.constData(), 65534, 65534), 0);
    }

    const QString tool = dir_.path() + QStringLiteral("/trash-purge");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TRASH_PURGE), tool));
    ASSERT_EQ(::chmod(QFile::encodeName(tool).constData(), 0755), 0);
    const test::Run purged = runAs({tool, QFile::decodeName(trash)});
    ASSERT_EQ(purged.exitCode, 0) << purged.err.toStdString();
    QHash<QByteArray, QByteArray> outcomes; // by stored name
    for (const QByteArray& line : purged.out.split('\n'))
        if (const qsizetype tab = line.indexOf('\t'); tab > 0)
            outcomes.insert(QByteArray::fromHex(line.mid(tab + 1)), line.left(tab));

    // Everything with a files/ entry went; the orphan info file stayed as it was.
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        const QByteArray name = storedName(e);
        const QString kase = e[QStringLiteral("case")].toString();
        if (e[QStringLiteral("files")].isNull()) {
            EXPECT_FALSE(outcomes.contains(name));
            EXPECT_TRUE(lstatOf(trash + "/info/" + name + ".trashinfo")) << qPrintable(kase);
            continue;
        }
        EXPECT_EQ(outcomes.value(name), "Removed")
            << qPrintable(kase) << " " << name.toHex().data();
        EXPECT_FALSE(lstatOf(trash + "/files/" + name)) << qPrintable(kase);
        EXPECT_FALSE(lstatOf(trash + "/info/" + name + ".trashinfo")) << qPrintable(kase);
    }
    if (asRoot) {
        EXPECT_EQ(outcomes.value("sticky-share"), "Stayed");
        EXPECT_EQ(readFile(sticky + "/common/theirs.txt"), "root's");
        EXPECT_FALSE(lstatOf(sticky + "/common/mine.txt"));
        EXPECT_FALSE(lstatOf(sticky + "/beside.txt"));
        EXPECT_TRUE(lstatOf(trash + "/info/sticky-share.trashinfo"));
        // Out of the way of trash-list and --verify, which do not know the item.
        run(QStringLiteral("rm"), {QStringLiteral("-rf"), QFile::decodeName(sticky)});
        ASSERT_EQ(::unlink((trash + "/info/sticky-share.trashinfo").constData()), 0);
    }
    // The size cache keeps no line of a removed folder.
    EXPECT_FALSE(readFile(trash + "/directorysizes").contains("deep-tree"));

    // make-trash agrees: every item gone but the orphan info file, the canary untouched.
    const test::Run verified =
        runAs({python, test::makeTrashScript(), QStringLiteral("--verify"),
               QStringLiteral("--manifest"), manifestPath, QStringLiteral("--json")});
    EXPECT_EQ(verified.exitCode, 0) << verified.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(verified.out).object();
    EXPECT_TRUE(report[QStringLiteral("canary_intact")].toBool()) << verified.out.toStdString();
    const QJsonObject counts = report[QStringLiteral("counts")].toObject();
    EXPECT_EQ(counts.keys(), (QStringList{QStringLiteral("gone"), QStringLiteral("intact")}))
        << verified.out.toStdString();
    EXPECT_EQ(counts[QStringLiteral("intact")].toInt(), 1) << verified.out.toStdString();

    // trash-list reads what is left: the orphan info file alone.
    const test::Run listed =
        runAs({QStringLiteral("trash-list")}, {QStringLiteral("XDG_DATA_HOME=") + dataHome});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.err.isEmpty()) << listed.err.toStdString();
    QStringList lines;
    for (const QByteArray& line : listed.out.split('\n'))
        if (!line.isEmpty())
            lines.append(QString::fromUtf8(line));
    ASSERT_EQ(lines.size(), 1) << listed.out.toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("lost-file.pdf"))) << lines[0].toStdString();
}

} // namespace
} // namespace velmora
