// The trash source on real trashes: made by make-trash (normal and untidy), by trash-put and
// gio trash, on temporary volumes, and read as an unprivileged user.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCollator>
#include <QDateTime>
#include <QHash>
#include <QMimeDatabase>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

#include "ScopedFormatSettings.h"
#include "TrashFixture.h"
#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "core/FormatSettings.h"
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
using test::makeTrash;
using test::readFile;
using test::run;
using test::storedName;
using test::writeFile;

// Moments computed with Qt, apart from the source's own conversions.
TDateTime fromQt(const QDateTime& local) {
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(tryEncodeDate(local.date().year(), local.date().month(), local.date().day(), date));
    EXPECT_TRUE(tryEncodeTime(local.time().hour(), local.time().minute(), local.time().second(),
                              local.time().msec(), time));
    return composeDateTime(date, time);
}
TDateTime fromIso(const QString& text) {
    return fromQt(QDateTime::fromString(text, Qt::ISODate));
}
TDateTime fromPosix(const struct timespec& t) {
    return fromQt(QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000));
}
TDateTime truncated(TDateTime value, bool keepSeconds) {
    const DateParts p = decodeDateTime(value);
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(tryEncodeDate(p.year, p.month, p.day, date));
    EXPECT_TRUE(tryEncodeTime(p.hour, p.minute, keepSeconds ? p.second : 0, 0, time));
    return composeDateTime(date, time);
}
TDateTime toMinute(TDateTime value) {
    return truncated(value, false);
}
// What a list text keeps of a moment: minutes, or seconds where the short time format has them
// (the C locale).
TDateTime asListed(TDateTime value) {
    return truncated(value, formatSettings().ShortTimeFormat.find(u's') != Text::npos);
}

QString kiloText(qint64 bytes) {
    return toQString(kilobyteSizeText(bytes));
}

const QString Folder = QStringLiteral("文件夹");

class TrashSourceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    // A source of the temporary data home only.
    TrashSourceOptions options() const { return test::homeTrashOptions(dataHome_); }
    QHash<QByteArray, int> rowsByPath(const TrashSource& source) const {
        QHash<QByteArray, int> rows;
        for (int i = 0; i < source.count(); ++i)
            rows.insert(source.nativePathName(i), i);
        return rows;
    }

    // Every item of a make-trash manifest that has a files/ entry is listed with its texts;
    // items without one are not. sizes: whether disk_bytes is what this user can measure.
    void expectListedAsManifest(TrashSource& source, const QJsonObject& manifest,
                                bool sizes = true) {
        const QByteArray trash = dataHome_ + "/Trash";
        const QHash<QByteArray, int> rows = rowsByPath(source);
        int listed = 0;
        for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
            const QJsonObject e = v.toObject();
            const QByteArray stored = storedName(e);
            const QByteArray path = trash + "/files/" + stored;
            const std::string what = e[QStringLiteral("trash_name")].toString().toStdString();
            if (e[QStringLiteral("files")].isNull()) {
                EXPECT_FALSE(rows.contains(path)) << what;
                continue;
            }
            ++listed;
            ASSERT_TRUE(rows.contains(path)) << what;
            const int i = rows[path];
            const QStringList d = source.details(i);
            ASSERT_EQ(d.size(), 5);
            const bool hasInfo = !e[QStringLiteral("info")].isNull();
            const bool readablePath =
                hasInfo && e[QStringLiteral("case")] != QStringLiteral("garbage");
            const QString original = e[QStringLiteral("original_path")].toString();
            EXPECT_EQ(source.displayName(i),
                      readablePath ? original.section(u'/', -1) : displayTextFromBytes(stored))
                << what;
            EXPECT_EQ(d[0], readablePath ? original.section(u'/', 0, -2) : QString()) << what;

            TDateTime deleted = 0;
            const QByteArray info = trash + "/info/" + stored + ".trashinfo";
            if (!e[QStringLiteral("deletion_date")].isNull())
                deleted = fromIso(e[QStringLiteral("deletion_date")].toString());
            else if (e[QStringLiteral("intended_date")].isString())
                deleted = fromIso(e[QStringLiteral("intended_date")].toString());
            else if (hasInfo) // unreadable or missing: the info file's modification time
                deleted = fromPosix(lstatOf(info)->st_mtim);
            else // an orphan: the time it entered the trash
                deleted = fromPosix(lstatOf(path)->st_ctim);
            EXPECT_NEAR(source.deletionDate(i), deleted, 1e-7) << what;
            EXPECT_EQ(d[1], toQString(listDateTimeText(deleted))) << what;

            const bool folder = e[QStringLiteral("kind")] == QStringLiteral("dir");
            EXPECT_EQ(source.isFolder(i), folder) << what;
            EXPECT_EQ(d[3] == Folder, folder) << what;
            if (sizes) {
                EXPECT_EQ(d[2], kiloText(e[QStringLiteral("disk_bytes")].toInteger())) << what;
            }
            EXPECT_EQ(d[4], toQString(listDateTimeText(fromPosix(lstatOf(path)->st_mtim)))) << what;
            // The path names the real file, whatever bytes its name holds.
            EXPECT_EQ(fileNameToBytes(source.pathName(i)), path) << what;
        }
        EXPECT_EQ(source.count(), listed);
    }

    // Folders first, then names in the locale's natural order; equal names by stored name.
    static void expectSorted(const TrashSource& source, const QLocale& locale) {
        QCollator collator(locale);
        collator.setNumericMode(true);
        for (int i = 1; i < source.count(); ++i) {
            if (source.isFolder(i - 1) != source.isFolder(i)) {
                EXPECT_TRUE(source.isFolder(i - 1)) << i;
                continue;
            }
            const int c = collator.compare(source.displayName(i - 1), source.displayName(i));
            EXPECT_LE(c, 0) << source.displayName(i - 1).toStdString() << " / "
                            << source.displayName(i).toStdString();
        }
    }

    test::TempTree dir_;
    const QByteArray root_ = QFile::encodeName(dir_.path());
    const QByteArray dataHome_ = root_ + "/data";
    test::ScopedFormatSettings settings_{formatSettingsFor(QLocale(QStringLiteral("zh_CN")))};
};

TEST_F(TrashSourceTest, ListsAGeneratedTrashAsItsManifestSays) {
    const QJsonObject manifest = makeTrash(fileNameFromBytes(dataHome_), {"--items", "200"});
    TrashSource source(options());
    source.enumerate();
    expectListedAsManifest(source, manifest);
    expectSorted(source, options().locale);

    QList<QByteArray> order;
    for (int i = 0; i < source.count(); ++i)
        order.append(source.nativePathName(i));
    source.enumerate();
    QList<QByteArray> again;
    for (int i = 0; i < source.count(); ++i)
        again.append(source.nativePathName(i));
    EXPECT_EQ(again, order); // the same order on every re-read
    EXPECT_EQ(source.trashDirectories(), QStringList{fileNameFromBytes(dataHome_ + "/Trash")});
}

TEST_F(TrashSourceTest, ReadsEveryUntidyCaseOfAHardTrash) {
    const QJsonObject manifest =
        makeTrash(fileNameFromBytes(dataHome_), {"--items", "20", "--hard", "--sparse"});
    TrashSource source(options());
    source.enumerate(); // the fifo is never opened, the deep tree and the garbage do not stop it
    expectListedAsManifest(source, manifest, ::geteuid() == 0);

    const QHash<QByteArray, int> rows = rowsByPath(source);
    const QByteArray trash = dataHome_ + "/Trash";
    // The info file without a files/ entry is not listed, and stays.
    EXPECT_FALSE(rows.contains(trash + "/files/lost-file.pdf"));
    EXPECT_TRUE(lstatOf(trash + "/info/lost-file.pdf.trashinfo"));
    // The fifo is described by what it is, not by its name.
    const int pipe = rows.value(trash + "/files/named-pipe", -1);
    ASSERT_GE(pipe, 0);
    EXPECT_EQ(source.details(pipe)[3],
              QMimeDatabase().mimeTypeForName(QStringLiteral("inode/fifo")).comment());
    EXPECT_EQ(source.iconName(rows.value(trash + "/files/deep-tree")), QStringLiteral("folder"));
}

// The permission cases need an ordinary user: root reads every folder.
TEST_F(TrashSourceTest, AnUnprivilegedUserListsWhatItCanRead) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run the listing as user 65534 (setpriv)";
    const QJsonObject manifest =
        makeTrash(fileNameFromBytes(dataHome_), {"--items", "10", "--hard", "--without", "deep"});
    const QByteArray trash = dataHome_ + "/Trash";
    // An info file the user cannot read: listed like an orphan, dated by the info file.
    QByteArray unreadable;
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        if (!e[QStringLiteral("hard")].toBool() &&
            e[QStringLiteral("kind")] == QStringLiteral("file")) {
            unreadable = storedName(e);
            break;
        }
    }
    ASSERT_FALSE(unreadable.isEmpty());
    ASSERT_EQ(::chmod((trash + "/info/" + unreadable + ".trashinfo").constData(), 0), 0);
    // A volume whose trash cannot be read, and one that can, with a relative Path.
    const HandTrash locked{root_ + "/vol1/.Trash-65534"}, open{root_ + "/vol2/.Trash-65534"};
    ASSERT_TRUE(locked.create() && open.create());
    ASSERT_TRUE(locked.addFile("hidden.txt", HandTrash::info("hidden.txt")));
    ASSERT_TRUE(open.addFile("rel.txt", HandTrash::info("sub/rel.txt")));
    run(QStringLiteral("chown"),
        {QStringLiteral("-R"), QStringLiteral("65534:65534"), dir_.path()});
    ASSERT_EQ(::chmod(root_.constData(), 0755), 0);
    ASSERT_EQ(::chmod((locked.dir + "/files").constData(), 0), 0);
    const QByteArray noperm = trash + "/files/project-with-locked-dir";
    qint64 nopermBytes = 0;
    for (const char* part : {"", "/main.c", "/locked"})
        nopermBytes += lstatOf(noperm + part)->st_blocks * 512;

    // A copy of the tool the user can reach: the build tree may lie in a private folder.
    const QString dump = dir_.path() + QStringLiteral("/trash-dump");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TRASH_DUMP), dump));
    ASSERT_EQ(::chmod(QFile::encodeName(dump).constData(), 0755), 0);

    const test::Run r =
        run(QStringLiteral("setpriv"),
            {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
             QStringLiteral("--clear-groups"), dump, QStringLiteral("--data-home"),
             fileNameFromBytes(dataHome_), QStringLiteral("--volume"),
             fileNameFromBytes(root_ + "/vol1"), QStringLiteral("--volume"),
             fileNameFromBytes(root_ + "/vol2"), QStringLiteral("--uid"), QStringLiteral("65534"),
             QStringLiteral("--locale"), QStringLiteral("zh_CN")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QHash<QByteArray, QList<QByteArray>> rows; // by stored path: name, 5 texts, kind
    for (const QByteArray& line : r.out.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 8)
            rows.insert(fields.mid(7).join('\t'), fields.mid(0, 7));
    }
    int expected = 1; // rel.txt
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray())
        expected += v.toObject()[QStringLiteral("files")].isNull() ? 0 : 1;
    EXPECT_EQ(rows.size(), expected);
    EXPECT_FALSE(rows.contains(locked.filesEntry("hidden.txt")));
    ASSERT_TRUE(rows.contains(open.filesEntry("rel.txt")));
    EXPECT_EQ(rows[open.filesEntry("rel.txt")][1], root_ + "/vol2/sub");
    ASSERT_TRUE(rows.contains(noperm));
    EXPECT_EQ(rows[noperm][3], kiloText(nopermBytes).toUtf8());
    ASSERT_TRUE(rows.contains(trash + "/files/" + unreadable));
    EXPECT_EQ(rows[trash + "/files/" + unreadable][0], displayTextFromBytes(unreadable).toUtf8());
    EXPECT_EQ(rows[trash + "/files/" + unreadable][1], "");
    EXPECT_EQ(rows[trash + "/files/" + unreadable][2],
              toQString(listDateTimeText(fromPosix(
                            lstatOf(trash + "/info/" + unreadable + ".trashinfo")->st_mtim)))
                  .toUtf8());
    // The read-only module folders are read whole; their sizes were cached by that user.
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        if (e[QStringLiteral("case")] == QStringLiteral("ro-dirs")) {
            EXPECT_EQ(rows[trash + "/files/" + storedName(e)][3],
                      kiloText(e[QStringLiteral("disk_bytes")].toInteger()).toUtf8());
        }
    }
    EXPECT_EQ(lstatOf(trash + "/directorysizes")->st_uid, 65534u);
}

TEST_F(TrashSourceTest, ListsWhatTrashPutAndGioTrashPutThere) {
    const QByteArray src = root_ + "/src", other = root_ + "/other";
    ASSERT_TRUE(makeDirs(src + "/project dir/sub", 0755) && makeDirs(other, 0755));
    ASSERT_TRUE(writeFile(src + "/report 1.txt", QByteArray(5000, 'r')));
    ASSERT_TRUE(writeFile(src + "/数据 100%.csv", "a,b\n"));
    ASSERT_TRUE(writeFile(src + "/project dir/sub/code.cpp", QByteArray(70000, 'c')));
    ASSERT_TRUE(writeFile(src + "/same.txt", "1") && writeFile(other + "/same.txt", "22"));
    ASSERT_TRUE(makeDirs(dataHome_, 0700));
    const QStringList env{QStringLiteral("XDG_DATA_HOME=") + fileNameFromBytes(dataHome_)};
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    auto path = [](const QByteArray& p) { return fileNameFromBytes(p); };
    EXPECT_EQ(
        run(QStringLiteral("trash-put"),
            {path(src + "/report 1.txt"), path(src + "/project dir"), path(src + "/same.txt")}, env)
            .exitCode,
        0);
    EXPECT_EQ(
        run(QStringLiteral("gio"),
            {QStringLiteral("trash"), path(src + "/数据 100%.csv"), path(other + "/same.txt")}, env)
            .exitCode,
        0);
    const qint64 after = QDateTime::currentSecsSinceEpoch();

    TrashSource source(options());
    source.enumerate();
    ASSERT_EQ(source.count(), 5);
    struct Expected {
        QString name;
        QByteArray folder;
        bool folderItem;
    };
    // Chinese collation puts Han characters before Latin letters.
    const Expected expected[] = {{QStringLiteral("project dir"), src, true},
                                 {QStringLiteral("数据 100%.csv"), src, false},
                                 {QStringLiteral("report 1.txt"), src, false},
                                 {QStringLiteral("same.txt"), src, false},
                                 {QStringLiteral("same.txt"), other, false}};
    QList<Expected> seen;
    for (int i = 0; i < source.count(); ++i) {
        const QStringList d = source.details(i);
        const QByteArray stored =
            source.nativePathName(i).mid(source.nativePathName(i).lastIndexOf('/') + 1);
        seen.append({source.displayName(i), fileNameToBytes(d[0]), source.isFolder(i)});
        // The date the client wrote, which lies between the two moments around the trashing.
        const TrashInfo info =
            parseTrashInfo(readFile(dataHome_ + "/Trash/info/" + stored + ".trashinfo"));
        ASSERT_TRUE(info.hasDate);
        EXPECT_NEAR(source.deletionDate(i), info.deletionDate, 1e-9);
        EXPECT_EQ(d[1], toQString(listDateTimeText(info.deletionDate)));
        EXPECT_GE(info.deletionDate, toMinute(fromQt(QDateTime::fromSecsSinceEpoch(before))));
        EXPECT_LE(info.deletionDate, fromQt(QDateTime::fromSecsSinceEpoch(after + 1)));
        // The size du gives.
        const test::Run du = run(QStringLiteral("du"),
                                 {QStringLiteral("-s"), QStringLiteral("-B1"), source.pathName(i)});
        EXPECT_EQ(d[2], kiloText(du.out.split('\t')[0].toLongLong()));
    }
    ASSERT_EQ(seen.size(), 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(seen[k].name, expected[k].name) << k;
        EXPECT_EQ(seen[k].folderItem, expected[k].folderItem) << k;
    }
    // Equal names: the order of their stored names, each with its own folder.
    EXPECT_EQ(QSet<QByteArray>({seen[3].folder, seen[4].folder}), QSet<QByteArray>({src, other}));
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(seen[k].folder, src) << k;
}

// Listing writes nothing but directorysizes: trash-list sees the same trash afterwards, and
// every other entry keeps its size, times and mode.
TEST_F(TrashSourceTest, ListingChangesNothingButTheSizeCache) {
    // trash-list stops at an info file of binary garbage: that case is left out here.
    makeTrash(fileNameFromBytes(dataHome_), {"--items", "60", "--hard", "--without", "garbage"});
    const QStringList env{QStringLiteral("XDG_DATA_HOME=") + fileNameFromBytes(dataHome_)};
    auto snapshot = [&] {
        const test::Run find =
            run(QStringLiteral("find"),
                {fileNameFromBytes(dataHome_), QStringLiteral("-mindepth"), QStringLiteral("2"),
                 QStringLiteral("-not"), QStringLiteral("-name"), QStringLiteral("directorysizes"),
                 QStringLiteral("-printf"), QStringLiteral("%p %y %s %b %m %i %T@ %C@\\n")});
        QList<QByteArray> lines = find.out.split('\n');
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    auto trashList = [&] {
        QList<QByteArray> lines = run(QStringLiteral("trash-list"), {}, env).out.split('\n');
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    const QList<QByteArray> tree = snapshot(), listed = trashList();
    ASSERT_GT(listed.size(), 60);

    TrashSource source(options());
    source.enumerate();
    for (int i = 0; i < source.count(); ++i)
        source.details(i);
    EXPECT_TRUE(lstatOf(dataHome_ + "/Trash/directorysizes"));
    EXPECT_EQ(trashList(), listed);
    EXPECT_EQ(snapshot(), tree);
}

TEST_F(TrashSourceTest, TheSizeCacheIsReadAndKeptUpToDate) {
    const QJsonObject manifest = makeTrash(fileNameFromBytes(dataHome_), {"--items", "60"});
    const QByteArray trash = dataHome_ + "/Trash", cachePath = trash + "/directorysizes";
    auto loadAll = [&] {
        auto source = std::make_unique<TrashSource>(options());
        source->enumerate();
        for (int i = 0; i < source->count(); ++i)
            source->details(i);
        return source;
    };
    auto sizeOf = [&](TrashSource& source, const QByteArray& stored) {
        const int i = rowsByPath(source).value(trash + "/files/" + stored, -1);
        return i < 0 ? QString() : source.details(i)[2];
    };
    auto infoMtime = [&](const QByteArray& stored) {
        return lstatOf(trash + "/info/" + stored + ".trashinfo")->st_mtim;
    };

    // The first listing measures the folders and writes one entry for each.
    loadAll();
    QHash<QByteArray, DirectorySize> cache = parseDirectorySizes(readFile(cachePath));
    QList<QByteArray> folders;
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        if (e[QStringLiteral("kind")] != QStringLiteral("dir"))
            continue;
        folders.append(storedName(e));
        ASSERT_TRUE(cache.contains(folders.back())) << folders.back().constData();
        EXPECT_EQ(cache[folders.back()].bytes, e[QStringLiteral("disk_bytes")].toInteger());
        EXPECT_EQ(cache[folders.back()].mtime, infoMtime(folders.back()).tv_sec);
    }
    ASSERT_GE(folders.size(), 4);
    EXPECT_EQ(cache.size(), folders.size());

    // Valid entries are taken as they stand, in seconds or in milliseconds, and a cache that
    // needed nothing measured is left alone.
    const struct timespec t1 = infoMtime(folders[1]);
    cache[folders[0]].bytes = 123456789;
    cache[folders[1]] = {222222222, qint64(t1.tv_sec) * 1000 + t1.tv_nsec / 1000000};
    QList<NamedDirectorySize> entries;
    for (auto e = cache.cbegin(); e != cache.cend(); ++e)
        entries.append({e.key(), e.value()});
    ASSERT_TRUE(writeFile(cachePath, directorySizesContent(entries)));
    const ino_t written = lstatOf(cachePath)->st_ino;
    auto source = loadAll();
    EXPECT_EQ(sizeOf(*source, folders[0]), kiloText(123456789));
    EXPECT_EQ(sizeOf(*source, folders[1]), kiloText(222222222));
    EXPECT_EQ(lstatOf(cachePath)->st_ino, written);

    // An entry whose time is not the info file's is measured again; entries of folders that are
    // gone, and broken lines, are dropped when the cache is rewritten.
    cache[folders[2]] = {333, cache[folders[2]].mtime - 1};
    entries.clear();
    for (auto e = cache.cbegin(); e != cache.cend(); ++e)
        entries.append({e.key(), e.value()});
    entries.append({"gone folder", {4096, 1700000000}});
    ASSERT_TRUE(writeFile(cachePath, directorySizesContent(entries) + "broken line\n"));
    source = loadAll();
    const qint64 measured = diskUsage(AT_FDCWD, (trash + "/files/" + folders[2]).constData());
    EXPECT_EQ(sizeOf(*source, folders[2]), kiloText(measured));
    const QByteArray rewritten = readFile(cachePath);
    cache = parseDirectorySizes(rewritten);
    EXPECT_EQ(cache.size(), folders.size());
    EXPECT_EQ(cache[folders[2]].bytes, measured);
    EXPECT_EQ(cache[folders[2]].mtime, infoMtime(folders[2]).tv_sec);
    EXPECT_EQ(cache[folders[0]].bytes, 123456789);
    EXPECT_FALSE(cache.contains("gone folder"));
    EXPECT_FALSE(rewritten.contains("broken"));
    // The temporary file of the rewrite is gone.
    const QStringList left = QDir(fileNameFromBytes(trash))
                                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, (QStringList{QStringLiteral("directorysizes"), QStringLiteral("files"),
                                 QStringLiteral("info")}));
}

TEST_F(TrashSourceTest, SortsFoldersFirstThenNamesNaturally) {
    const HandTrash home{dataHome_ + "/Trash"};
    const QByteArray volume = root_ + "/volume";
    const HandTrash onVolume{volume + "/.Trash-" + QByteArray::number(::getuid())};
    ASSERT_TRUE(home.create() && onVolume.create());
    ASSERT_TRUE(home.addFile("file10.txt", HandTrash::info("/d/file10.txt")));
    ASSERT_TRUE(home.addFile("file2.txt", HandTrash::info("/d/file2.txt")));
    ASSERT_TRUE(home.addFile("File1.txt", HandTrash::info("/d/File1.txt")));
    ASSERT_TRUE(home.addFile("file3.txt", QByteArray())); // an orphan, under its stored name
    ASSERT_TRUE(home.addFolder("zeta", HandTrash::info("/d/zeta")));
    ASSERT_TRUE(home.addFolder("a-1", HandTrash::info("/d/alpha")));
    ASSERT_TRUE(home.addFile("same.txt", HandTrash::info("/d/same.txt")));
    ASSERT_TRUE(home.addFile("same.2.txt", HandTrash::info("/e/same.txt")));
    ASSERT_TRUE(onVolume.addFile("same.txt", HandTrash::info("same.txt")));
    TrashSourceOptions o = options();
    o.scanVolumes = true;
    o.volumeRoots = QStringList{fileNameFromBytes(volume)};
    TrashSource source(o);
    for (int pass = 0; pass < 2; ++pass) {
        source.enumerate();
        QStringList names;
        QList<QByteArray> stored;
        for (int i = 0; i < source.count(); ++i) {
            names.append(source.displayName(i));
            stored.append(source.nativePathName(i));
        }
        EXPECT_EQ(names, (QStringList{"alpha", "zeta", "File1.txt", "file2.txt", "file3.txt",
                                      "file10.txt", "same.txt", "same.txt", "same.txt"}));
        // Equal names: by trash directory (the home trash first), then by stored name.
        EXPECT_EQ(stored.mid(6),
                  (QList<QByteArray>{home.filesEntry("same.2.txt"), home.filesEntry("same.txt"),
                                     onVolume.filesEntry("same.txt")}));
    }
}

TEST_F(TrashSourceTest, VolumeTrashesAreReadFromTheirTopDirectory) {
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray volume = root_ + "/volume";
    const HandTrash home{dataHome_ + "/Trash"}, own{volume + "/.Trash-" + uid},
        shared{volume + "/.Trash/" + uid};
    ASSERT_TRUE(home.create() && own.create() && shared.create());
    ASSERT_EQ(::chmod((volume + "/.Trash").constData(), 01777), 0);
    ASSERT_TRUE(home.addFile("h.txt", HandTrash::info("rel/h.txt")));
    ASSERT_TRUE(own.addFile("a.txt", HandTrash::info("docs/a.txt")));
    ASSERT_TRUE(own.addFile("b.txt", HandTrash::info("/elsewhere/b.txt")));
    ASSERT_TRUE(shared.addFile("c.txt", HandTrash::info("c.txt")));
    TrashSourceOptions o = options();
    o.scanVolumes = true;
    o.volumeRoots = QStringList{fileNameFromBytes(volume), fileNameFromBytes(volume)};
    TrashSource source(o);
    source.enumerate();
    QHash<QString, QString> folders;
    for (int i = 0; i < source.count(); ++i)
        folders.insert(source.displayName(i), source.details(i)[0]);
    EXPECT_EQ(folders.size(), 4);
    EXPECT_EQ(source.count(), 4); // the volume named twice is read once
    EXPECT_EQ(folders[QStringLiteral("h.txt")], fileNameFromBytes(dataHome_ + "/rel"));
    EXPECT_EQ(folders[QStringLiteral("a.txt")], fileNameFromBytes(volume + "/docs"));
    EXPECT_EQ(folders[QStringLiteral("b.txt")], QStringLiteral("/elsewhere"));
    EXPECT_EQ(folders[QStringLiteral("c.txt")], fileNameFromBytes(volume));

    // A home trash that is the volume's trash directory through a link is read once.
    ASSERT_EQ(std::rename((dataHome_ + "/Trash").constData(), (root_ + "/old").constData()), 0);
    ASSERT_EQ(::symlink(own.dir.constData(), (dataHome_ + "/Trash").constData()), 0);
    source.enumerate();
    EXPECT_EQ(source.count(), 3);
    EXPECT_EQ(source.trashDirectories(), (QStringList{fileNameFromBytes(dataHome_ + "/Trash"),
                                                      fileNameFromBytes(shared.dir)}));
}

TEST_F(TrashSourceTest, ATrashDirectoryThatCannotBeReadIsLeftOut) {
    const QByteArray uid = QByteArray::number(::getuid());
    const HandTrash home{dataHome_ + "/Trash"}, broken{root_ + "/v1/.Trash-" + uid},
        noInfo{root_ + "/v2/.Trash-" + uid};
    ASSERT_TRUE(home.create() && makeDirs(broken.dir + "/info") && makeDirs(noInfo.dir + "/files"));
    ASSERT_TRUE(home.addFile("kept.txt", HandTrash::info("/d/kept.txt")));
    ASSERT_TRUE(writeFile(broken.dir + "/files", "files/ is not a folder"));
    ASSERT_TRUE(writeFile(broken.infoFile("x"), HandTrash::info("/d/x")));
    ASSERT_TRUE(noInfo.addFile("stray.bin", QByteArray()));
    TrashSourceOptions o = options();
    o.scanVolumes = true;
    o.volumeRoots = QStringList{fileNameFromBytes(root_ + "/v1"), fileNameFromBytes(root_ + "/v2"),
                                QStringLiteral("/no/such/volume")};
    TrashSource source(o);
    source.enumerate();
    ASSERT_EQ(source.count(), 2);
    EXPECT_EQ(source.displayName(0), QStringLiteral("kept.txt"));
    // Without info/, every entry is an orphan.
    EXPECT_EQ(source.displayName(1), QStringLiteral("stray.bin"));
    EXPECT_EQ(source.details(1)[0], QString());
}

TEST_F(TrashSourceTest, RenameRewritesTheOriginalName) {
    const QByteArray uid = QByteArray::number(::getuid());
    const HandTrash home{dataHome_ + "/Trash"}, volume{root_ + "/v/.Trash-" + uid};
    ASSERT_TRUE(home.create() && volume.create());
    ASSERT_TRUE(home.addFile("old.txt", "[Trash Info]\nPath=/home/u/my%20docs/old.txt\n"
                                        "DeletionDate=2024-03-05T06:07:08\nX-Other=kept?\n"));
    ASSERT_TRUE(home.addFile("undated.txt", "[Trash Info]\nPath=/home/u/undated.txt\n"));
    ASSERT_TRUE(home.addFile("orphan.txt", QByteArray()));
    ASSERT_TRUE(volume.addFile("rel.txt", HandTrash::info("docs/rel.txt")));
    const struct timespec mtime = lstatOf(home.infoFile("old.txt"))->st_mtim;
    TrashSourceOptions o = options();
    o.scanVolumes = true;
    o.volumeRoots = QStringList{fileNameFromBytes(root_ + "/v")};
    TrashSource source(o);
    source.enumerate();
    auto row = [&](const QByteArray& path) { return rowsByPath(source).value(path, -1); };

    const int old = row(home.filesEntry("old.txt"));
    const QByteArray before = readFile(home.infoFile("old.txt"));
    for (const QString& refused :
         {QString(), QStringLiteral("a/b"), QStringLiteral("."), QStringLiteral("..")})
        EXPECT_FALSE(source.rename(old, refused)) << refused.toStdString();
    EXPECT_EQ(readFile(home.infoFile("old.txt")), before);
    EXPECT_FALSE(source.rename(row(home.filesEntry("orphan.txt")), QStringLiteral("x.txt")));

    ASSERT_TRUE(source.rename(old, QStringLiteral("新 名字 100%.txt")));
    EXPECT_EQ(source.displayName(old), QStringLiteral("新 名字 100%.txt"));
    TrashInfo info = parseTrashInfo(readFile(home.infoFile("old.txt")));
    EXPECT_EQ(info.path, "/home/u/my docs/新 名字 100%.txt");
    EXPECT_EQ(readFile(home.infoFile("old.txt")).split('\n').value(2),
              "DeletionDate=2024-03-05T06:07:08");
    const struct timespec after = lstatOf(home.infoFile("old.txt"))->st_mtim;
    EXPECT_EQ(after.tv_sec, mtime.tv_sec); // the directorysizes entry stays valid
    EXPECT_EQ(after.tv_nsec, mtime.tv_nsec);
    const test::Run listed = run(QStringLiteral("trash-list"), {},
                                 {QStringLiteral("XDG_DATA_HOME=") + fileNameFromBytes(dataHome_)});
    EXPECT_TRUE(listed.out.contains("2024-03-05 06:07:08 /home/u/my docs/新 名字 100%.txt"))
        << listed.out.toStdString();

    // A relative Path stays relative; a missing date is written as the one the list shows.
    ASSERT_TRUE(source.rename(row(volume.filesEntry("rel.txt")), QStringLiteral("new.txt")));
    EXPECT_EQ(parseTrashInfo(readFile(volume.infoFile("rel.txt"))).path, "docs/new.txt");
    const int undated = row(home.filesEntry("undated.txt"));
    ASSERT_TRUE(source.rename(undated, QStringLiteral("dated.txt")));
    info = parseTrashInfo(readFile(home.infoFile("undated.txt")));
    ASSERT_TRUE(info.hasDate);
    EXPECT_NEAR(info.deletionDate, source.deletionDate(undated), 1.0 / 86400);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(fileNameFromBytes(home.dir + "/info"))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .size(),
              2);
}

TEST_F(TrashSourceTest, DescribesColumnsAndTypesByNameOnly) {
    TrashSource source(options());
    const QList<ColumnInfo> columns = source.columns();
    QStringList headings;
    for (const ColumnInfo& c : columns) {
        headings.append(c.Caption);
        EXPECT_EQ(c.alignment,
                  c.Caption == QStringLiteral("大小") ? Qt::AlignRight : Qt::AlignLeft);
        EXPECT_GT(c.widthChars, 0);
    }
    EXPECT_EQ(headings,
              (QStringList{"名称", "原位置", "删除日期", "大小", "项目类型", "修改日期"}));

    const HandTrash home{dataHome_ + "/Trash"};
    ASSERT_TRUE(home.create());
    ASSERT_TRUE(home.addFile("a.pdf", HandTrash::info("/d/a.pdf")));
    ASSERT_TRUE(home.addFile("b.xyz12", HandTrash::info("/d/b.xyz12")));
    ASSERT_TRUE(home.addFile("c_noext_q", HandTrash::info("/d/c_noext_q")));
    ASSERT_TRUE(home.addFolder("d.pdf", HandTrash::info("/d/d.pdf")));
    // A fifo named like a song: opening it would hang the listing.
    ASSERT_EQ(::mkfifo(home.filesEntry("song.mp3").constData(), 0600), 0);
    ASSERT_TRUE(writeFile(home.infoFile("song.mp3"), HandTrash::info("/d/song.mp3")));
    source.enumerate();
    QHash<QString, QString> types;
    for (int i = 0; i < source.count(); ++i)
        types.insert(source.displayName(i), source.details(i)[3]);
    const QMimeDatabase mime;
    EXPECT_EQ(types[QStringLiteral("a.pdf")],
              mime.mimeTypeForName(QStringLiteral("application/pdf")).comment());
    EXPECT_EQ(types[QStringLiteral("b.xyz12")], QStringLiteral("XYZ12 文件"));
    EXPECT_EQ(types[QStringLiteral("c_noext_q")], QStringLiteral("文件"));
    EXPECT_EQ(types[QStringLiteral("d.pdf")], Folder);
    EXPECT_EQ(types[QStringLiteral("song.mp3")],
              mime.mimeTypeForName(QStringLiteral("inode/fifo")).comment());
}

// The walks over every row read one column at a time (detailText): each text must be the one
// details() holds, whether it is asked for before the texts are loaded, after, or in between.
TEST_F(TrashSourceTest, EachColumnAloneIsTheTextOfTheWholeRow) {
    makeTrash(fileNameFromBytes(dataHome_), {"--items", "30", "--hard"});
    TrashSource whole(options());
    whole.enumerate();
    TrashSource alone(options());
    alone.enumerate();
    ASSERT_EQ(alone.count(), whole.count());
    // Every column but the size before the texts are loaded; then the size, which loads them,
    // and every column again.
    const std::vector<std::vector<int>> passes{{3, 4, 0, 1}, {2, 3, 4, 0, 1}};
    for (std::size_t pass = 0; pass < passes.size(); ++pass) {
        for (int i = 0; i < whole.count(); ++i) {
            const QStringList texts = whole.details(i);
            ASSERT_EQ(texts.size(), 5);
            for (const int column : passes[pass])
                EXPECT_EQ(alone.detailText(i, column), texts[column])
                    << alone.displayName(i).toStdString() << " column " << column << " pass "
                    << pass;
            EXPECT_EQ(alone.detailText(i, -1), std::nullopt);
            EXPECT_EQ(alone.detailText(i, 5), std::nullopt);
        }
    }
}

// Texts written ahead for every row, on several threads, are those each row gets when it is read.
TEST_F(TrashSourceTest, TextsWrittenAheadAreTheRowsOwn) {
    makeTrash(fileNameFromBytes(dataHome_),
              {"--items", "400", "--hard", "--files-per-dir", "1", "--content", "holes"});
    TrashSource ahead(options());
    ahead.enumerate();
    ahead.loadEveryRow();
    ahead.loadEveryRow(); // twice: the texts already written stay
    TrashSource read(options());
    read.enumerate();
    ASSERT_EQ(ahead.count(), read.count());
    ASSERT_GE(ahead.count(), 400); // enough rows for two threads
    for (int i = 0; i < read.count(); ++i) {
        ASSERT_EQ(ahead.displayName(i), read.displayName(i)) << i;
        EXPECT_EQ(ahead.details(i), read.details(i)) << read.displayName(i).toStdString();
    }
}

// The date and size texts read back through the conversions of the cleaning logic, in every
// locale the program supports.
TEST_F(TrashSourceTest, DatesAndSizesReadBackInEveryLocale) {
    const QJsonObject manifest =
        makeTrash(fileNameFromBytes(dataHome_), {"--items", "40", "--hard"});
    QHash<QByteArray, qint64> diskBytes;
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        diskBytes.insert(dataHome_ + "/Trash/files/" + storedName(e),
                         e[QStringLiteral("disk_bytes")].toInteger());
    }
    for (const char* name : {"zh_CN", "en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ru_RU", "C"}) {
        const QLocale locale(QString::fromLatin1(name));
        const test::ScopedFormatSettings settings(formatSettingsFor(locale));
        TrashSourceOptions o = options();
        o.locale = locale;
        TrashSource source(o);
        source.enumerate();
        ASSERT_GT(source.count(), 40);
        for (int i = 0; i < source.count(); ++i) {
            const QStringList d = source.details(i);
            const std::string what = std::string(name) + ": " + d.join(u'|').toStdString();
            TDateTime deleted = 0, modified = 0;
            double megabytes = 0;
            ASSERT_NO_THROW(deleted = DateTextToDateTime(toText(d[1]))) << what;
            ASSERT_NO_THROW(modified = DateTextToDateTime(toText(d[4]))) << what;
            ASSERT_NO_THROW(megabytes = SizeTextToMB(toText(d[2]))) << what;
            EXPECT_NEAR(deleted, asListed(source.deletionDate(i)), 1e-7) << what;
            const struct timespec mtime = lstatOf(source.nativePathName(i))->st_mtim;
            EXPECT_NEAR(modified, asListed(fromPosix(mtime)), 1e-7) << what;
            if (::geteuid() == 0) {
                EXPECT_EQ(megabytes,
                          std::ceil(double(diskBytes[source.nativePathName(i)]) / 1024) / 1024)
                    << what;
            }
        }
    }
}

} // namespace
} // namespace velmora
