// The directorysizes cache: its lines read and written, the bounds on what a cache from
// untrusted media may cost, and how it is rewritten.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TrashFixture.h"
#include "platform/PosixFiles.h"
#include "platform/SizeCache.h"

namespace velmora {
namespace {

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

// A size no disk holds is not believed (it showed as 9,007,199,254,740,992 KB and was written
// back); 2^53 bytes itself still is.
TEST(DirectorySizesTest, SizesAboveTwoToTheFiftyThirdAreIgnored) {
    const auto entries = parseDirectorySizes("9223372036854775807 1 huge\n"
                                             "9007199254740993 1 above\n"
                                             "9007199254740992 1 limit\n");
    EXPECT_FALSE(entries.contains("huge"));
    EXPECT_FALSE(entries.contains("above"));
    ASSERT_TRUE(entries.contains("limit"));
    EXPECT_EQ(entries["limit"].bytes, MaxDirectorySize);
}

class SizeCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::makeDirs(trash_));
        fd_.reset(::open(trash_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        ASSERT_TRUE(fd_.valid());
    }
    test::TempTree dir_;
    const QByteArray trash_ = QFile::encodeName(dir_.path()) + "/Trash";
    const QByteArray path_ = trash_ + "/directorysizes";
    Fd fd_;
};

// A huge cache on a volume (6.7 million lines for one item took 30 s and 717 MB): only the lines
// a trash of that size can use are read, and a rewrite keeps the entries of listed folders only,
// without looking up the others.
TEST_F(SizeCacheTest, AHugeCacheIsReadOnlyAsFarAsTheTrashCanUseIt) {
    QByteArray content = "100 1700000000 early\n";
    for (int k = 0; k < 300000; ++k)
        content += "4096 1700000000 stale-entry-" + QByteArray::number(k) + "\n";
    content += "200 1700000000 late\n";
    ASSERT_TRUE(test::writeFile(path_, content));
    const struct timespec mtime { 1700000000, 0 };

    SizeCache cache;
    cache.open(fd_.get(), 1);
    EXPECT_EQ(cache.lookUp("early", mtime), 100);
    EXPECT_EQ(cache.lookUp("stale-entry-0", mtime), 4096);
    EXPECT_EQ(cache.lookUp("stale-entry-5000", mtime), std::nullopt);
    EXPECT_EQ(cache.lookUp("late", mtime), std::nullopt);

    cache.record("early", 100, mtime);
    cache.record("measured", 300, mtime);
    cache.markMeasured();
    ASSERT_TRUE(cache.rewrite(fd_.get()));
    EXPECT_EQ(test::readFile(path_), "100 1700000000 early\n300 1700000000 measured\n");
}

// The rewritten cache keeps the mode the file had (0600 when it is new), and the temporary file
// a killed run left is removed when it is ours and older than a minute.
TEST_F(SizeCacheTest, RewritingKeepsTheModeAndRemovesStaleTemporaries) {
    const struct timespec mtime { 1700000000, 0 };
    auto rewrite = [&] {
        SizeCache cache;
        cache.open(fd_.get(), 1);
        cache.record("dir", 4096, mtime);
        cache.markMeasured();
        return cache.rewrite(fd_.get());
    };
    ASSERT_TRUE(rewrite());
    EXPECT_EQ(test::lstatOf(path_)->st_mode & 07777, 0600u);
    ASSERT_EQ(::chmod(path_.constData(), 0644), 0);
    ASSERT_TRUE(rewrite());
    EXPECT_EQ(test::lstatOf(path_)->st_mode & 07777, 0644u);

    struct Leftover {
        QByteArray name;
        qint64 age;
        bool ours;
        bool removed;
    };
    const Leftover leftovers[] = {
        {".velmora-old", 3600, true, true},
        {".velmora-fresh", 10, true, false},
        {".velmora-other", 3600, false, false},
        {"unrelated-old", 3600, true, false},
    };
    for (const Leftover& l : leftovers) {
        const QByteArray path = trash_ + "/" + l.name;
        ASSERT_TRUE(test::writeFile(path, "1 2 x\n"));
        const struct timespec times[2] = {{::time(nullptr) - l.age, 0},
                                          {::time(nullptr) - l.age, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
        if (!l.ours && ::geteuid() == 0) {
            ASSERT_EQ(::chown(path.constData(), 65534, 65534), 0);
        }
    }
    ASSERT_TRUE(rewrite());
    for (const Leftover& l : leftovers) {
        if (!l.ours && ::geteuid() != 0)
            continue; // only root can plant another user's file
        EXPECT_EQ(!test::lstatOf(trash_ + "/" + l.name), l.removed) << l.name.constData();
    }
}

} // namespace
} // namespace velmora
