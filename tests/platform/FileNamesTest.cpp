// File names as bytes carried through text, and their percent-encoding.
#include <gtest/gtest.h>

#include "platform/FileNames.h"

namespace velmora {
namespace {

TEST(FileNamesTest, NamesThatAreNotUtf8SurviveTheTripThroughText) {
    const QByteArray names[] = {
        "plain.txt",
        "中文 名字.txt",
        "caf\xC3\xA9 \xD0\x96 \xF0\x9F\x98\x80.txt", // two, three and four UTF-8 bytes
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
    // A lone surrogate, which no name decodes to, is written as U+FFFD.
    EXPECT_EQ(fileNameToBytes(QString(QChar(0xD800)) + u'x'), "\xEF\xBF\xBDx");
    // Two different byte names never give the same text.
    EXPECT_NE(fileNameFromBytes("caf\xE9"), fileNameFromBytes("caf\xEF\xBF\xBD"));
    EXPECT_EQ(displayTextFromBytes("caf\xE9"), QStringLiteral("caf\uFFFD"));
}

TEST(FileNamesTest, PercentEncodingKeepsOnlyUnreservedBytesAndSlashes) {
    EXPECT_EQ(percentEncode("/a b/~x-y_z.1/%#?&=+中\xFF"),
              "/a%20b/~x-y_z.1/%25%23%3F%26%3D%2B%E4%B8%AD%FF");
    EXPECT_EQ(percentDecode("/a%20b/%e4%B8%ad/%zz/%4"), "/a b/中/%zz/%4");
}

} // namespace
} // namespace velmora
