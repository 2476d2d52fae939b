// The item commands of the trash source on real temporary trashes: restore through the held
// descriptors, rename followed by a restore (ours and trash-cli's), and the properties.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TrashFixture.h"
#include "platform/TrashSource.h"

namespace velmora {
namespace {

using test::HandTrash;
using test::lstatOf;
using test::makeDirs;
using test::readFile;
using test::run;
using test::TempTree;
using test::writeFile;

struct Trashes {
    TempTree tree;
    QByteArray root = QFile::encodeName(tree.path());
    QByteArray data = root + "/data";
    QByteArray docs = root + "/docs";
    QByteArray volume = root + "/volume";

    Trashes() { EXPECT_TRUE(makeDirs(data) && makeDirs(docs, 0755) && makeDirs(volume, 0755)); }
    QStringList env() const { return {QStringLiteral("XDG_DATA_HOME=") + fileNameFromBytes(data)}; }
    TrashSourceOptions options() const {
        TrashSourceOptions o;
        o.dataHome = fileNameFromBytes(data);
        o.volumeRoots = QStringList{fileNameFromBytes(volume)};
        return o;
    }
    void trashPut(const QByteArray& path) const {
        const test::Run r = run(QStringLiteral("trash-put"), {fileNameFromBytes(path)}, env());
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    static int row(const TrashSource& source, const QString& name) {
        for (int i = 0; i < source.count(); ++i)
            if (source.displayName(i) == name)
                return i;
        ADD_FAILURE() << "no row " << name.toStdString();
        return -1;
    }
};

TEST(TrashSourceCommandsTest, RestoresHomeAndVolumeItemsAndKeepsTheRows) {
    Trashes t;
    ASSERT_TRUE(writeFile(t.docs + "/home.txt", "home"));
    ASSERT_TRUE(writeFile(t.docs + "/taken.txt", "trashed"));
    t.trashPut(t.docs + "/home.txt");
    t.trashPut(t.docs + "/taken.txt");
    ASSERT_TRUE(writeFile(t.docs + "/taken.txt", "new"));
    const HandTrash volume{t.volume + "/.Trash-" + QByteArray::number(::getuid())};
    ASSERT_TRUE(volume.create());
    ASSERT_TRUE(volume.addFile("v.txt", HandTrash::info("music/v.txt"), "volume"));
    ASSERT_TRUE(volume.addFile("out.txt", HandTrash::info("../out.txt")));
    ASSERT_TRUE(volume.addFile("orphan.bin", QByteArray()));

    TrashSource source(t.options());
    source.enumerate();
    ASSERT_EQ(source.count(), 5);
    struct Case {
        const char* name;
        bool known;
        RestoreOutcome outcome;
    };
    const Case cases[] = {
        {"home.txt", true, RestoreOutcome::Restored},
        {"taken.txt", true, RestoreOutcome::TargetExists},
        {"v.txt", true, RestoreOutcome::Restored},
        {"out.txt", true, RestoreOutcome::InvalidTarget}, // a Path that climbs out
        {"orphan.bin", false, RestoreOutcome::InvalidTarget},
    };
    for (const Case& c : cases) {
        const int row = Trashes::row(source, QString::fromUtf8(c.name));
        EXPECT_EQ(source.hasOriginalPath(row), c.known) << c.name;
        EXPECT_EQ(source.restore(row), c.outcome) << c.name;
    }
    EXPECT_EQ(readFile(t.docs + "/home.txt"), "home");
    EXPECT_EQ(readFile(t.docs + "/taken.txt"), "new");
    EXPECT_EQ(readFile(t.volume + "/music/v.txt"), "volume");
    EXPECT_FALSE(lstatOf(t.root + "/out.txt"));
    // The rows stay until the next enumeration; a second restore finds nothing.
    EXPECT_EQ(source.count(), 5);
    EXPECT_EQ(source.restore(Trashes::row(source, QStringLiteral("home.txt"))),
              RestoreOutcome::NotThere);
    source.enumerate();
    EXPECT_EQ(source.count(), 3);
}

TEST(TrashSourceCommandsTest, ARenamedItemIsRestoredUnderItsNewName) {
    Trashes t;
    ASSERT_TRUE(writeFile(t.docs + "/draft.txt", "ours"));
    ASSERT_TRUE(writeFile(t.docs + "/letter.txt", "trash-cli"));
    t.trashPut(t.docs + "/draft.txt");
    t.trashPut(t.docs + "/letter.txt");
    TrashSource source(t.options());
    source.enumerate();

    // Renamed, then restored in the same enumeration: the rewritten info file is the item's.
    const int draft = Trashes::row(source, QStringLiteral("draft.txt"));
    ASSERT_TRUE(source.rename(draft, QStringLiteral("final.txt")));
    EXPECT_EQ(source.restore(draft), RestoreOutcome::Restored);
    EXPECT_EQ(readFile(t.docs + "/final.txt"), "ours");
    EXPECT_FALSE(lstatOf(t.docs + "/draft.txt"));

    ASSERT_TRUE(source.rename(Trashes::row(source, QStringLiteral("letter.txt")),
                              QStringLiteral("信 100%.txt")));
    const test::Run r = run(QStringLiteral("sh"),
                            {QStringLiteral("-c"), QStringLiteral("echo 0 | trash-restore \"$0\""),
                             fileNameFromBytes(t.docs)},
                            t.env());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(t.docs + "/信 100%.txt"), "trash-cli") << r.out.toStdString();
    EXPECT_FALSE(lstatOf(t.docs + "/letter.txt"));
}

TEST(TrashSourceCommandsTest, ARenameNeverRewritesAnotherItemsInfoFile) {
    Trashes t;
    const HandTrash home{t.data + "/Trash"};
    ASSERT_TRUE(home.create());
    ASSERT_TRUE(home.addFile("a.txt", HandTrash::info("/d/a.txt")));
    TrashSource source(t.options());
    source.enumerate();
    // Another program restored the item and trashed a new one under the same name.
    const QByteArray other = HandTrash::info("/elsewhere/a.txt");
    ASSERT_TRUE(writeFile(home.dir + "/info/new", other));
    ASSERT_EQ(::rename((home.dir + "/info/new").constData(), home.infoFile("a.txt").constData()),
              0);
    EXPECT_FALSE(source.rename(0, QStringLiteral("b.txt")));
    EXPECT_EQ(readFile(home.infoFile("a.txt")), other);
}

TEST(TrashSourceCommandsTest, PropertiesMeasureTheStoredObject) {
    Trashes t;
    const QJsonObject manifest =
        test::makeTrash(fileNameFromBytes(t.data), {QStringLiteral("--items"), QStringLiteral("30"),
                                                    QStringLiteral("--sparse")});
    TrashSource source(t.options());
    source.enumerate();
    QHash<QByteArray, int> rows;
    for (int i = 0; i < source.count(); ++i)
        rows.insert(source.nativePathName(i), i);
    int folders = 0;
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        const int row = rows.value(t.data + "/Trash/files/" + test::storedName(e), -1);
        if (row < 0 || e[QStringLiteral("hard")].toBool())
            continue;
        const ItemProperties p = source.properties(row);
        const std::string what = test::storedName(e).toStdString();
        const QStringList texts = source.details(row);
        EXPECT_EQ(p.name, source.displayName(row)) << what;
        EXPECT_EQ(p.originalFolder, texts[0]) << what;
        EXPECT_EQ(p.deleted, texts[1]) << what;
        EXPECT_EQ(p.size, texts[2]) << what;
        EXPECT_EQ(p.type, texts[3]) << what;
        EXPECT_EQ(p.modified, texts[4]) << what;
        EXPECT_EQ(p.storedPath, source.pathName(row)) << what;
        EXPECT_EQ(p.bytesOnDisk, e[QStringLiteral("disk_bytes")].toInteger()) << what;
        const bool folder = e[QStringLiteral("kind")].toString() == QStringLiteral("dir");
        EXPECT_EQ(p.folder, folder) << what;
        if (!folder) {
            EXPECT_EQ(p.apparentBytes, e[QStringLiteral("apparent_size")].toInteger()) << what;
            continue;
        }
        ++folders;
        EXPECT_EQ(p.apparentBytes, e[QStringLiteral("file_bytes")].toInteger()) << what;
        EXPECT_EQ(p.files, e[QStringLiteral("files_count")].toInteger() +
                               e[QStringLiteral("links_count")].toInteger() +
                               e[QStringLiteral("other_count")].toInteger())
            << what;
        // The manifest counts the item itself among its folders.
        EXPECT_EQ(p.folders, e[QStringLiteral("dirs_count")].toInteger() - 1) << what;
    }
    EXPECT_GT(folders, 0);
}

} // namespace
} // namespace velmora
