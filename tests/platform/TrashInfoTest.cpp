// Trash info files read and written without a disk: untidy files, the deletion-date variants
// other programs write, original paths.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "core/DateTime.h"
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

} // namespace
} // namespace velmora
