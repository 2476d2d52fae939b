// The directorysizes cache: its lines read and written.
#include <gtest/gtest.h>

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

} // namespace
} // namespace velmora
