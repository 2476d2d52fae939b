// Restoring trash items on real temporary trashes: made by trash-put, make-trash and by hand,
// in a home trash, in a volume trash, and to another file system.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>

#include "TrashFixture.h"
#include "platform/ItemRestore.h"

namespace velmora {
namespace {

using test::HandTrash;
using test::lstatOf;
using test::makeDirs;
using test::readFile;
using test::run;
using test::TempTree;
using test::writeFile;

// Reads and writes by the name's bytes, which QFile does not keep when they are not UTF-8.
bool writeBytes(const QByteArray& path, const QByteArray& content) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    const bool ok = fd >= 0 && ::write(fd, content.constData(), std::size_t(content.size())) ==
                                   ssize_t(content.size());
    return fd >= 0 && ::close(fd) == 0 && ok;
}
QByteArray readBytes(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    char buffer[256];
    const ssize_t n = fd < 0 ? -1 : ::read(fd, buffer, sizeof buffer);
    if (fd >= 0)
        ::close(fd);
    return n < 0 ? QByteArray() : QByteArray(buffer, n);
}

TEST(RestoreSegmentsTest, OnlySafePathsGiveSegments) {
    using Segments = QList<QByteArray>;
    struct Case {
        const char* path;
        const char* top; // "" for the home trash
        std::optional<Segments> segments;
    };
    const Case cases[] = {
        {"/home/u/a.txt", "", Segments{"home", "u", "a.txt"}},
        {"/a", "", Segments{"a"}},
        {"a/b", "", std::nullopt}, // the home trash needs an absolute Path
        {"/home/u/../../etc/passwd", "", std::nullopt},
        {"/home/./u", "", std::nullopt},
        {"/home//u", "", std::nullopt},
        {"/home/u/", "", std::nullopt},
        {"/", "", std::nullopt},
        {"..", "/mnt/v", std::nullopt},
        {"docs/../../x", "/mnt/v", std::nullopt},
        {"docs/a", "/mnt/v", Segments{"docs", "a"}},
        {"/mnt/v/docs/a", "/mnt/v", Segments{"docs", "a"}},
        {"/mnt/v/docs/a", "/mnt/v/", Segments{"docs", "a"}},
        {"/mnt/vx/a", "/mnt/v", std::nullopt}, // another folder that begins alike
        {"/mnt/v", "/mnt/v", std::nullopt},
        {"/etc/passwd", "/mnt/v", std::nullopt},
        {"/etc/passwd", "/", Segments{"etc", "passwd"}},
        {"a\xff\xfe/b", "/mnt/v", Segments{"a\xff\xfe", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(restoreSegments(c.path, c.top), c.segments) << c.path << " from " << c.top;
    EXPECT_EQ(restoreSegments(QByteArray("/a\0b", 4), ""), std::nullopt);
}

// A trash directory held as the list holds it, and references to its items.
class HeldTrash {
public:
    explicit HeldTrash(const QByteArray& dir, const QByteArray& topDir = {}) : topDir_(topDir) {
        trash_ = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        files_ = ::openat(trash_, "files", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        info_ = ::openat(trash_, "info", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        EXPECT_GE(files_, 0) << dir.constData();
    }
    ~HeldTrash() {
        for (const int fd : {info_, files_, trash_})
            if (fd >= 0)
                ::close(fd);
    }
    HeldTrash(const HeldTrash&) = delete;
    HeldTrash& operator=(const HeldTrash&) = delete;

    TrashItemRef ref(const QByteArray& stored) const {
        TrashItemRef r;
        r.trashFd = trash_;
        r.filesFd = files_;
        r.infoFd = info_;
        r.stored = stored;
        r.topDir = topDir_;
        struct stat st {};
        EXPECT_EQ(::fstatat(files_, stored.constData(), &st, AT_SYMLINK_NOFOLLOW), 0);
        r.dev = st.st_dev;
        r.ino = st.st_ino;
        const QByteArray info = stored + ".trashinfo";
        if (::fstatat(info_, info.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            r.hasInfo = true;
            r.infoDev = st.st_dev;
            r.infoIno = st.st_ino;
        }
        return r;
    }

private:
    QByteArray topDir_;
    int trash_ = -1, files_ = -1, info_ = -1;
};

// A temporary home: XDG_DATA_HOME for trash-put, and a folder the items come from.
struct Home {
    TempTree tree;
    QByteArray root = QFile::encodeName(tree.path());
    QByteArray data = root + "/data";
    QByteArray trash = data + "/Trash";
    QByteArray docs = root + "/docs";

    Home() {
        EXPECT_TRUE(makeDirs(data));
        EXPECT_TRUE(makeDirs(docs, 0755));
    }
    QStringList env() const { return {QStringLiteral("XDG_DATA_HOME=") + QFile::decodeName(data)}; }
    // Trashes path with trash-put; true when it went into this home's trash.
    bool trashPut(const QByteArray& path) const {
        const test::Run r = run(QStringLiteral("trash-put"), {fileNameFromBytes(path)}, env());
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return r.exitCode == 0 && !lstatOf(path);
    }
    QByteArray trashList() const { return run(QStringLiteral("trash-list"), {}, env()).out; }
    bool inTrash(const QByteArray& stored) const {
        return lstatOf(trash + "/files/" + stored) &&
               lstatOf(trash + "/info/" + stored + ".trashinfo");
    }
};

TEST(ItemRestoreTest, FileComesBackWithContentModeAndTime) {
    Home h;
    const QByteArray path = h.docs + "/report.txt";
    ASSERT_TRUE(writeFile(path, "content"));
    ASSERT_EQ(::chmod(path.constData(), 0640), 0);
    const struct timespec times[2] = {{1600000000, 0}, {1500000000, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    const QByteArray other = h.docs + "/other.txt";
    ASSERT_TRUE(writeFile(other, "o"));
    ASSERT_TRUE(h.trashPut(path));
    ASSERT_TRUE(h.trashPut(other));

    HeldTrash held(h.trash);
    EXPECT_EQ(restoreItem(held.ref("report.txt")), RestoreOutcome::Restored);
    EXPECT_EQ(readFile(path), "content");
    const auto st = lstatOf(path);
    ASSERT_TRUE(st);
    EXPECT_EQ(st->st_mode & 07777, 0640u);
    EXPECT_EQ(st->st_mtim.tv_sec, 1500000000);
    EXPECT_EQ(st->st_mtim.tv_nsec, 123456789);
    EXPECT_FALSE(lstatOf(h.trash + "/files/report.txt"));
    EXPECT_FALSE(lstatOf(h.trash + "/info/report.txt.trashinfo"));
    // trash-cli sees the other item only.
    const QByteArray listed = h.trashList();
    EXPECT_FALSE(listed.contains("report.txt")) << listed.constData();
    EXPECT_TRUE(listed.contains(other)) << listed.constData();
}

TEST(ItemRestoreTest, MissingParentFoldersAreCreated) {
    Home h;
    const QByteArray folder = h.docs + "/a/b";
    ASSERT_TRUE(makeDirs(folder, 0755));
    ASSERT_TRUE(writeFile(folder + "/deep.txt", "deep"));
    ASSERT_TRUE(h.trashPut(folder + "/deep.txt"));
    ASSERT_EQ(::rmdir(folder.constData()), 0);
    ASSERT_EQ(::rmdir((h.docs + "/a").constData()), 0);

    HeldTrash held(h.trash);
    EXPECT_EQ(restoreItem(held.ref("deep.txt")), RestoreOutcome::Restored);
    EXPECT_EQ(readFile(folder + "/deep.txt"), "deep");
    EXPECT_TRUE(S_ISDIR(lstatOf(folder)->st_mode));
    EXPECT_TRUE(h.trashList().isEmpty());
}

TEST(ItemRestoreTest, ExistingTargetIsNeverOverwritten) {
    Home h;
    const QByteArray file = h.docs + "/same.txt";
    const QByteArray folder = h.docs + "/samedir";
    ASSERT_TRUE(writeFile(file, "trashed"));
    ASSERT_TRUE(makeDirs(folder, 0755));
    ASSERT_TRUE(h.trashPut(file));
    ASSERT_TRUE(h.trashPut(folder));
    ASSERT_TRUE(writeFile(file, "new"));
    ASSERT_TRUE(makeDirs(folder, 0755)); // an empty folder: a plain rename would replace it

    // With RENAME_NOREPLACE, and as on a file system without it.
    const RestoreOptions withoutFlag{[](int, const char*, int, const char*, unsigned) {
        errno = EINVAL;
        return -1;
    }};
    for (const RestoreOptions& options : {RestoreOptions{}, withoutFlag}) {
        HeldTrash held(h.trash);
        EXPECT_EQ(restoreItem(held.ref("same.txt"), options), RestoreOutcome::TargetExists);
        EXPECT_EQ(restoreItem(held.ref("samedir"), options), RestoreOutcome::TargetExists);
        EXPECT_EQ(readFile(file), "new");
        EXPECT_TRUE(h.inTrash("same.txt"));
        EXPECT_TRUE(h.inTrash("samedir"));
    }
}

TEST(ItemRestoreTest, WithoutNoReplaceFilesAreLinkedAndFoldersRenamed) {
    Home h;
    ASSERT_TRUE(writeFile(h.docs + "/f.txt", "f"));
    ASSERT_TRUE(makeDirs(h.docs + "/d", 0750));
    ASSERT_TRUE(writeFile(h.docs + "/d/in.txt", "in"));
    ASSERT_TRUE(h.trashPut(h.docs + "/f.txt"));
    ASSERT_TRUE(h.trashPut(h.docs + "/d"));
    int calls = 0;
    const RestoreOptions withoutFlag{[&](int, const char*, int, const char*, unsigned) {
        ++calls;
        errno = EINVAL;
        return -1;
    }};
    HeldTrash held(h.trash);
    const ino_t fileIno = held.ref("f.txt").ino;
    EXPECT_EQ(restoreItem(held.ref("f.txt"), withoutFlag), RestoreOutcome::Restored);
    EXPECT_EQ(restoreItem(held.ref("d"), withoutFlag), RestoreOutcome::Restored);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(lstatOf(h.docs + "/f.txt")->st_ino, fileIno);
    EXPECT_EQ(lstatOf(h.docs + "/f.txt")->st_nlink, 1u);
    EXPECT_EQ(readFile(h.docs + "/d/in.txt"), "in");
    EXPECT_TRUE(h.trashList().isEmpty());
}

TEST(ItemRestoreTest, NameThatIsNotUtf8) {
    Home h;
    const QByteArray path = h.docs + "/caf\xe9 \xff.txt";
    ASSERT_TRUE(writeBytes(path, "latin-1"));
    // trash-put cannot trash such a name; gio can. A glob hands it over byte for byte.
    const test::Run r =
        run(QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec gio trash caf*"),
             QFile::decodeName(h.docs)},
            h.env());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    HeldTrash held(h.trash);
    EXPECT_EQ(restoreItem(held.ref("caf\xe9 \xff.txt")), RestoreOutcome::Restored);
    EXPECT_EQ(readBytes(path), "latin-1");
    EXPECT_TRUE(h.trashList().isEmpty()) << h.trashList().constData();
}

TEST(ItemRestoreTest, UnsafePathsMoveAndCreateNothing) {
    Home h;
    const HandTrash trash{h.trash};
    ASSERT_TRUE(trash.create());
    const QByteArray escape = h.docs + "/a/../../escaped";
    const QByteArray relative = "docs/rel.txt";
    ASSERT_TRUE(trash.addFile("climb", HandTrash::info(percentEncode(escape))));
    ASSERT_TRUE(trash.addFile("rel", HandTrash::info(relative)));
    ASSERT_TRUE(trash.addFile("nopath", "[Trash Info]\nDeletionDate=2024-03-05T06:07:08\n"));
    ASSERT_TRUE(trash.addFile("orphan", QByteArray()));
    HeldTrash held(h.trash);
    for (const char* stored : {"climb", "rel", "nopath", "orphan"})
        EXPECT_EQ(restoreItem(held.ref(stored)), RestoreOutcome::InvalidTarget) << stored;
    EXPECT_FALSE(lstatOf(h.docs + "/a"));
    EXPECT_FALSE(lstatOf(h.root + "/escaped"));
    EXPECT_FALSE(lstatOf(h.data + "/docs"));
    for (const char* stored : {"climb", "rel", "nopath", "orphan"})
        EXPECT_TRUE(lstatOf(trash.filesEntry(stored))) << stored;
}

TEST(ItemRestoreTest, OnlyTheObjectTheListReadIsRestored) {
    Home h;
    ASSERT_TRUE(writeFile(h.docs + "/x.txt", "first"));
    ASSERT_TRUE(h.trashPut(h.docs + "/x.txt"));
    HeldTrash held(h.trash);
    const TrashItemRef listed = held.ref("x.txt");
    // Another program put something new under the same stored name.
    // (Made before the old one goes, so that it cannot get the old one's inode number.)
    ASSERT_TRUE(writeFile(h.trash + "/files/new", "second"));
    ASSERT_EQ(
        ::rename((h.trash + "/files/new").constData(), (h.trash + "/files/x.txt").constData()), 0);
    EXPECT_EQ(restoreItem(listed), RestoreOutcome::NotThere);
    EXPECT_FALSE(lstatOf(h.docs + "/x.txt"));
    EXPECT_TRUE(h.inTrash("x.txt"));
    // And the info file replaced.
    const TrashItemRef second = held.ref("x.txt");
    const QByteArray info = readFile(h.trash + "/info/x.txt.trashinfo");
    ASSERT_TRUE(writeFile(h.trash + "/info/new", info));
    ASSERT_EQ(::rename((h.trash + "/info/new").constData(),
                       (h.trash + "/info/x.txt.trashinfo").constData()),
              0);
    EXPECT_EQ(restoreItem(second), RestoreOutcome::NotThere);
    EXPECT_FALSE(lstatOf(h.docs + "/x.txt"));
}

TEST(ItemRestoreTest, FolderLeavesTheSizeCache) {
    Home h;
    ASSERT_TRUE(makeDirs(h.docs + "/tree/sub", 0755));
    ASSERT_TRUE(writeFile(h.docs + "/tree/sub/f", "1234"));
    ASSERT_TRUE(makeDirs(h.docs + "/kept", 0755));
    ASSERT_TRUE(h.trashPut(h.docs + "/tree"));
    ASSERT_TRUE(h.trashPut(h.docs + "/kept"));
    ASSERT_TRUE(
        writeFile(h.trash + "/directorysizes", "4096 1700000000 tree\n8192 1700000001 kept\n"));
    HeldTrash held(h.trash);
    EXPECT_EQ(restoreItem(held.ref("tree")), RestoreOutcome::Restored);
    EXPECT_EQ(readFile(h.docs + "/tree/sub/f"), "1234");
    EXPECT_EQ(readFile(h.trash + "/directorysizes"), "8192 1700000001 kept\n");
}

TEST(ItemRestoreTest, MakeTrashItemsComeBack) {
    TempTree tree;
    const QString root = tree.path();
    const QJsonObject manifest =
        test::makeTrash(root, {QStringLiteral("--items"), QStringLiteral("12"),
                               QStringLiteral("--orig-home"), root + QStringLiteral("/home")});
    const QByteArray trash = QFile::encodeName(root) + "/Trash";
    HeldTrash held(trash);
    int restored = 0;
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        const QByteArray original = e[QStringLiteral("original_path")].toString().toUtf8();
        const auto before = lstatOf(trash + "/files/" + test::storedName(e));
        ASSERT_TRUE(before);
        const RestoreOutcome outcome = restoreItem(held.ref(test::storedName(e)));
        if (lstatOf(original) && outcome != RestoreOutcome::Restored) {
            // Two items from one place: the first one restored wins.
            EXPECT_EQ(outcome, RestoreOutcome::TargetExists) << original.constData();
            continue;
        }
        ASSERT_EQ(outcome, RestoreOutcome::Restored) << original.constData();
        ++restored;
        const auto after = lstatOf(original);
        ASSERT_TRUE(after);
        EXPECT_EQ(after->st_ino, before->st_ino);
        EXPECT_EQ(after->st_mtim.tv_sec, before->st_mtim.tv_sec);
    }
    EXPECT_GE(restored, 12);
    const QByteArray listed =
        run(QStringLiteral("trash-list"), {}, {QStringLiteral("XDG_DATA_HOME=") + root}).out;
    EXPECT_EQ(listed.count('\n'), manifest[QStringLiteral("items")].toArray().size() - restored);
}

TEST(ItemRestoreTest, VolumeItemLandsBelowItsTopDirectory) {
    TempTree tree;
    const QByteArray top = QFile::encodeName(tree.path()) + "/vol";
    const QByteArray outside = QFile::encodeName(tree.path()) + "/outside";
    const QByteArray trashDir = top + "/.Trash-" + QByteArray::number(::getuid());
    const HandTrash trash{trashDir};
    ASSERT_TRUE(trash.create());
    ASSERT_TRUE(makeDirs(outside));
    ASSERT_EQ(::symlink(outside.constData(), (top + "/link").constData()), 0);
    ASSERT_TRUE(trash.addFile("rel", HandTrash::info("photos/2024/rel.jpg"), "jpg"));
    ASSERT_TRUE(trash.addFile("abs", HandTrash::info(percentEncode(top + "/abs.txt")), "abs"));
    ASSERT_TRUE(trash.addFile("elsewhere", HandTrash::info(outside + "/e.txt")));
    ASSERT_TRUE(trash.addFile("throughlink", HandTrash::info("link/sub/t.txt")));

    HeldTrash held(trashDir, top);
    EXPECT_EQ(restoreItem(held.ref("rel")), RestoreOutcome::Restored);
    EXPECT_EQ(readFile(top + "/photos/2024/rel.jpg"), "jpg");
    EXPECT_EQ(restoreItem(held.ref("abs")), RestoreOutcome::Restored);
    EXPECT_EQ(readFile(top + "/abs.txt"), "abs");
    EXPECT_EQ(restoreItem(held.ref("elsewhere")), RestoreOutcome::InvalidTarget);
    EXPECT_EQ(restoreItem(held.ref("throughlink")), RestoreOutcome::InvalidTarget);
    EXPECT_FALSE(lstatOf(outside + "/e.txt"));
    EXPECT_FALSE(lstatOf(outside + "/sub"));
    EXPECT_TRUE(lstatOf(trash.filesEntry("elsewhere")));

    // A top directory that is not the one holding the trash is refused.
    HeldTrash wrongTop(trashDir, outside);
    EXPECT_EQ(restoreItem(wrongTop.ref("throughlink")), RestoreOutcome::InvalidTarget);
}

TEST(ItemRestoreTest, AcrossFileSystemsTheCopyIsCompleteBeforeTheOriginalGoes) {
    const auto shm = lstatOf("/dev/shm");
    const auto tmp = lstatOf(QFile::encodeName(QDir::tempPath()));
    if (!shm || !tmp || shm->st_dev == tmp->st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    Home h;
    char pattern[] = "/dev/shm/velmora-restore-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const QByteArray other = pattern;
    const HandTrash trash{h.trash};
    ASSERT_TRUE(trash.create());
    // A file, and a folder with a link, a sub-folder and a read-only file.
    ASSERT_TRUE(trash.addFile("file", HandTrash::info(other + "/new/file.txt"), "across"));
    ASSERT_EQ(::chmod(trash.filesEntry("file").constData(), 0604), 0);
    const struct timespec times[2] = {{1600000000, 0}, {1400000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, trash.filesEntry("file").constData(), times, 0), 0);
    ASSERT_TRUE(trash.addFolder("dir", HandTrash::info(other + "/dir")));
    ASSERT_TRUE(makeDirs(trash.filesEntry("dir") + "/sub", 0750));
    ASSERT_TRUE(writeFile(trash.filesEntry("dir") + "/sub/ro.txt", "ro"));
    ASSERT_EQ(::chmod((trash.filesEntry("dir") + "/sub/ro.txt").constData(), 0400), 0);
    ASSERT_EQ(::symlink("sub/ro.txt", (trash.filesEntry("dir") + "/link").constData()), 0);
    ASSERT_EQ(::utimensat(AT_FDCWD, trash.filesEntry("dir").constData(), times, 0), 0);
    // A target that appears on the other file system is not overwritten.
    ASSERT_TRUE(trash.addFile("taken", HandTrash::info(other + "/taken.txt"), "mine"));
    ASSERT_TRUE(writeFile(other + "/taken.txt", "theirs"));

    HeldTrash held(h.trash);
    EXPECT_EQ(restoreItem(held.ref("file")), RestoreOutcome::Restored);
    EXPECT_EQ(readFile(other + "/new/file.txt"), "across");
    EXPECT_EQ(lstatOf(other + "/new/file.txt")->st_mode & 07777, 0604u);
    EXPECT_EQ(lstatOf(other + "/new/file.txt")->st_mtim.tv_sec, 1400000000);
    EXPECT_EQ(restoreItem(held.ref("dir")), RestoreOutcome::Restored);
    EXPECT_EQ(readFile(other + "/dir/sub/ro.txt"), "ro");
    EXPECT_EQ(lstatOf(other + "/dir/sub")->st_mode & 07777, 0750u);
    EXPECT_EQ(lstatOf(other + "/dir")->st_mtim.tv_sec, 1400000000);
    EXPECT_TRUE(S_ISLNK(lstatOf(other + "/dir/link")->st_mode));
    EXPECT_EQ(restoreItem(held.ref("taken")), RestoreOutcome::TargetExists);
    EXPECT_EQ(readFile(other + "/taken.txt"), "theirs");
    EXPECT_FALSE(lstatOf(trash.filesEntry("file")));
    EXPECT_FALSE(lstatOf(trash.filesEntry("dir")));
    EXPECT_FALSE(lstatOf(trash.infoFile("dir")));
    EXPECT_TRUE(lstatOf(trash.filesEntry("taken")));
    run(QStringLiteral("rm"), {QStringLiteral("-rf"), QString::fromUtf8(other)});
}

// 5,000 levels copied to another file system: the copy is iterative and holds a bounded number
// of descriptors (each level's target folder too), so neither the stack nor the descriptor table
// runs out; every level keeps its mode, and the original goes only once the copy is complete.
TEST(ItemRestoreTest, AFolderFiveThousandLevelsDeepIsCopiedAcrossFileSystems) {
    const auto shm = lstatOf("/dev/shm");
    const auto tmp = lstatOf(QFile::encodeName(QDir::tempPath()));
    if (!shm || !tmp || shm->st_dev == tmp->st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    Home h;
    char pattern[] = "/dev/shm/velmora-restore-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const QByteArray other = pattern;
    const HandTrash trash{h.trash};
    ASSERT_TRUE(trash.create());
    ASSERT_TRUE(trash.addFolder("deep", HandTrash::info(other + "/deep")));
    constexpr int Levels = 5000;
    int fd = ::open(trash.filesEntry("deep").constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    for (int level = 0; level < Levels; ++level) {
        ASSERT_EQ(::mkdirat(fd, "level", level % 1000 == 999 ? 0750 : 0755), 0) << level;
        const int next = ::openat(fd, "level", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (level % 1000 == 0) {
            ASSERT_EQ(::close(::openat(next, "file", O_CREAT | O_WRONLY | O_CLOEXEC, 0640)), 0);
        }
        ::close(fd);
        fd = next;
        ASSERT_GE(fd, 0);
    }
    ASSERT_EQ(::symlinkat("../level", fd, "link"), 0);
    ::close(fd);

    // The copy runs in a child process with room for 200 descriptors.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const struct rlimit files = {200, 200};
        if (::setrlimit(RLIMIT_NOFILE, &files) != 0)
            ::_exit(100);
        const HeldTrash held(h.trash);
        ::_exit(int(restoreItem(held.ref("deep"))));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), int(RestoreOutcome::Restored));
    EXPECT_FALSE(lstatOf(trash.filesEntry("deep")));
    EXPECT_FALSE(lstatOf(trash.infoFile("deep")));

    // Walked down again level by level: every folder, file and mode arrived.
    fd = ::open((other + "/deep").constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    int levels = 0;
    for (;;) {
        const int next = ::openat(fd, "level", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (next < 0)
            break;
        struct stat st {};
        ::fstat(next, &st);
        EXPECT_EQ(st.st_mode & 07777, levels % 1000 == 999 ? 0750u : 0755u) << levels;
        if (levels % 1000 == 0) {
            EXPECT_EQ(::fstatat(next, "file", &st, AT_SYMLINK_NOFOLLOW), 0) << levels;
            EXPECT_EQ(st.st_mode & 07777, 0640u) << levels;
        }
        ::close(fd);
        fd = next;
        ++levels;
    }
    struct stat link {};
    EXPECT_EQ(::fstatat(fd, "link", &link, AT_SYMLINK_NOFOLLOW), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    ::close(fd);
    EXPECT_EQ(levels, Levels);
    run(QStringLiteral("chmod"),
        {QStringLiteral("-R"), QStringLiteral("u+rwX"), QString::fromUtf8(other)});
    run(QStringLiteral("rm"), {QStringLiteral("-rf"), QString::fromUtf8(other)});
}

TEST(ItemRestoreTest, AnIncompleteCopyIsRemovedAndTheOriginalKept) {
    const auto shm = lstatOf("/dev/shm");
    const auto tmp = lstatOf(QFile::encodeName(QDir::tempPath()));
    const struct passwd* nobody = ::getpwnam("nobody");
    if (!shm || !tmp || shm->st_dev == tmp->st_dev || ::getuid() != 0 || !nobody)
        GTEST_SKIP() << "needs root, the user nobody and a second file system at /dev/shm";
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    TempTree tree;
    char pattern[] = "/dev/shm/velmora-restore-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const QByteArray other = pattern;
    const QByteArray root = QFile::encodeName(tree.path());
    const HandTrash trash{root + "/Trash"};
    ASSERT_TRUE(trash.create());
    // A folder whose owner cannot read one of its files: its copy cannot be completed.
    ASSERT_TRUE(trash.addFolder("dir", HandTrash::info(other + "/dir")));
    ASSERT_TRUE(writeFile(trash.filesEntry("dir") + "/secret", "s"));
    ASSERT_EQ(::chmod((trash.filesEntry("dir") + "/secret").constData(), 0), 0);
    for (const QByteArray& path : {root, other})
        ASSERT_EQ(run(QStringLiteral("chown"),
                      {QStringLiteral("-R"), QStringLiteral("%1:%2").arg(uid).arg(gid),
                       QString::fromUtf8(path)})
                      .exitCode,
                  0);

    // The restore runs in a child process as that user.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(100);
        const HeldTrash held(trash.dir);
        ::_exit(int(restoreItem(held.ref("dir"))));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), int(RestoreOutcome::Failed));
    EXPECT_FALSE(lstatOf(other + "/dir"));
    EXPECT_EQ(readFile(trash.filesEntry("dir") + "/inside.txt"), "y");
    EXPECT_TRUE(lstatOf(trash.filesEntry("dir") + "/secret"));
    EXPECT_TRUE(lstatOf(trash.infoFile("dir")));
    run(QStringLiteral("rm"), {QStringLiteral("-rf"), QString::fromUtf8(other)});
}

} // namespace
} // namespace velmora
