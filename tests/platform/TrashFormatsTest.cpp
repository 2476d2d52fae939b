// The formats of the trash read without a disk: info files, deletion dates, original paths,
// file names as bytes, size texts, directorysizes lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include <QMimeDatabase>

#include "core/DateTime.h"
#include "platform/DiskUsage.h"
#include "platform/FileNames.h"
#include "platform/FileTypes.h"
#include "platform/TrashInfo.h"

namespace velmora {
namespace {

TDateTime moment(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(tryEncodeDate(y, mo, d, date));
    EXPECT_TRUE(tryEncodeTime(h, mi, s, ms, time));
    return composeDateTime(date, time);
}

// Runs each test in a fixed time zone, so that dates with a zone have a known local time.
class DeletionDateTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        saved_ = tz ? std::optional<std::string>(tz) : std::nullopt;
        ::setenv("TZ", "Asia/Shanghai", 1);
        ::tzset();
    }
    void TearDown() override {
        if (saved_)
            ::setenv("TZ", saved_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> saved_;
};

TEST(TrashInfoTest, ReadsPathAndDateOfUntidyFiles) {
    static const char Garbage[] = "\x00\xff\xfe[Tr\x81sh Inf\xc3\x28]\n\x01=\x02\nPath\xff=/x\n"
                                  "[Trash Info]\x00\n";
    struct Case {
        const char* what;
        QByteArray content;
        bool hasPath;
        QByteArray path;
        bool hasDate;
    };
    const Case cases[] = {
        {"plain", "[Trash Info]\nPath=/home/u/a%20b.txt\nDeletionDate=2024-03-05T06:07:08\n", true,
         "/home/u/a b.txt", true},
        {"CRLF line ends", "[Trash Info]\r\nPath=/x/y\r\nDeletionDate=2024-03-05T06:07:08\r\n",
         true, "/x/y", true},
        {"no header", "Path=/x/y\nDeletionDate=2024-03-05T06:07:08", true, "/x/y", true},
        {"repeated keys: the first wins",
         "[Trash Info]\nPath=/first\nPath=/second\nDeletionDate=2024-03-05T06:07:08\n"
         "DeletionDate=garbage\n",
         true, "/first", true},
        {"blanks around =", "[Trash Info]\nPath = /x/y \nDeletionDate\t=\t2024-03-05T06:07:08\n",
         true, "/x/y", true},
        {"comment, blank line, other keys, reordered",
         "[Trash Info]\n# by some tool\n\nDeletionDate=2024-03-05T06:07:08\nX-Extra=1\nPath=/x/y\n",
         true, "/x/y", true},
        {"keys of another group do not count",
         "[Desktop Entry]\nPath=/wrong\n[Trash Info]\nPath=/x/y\nDeletionDate=2024-03-05T06:07:08\n"
         "[Other]\nDeletionDate=1999-01-01T00:00:00\n",
         true, "/x/y", true},
        {"lower-case and needless escapes", "[Trash Info]\nPath=/%6F%64d/%e4%b8%ad\n", true,
         "/odd/\xE4\xB8\xAD", false},
        {"bytes that are not UTF-8", "[Trash Info]\nPath=/d/caf%E9 %FF\xFE\n", true,
         "/d/caf\xE9 \xFF\xFE", false},
        {"a lone %", "[Trash Info]\nPath=/d/100%\n", true, "/d/100%", false},
        {"empty Path", "[Trash Info]\nPath=\nDeletionDate=2024-03-05T06:07:08\n", false, "", true},
        {"Path with a NUL byte", "[Trash Info]\nPath=/a%00b\n", false, "", false},
        {"empty file", "", false, "", false},
        {"binary garbage", QByteArray(Garbage, sizeof Garbage - 1), false, "", false},
    };
    for (const Case& c : cases) {
        const TrashInfo info = parseTrashInfo(c.content);
        EXPECT_EQ(info.hasPath, c.hasPath) << c.what;
        EXPECT_EQ(info.path, c.path) << c.what;
        EXPECT_EQ(info.hasDate, c.hasDate) << c.what;
    }
}

TEST_F(DeletionDateTest, ReadsTheDeletionDateVariantsOtherProgramsWrite) {
    const TDateTime plain = moment(2026, 7, 22, 20, 39, 51);
    struct Case {
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"2026-07-22T20:39:51", plain},
        {"  2026-07-22T20:39:51  ", plain},
        {"20260722T20:39:51", plain}, // the compact form of the Trash Specification's example
        {"20260722T203951", plain},
        {"2026-07-22 20:39:51", plain},
        {"2026-07-22t20:39:51", plain},
        {"2026-07-22T20:39:51.250", moment(2026, 7, 22, 20, 39, 51, 250)},
        {"2026-07-22T20:39:51,5", moment(2026, 7, 22, 20, 39, 51, 500)},
        {"2026-07-22T20:39:51.123456789", moment(2026, 7, 22, 20, 39, 51, 123)},
        {"2026-07-22T20:39", moment(2026, 7, 22, 20, 39)},
        {"2026-07-22", moment(2026, 7, 22)},
        {"2026-7-2T9:05:00", moment(2026, 7, 2, 9, 5)},
        {"2026-12-31T23:59:60", moment(2026, 12, 31, 23, 59, 59)}, // a leap second
        // With a zone, converted to local time (UTC+8, no daylight saving).
        {"2026-07-22T12:39:51Z", plain},
        {"2026-07-22T12:39:51.250Z", moment(2026, 7, 22, 20, 39, 51, 250)},
        {"2026-07-22T14:39:51+02:00", plain},
        {"2026-07-22T14:39:51+0200", plain},
        {"2026-07-22T14:39:51 +02", plain},
        {"2026-07-22T07:09:51-05:30", plain},
        {"2026-07-22T20:39:51+08:00", plain},
        {"2026-07-22T18:39:51-02:00", moment(2026, 7, 23, 4, 39, 51)}, // crosses midnight
    };
    for (const Case& c : cases) {
        TDateTime read = -1;
        EXPECT_TRUE(parseDeletionDate(c.text, read)) << c.text;
        EXPECT_NEAR(read, c.expected, 1e-9) << c.text;
    }
    const char* const unreadable[] = {
        "",
        "garbage",
        "2025-02-30T12:00:00", // no such day
        "2026-13-01T00:00:00",
        "2026-07-22T24:00:00",
        "2026-07-22T20:60:00",
        "2026-07-22T20:39:51+25:00",
        "2026-07-22T20:39:51 UTC",
        "2026-07-22T",
        "2026-07-22T20:39:51.",
        "22/07/2026 20:39",
        "1721680791", // a POSIX time is not a date
        "10000-01-01T00:00:00",
        "0000-01-01T00:00:00",
    };
    for (const char* text : unreadable) {
        TDateTime read = 0;
        EXPECT_FALSE(parseDeletionDate(text, read)) << text;
    }
}

TEST_F(DeletionDateTest, PosixTimesAreWrittenInLocalTime) {
    TDateTime local = 0;
    ASSERT_TRUE(localDateTimeOf(0, 0, local));
    EXPECT_NEAR(local, moment(1970, 1, 1, 8), 1e-9);
    ASSERT_TRUE(localDateTimeOf(1784723991, 500000000, local)); // 2026-07-22T12:39:51.5Z
    EXPECT_NEAR(local, moment(2026, 7, 22, 20, 39, 51, 500), 1e-9);
}

TEST(TrashInfoTest, SplitsTheOriginalPath) {
    struct Case {
        QByteArray path, top;
        bool ok;
        QByteArray folder, name;
    };
    const Case cases[] = {
        {"/home/u/Documents/a.txt", "/data", true, "/home/u/Documents", "a.txt"},
        {"/a.txt", "/data", true, "/", "a.txt"},
        {"/home/u/dir/", "/data", true, "/home/u", "dir"},
        {"dir/sub/a.txt", "/media/usb", true, "/media/usb/dir/sub", "a.txt"},
        {"a.txt", "/media/usb", true, "/media/usb", "a.txt"},
        {"a.txt", "/", true, "/", "a.txt"},
        {"docs/a.txt", "/", true, "/docs", "a.txt"},
        {"/", "/data", false, "", ""},
        {"/home/u/.", "/data", false, "", ""},
        {"/home/u/..", "/data", false, "", ""},
    };
    for (const Case& c : cases) {
        QByteArrayView name;
        QByteArray folder;
        EXPECT_EQ(splitOriginalPath(c.path, c.top, name, folder), c.ok) << c.path.constData();
        if (c.ok) {
            EXPECT_EQ(folder, c.folder) << c.path.constData();
            EXPECT_EQ(name.toByteArray(), c.name) << c.path.constData();
        }
    }
}

TEST(TrashInfoTest, WritesInfoFilesThatReadBack) {
    const QByteArray path = "/home/u/100% 中 \xE9/#a?b.txt";
    const TDateTime date = moment(2024, 2, 29, 23, 5, 9);
    const QByteArray content = trashInfoContent(path, date);
    EXPECT_EQ(content, "[Trash Info]\nPath=/home/u/100%25%20%E4%B8%AD%20%E9/%23a%3Fb.txt\n"
                       "DeletionDate=2024-02-29T23:05:09\n");
    const TrashInfo info = parseTrashInfo(content);
    EXPECT_EQ(info.path, path);
    EXPECT_NEAR(info.deletionDate, date, 1e-9);
}

TEST(FileNamesTest, NamesThatAreNotUtf8SurviveTheTripThroughText) {
    const QByteArray names[] = {
        "plain.txt",
        "中文 名字.txt",
        "caf\xE9 latin-1 \xFF.txt",
        "\xC3",             // a sequence cut short
        "\xC0\xAF",         // an overlong '/'
        "\xED\xA0\x80",     // an encoded surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xEF\xBF\xBD",     // U+FFFD itself, which is valid
    };
    for (const QByteArray& bytes : names) {
        const QString text = fileNameFromBytes(bytes);
        EXPECT_EQ(fileNameToBytes(text), bytes) << bytes.toHex().constData();
    }
    EXPECT_EQ(fileNameFromBytes("中文"), QStringLiteral("中文"));
    // Two different byte names never give the same text.
    EXPECT_NE(fileNameFromBytes("caf\xE9"), fileNameFromBytes("caf\xEF\xBF\xBD"));
    EXPECT_EQ(displayTextFromBytes("caf\xE9"), QStringLiteral("caf\uFFFD"));
}

TEST(FileNamesTest, PercentEncodingKeepsOnlyUnreservedBytesAndSlashes) {
    EXPECT_EQ(percentEncode("/a b/~x-y_z.1/%#?&=+中\xFF"),
              "/a%20b/~x-y_z.1/%25%23%3F%26%3D%2B%E4%B8%AD%FF");
    EXPECT_EQ(percentDecode("/a%20b/%e4%B8%ad/%zz/%4"), "/a b/中/%zz/%4");
}

TEST(SizeTextTest, KilobytesRoundUpAndGroupDigits) {
    struct Case {
        qint64 bytes;
        const char16_t* text;
    };
    const Case cases[] = {
        {0, u"0 KB"},
        {1, u"1 KB"},
        {1024, u"1 KB"},
        {1025, u"2 KB"},
        {4096, u"4 KB"},
        {999 * 1024, u"999 KB"},
        {1000 * 1024, u"1,000 KB"},
        {1234 * 1024 - 1, u"1,234 KB"},
        {4294967296LL, u"4,194,304 KB"},
        {qint64(1) << 50, u"1,099,511,627,776 KB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kilobyteText(c.bytes), QString::fromUtf16(c.text)) << c.bytes;
}

TEST(DirectorySizesTest, ReadsValidLinesAndWritesThemBack) {
    const QByteArray content = "4096 1700000000 plain\n"
                               "8192 1700000000123 %E4%B8%AD%20dir\r\n"
                               "garbage line\n"
                               "12 34\n"
                               "-5 1700000000 negative\n"
                               "x 1700000000 nosize\n"
                               "1 2 a%2Fb\n"
                               "100 1700000000 plain\n"; // a later line replaces an earlier one
    const auto entries = parseDirectorySizes(content);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries["plain"].bytes, 100);
    EXPECT_EQ(entries["中 dir"].bytes, 8192);

    EXPECT_TRUE(isValidDirectorySize(entries["plain"], 1700000000, 1700000000999));
    EXPECT_FALSE(isValidDirectorySize(entries["plain"], 1700000001, 1700000001000));
    EXPECT_TRUE(isValidDirectorySize(entries["中 dir"], 1700000000, 1700000000123));
    EXPECT_FALSE(isValidDirectorySize(entries["中 dir"], 1700000000, 1700000000124));

    const QByteArray written =
        directorySizesContent({{"a b\n", {1, 2}}, {"\xE9", {3, 4}}, {"plain", {5, 6}}});
    EXPECT_EQ(written, "1 2 a%20b%0A\n3 4 %E9\n5 6 plain\n");
    const auto back = parseDirectorySizes(written);
    EXPECT_EQ(back.size(), 3);
    EXPECT_EQ(back["a b\n"].mtime, 2);
}

// Names that share their extensions share one lookup: that must give what QMimeDatabase gives
// each name, for names that special patterns match too, whichever comes first.
TEST(FileTypesTest, TypesAreThoseOfTheMimeDatabaseByName) {
    const QStringList names = {
        "notes.txt",   "CMakeLists.txt", "notes.txt",  "notes.md",  "README.md", "readme.MD",
        "main.c",      "main.C",         "MAIN.c",     "a.tar.gz",  "b.gz",      "c.TAR.GZ",
        "libx.so",     "libx.so.1",      "page.3",     "backup~",   "file.txt~", "Makefile",
        "makefile.am", "core",           ".bashrc",    "x.qqqzz",   "qqqzz",     "报告.docx",
        "PHOTO.JPG",   "photo.jpg",      "archive.7z", "image.png", "a.b.c.pdf", "trailing.",
    };
    const QMimeDatabase database;
    FileTypes types;
    for (int pass = 0; pass < 2; ++pass) {
        for (const QString& name : names) {
            const QList<QMimeType> matches = database.mimeTypesForFileName(name);
            const qsizetype dot = name.lastIndexOf(u'.');
            const QString extension = dot > 0 ? name.sliced(dot + 1).toUpper() : QString();
            const QString expected = !matches.isEmpty()    ? matches.front().comment()
                                     : extension.isEmpty() ? QStringLiteral("文件")
                                                           : extension + QStringLiteral(" 文件");
            EXPECT_EQ(types[types.forFileName(name)].description, expected) << name.toStdString();
        }
    }
    EXPECT_EQ(types[types.folder()].description, QStringLiteral("文件夹"));
    EXPECT_EQ(types[types.forMimeType(QStringLiteral("inode/fifo"))].description,
              database.mimeTypeForName(QStringLiteral("inode/fifo")).comment());
}

} // namespace
} // namespace velmora
