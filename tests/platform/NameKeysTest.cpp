// The list's sort keys order names exactly as QCollator does in numeric mode, in every locale.
#include <gtest/gtest.h>

#include <QCollator>
#include <QLocale>

#include <string>
#include <vector>

#include "platform/NameKeys.h"

namespace velmora {
namespace {

int sign(int c) {
    return (c > 0) - (c < 0);
}

TEST(NameKeysTest, KeysOrderEveryPairAsTheCollatorDoes) {
    // Names whose order differs between locales or orders, or that start alike for more than
    // the eight bytes the sort compares first.
    const QString names[] = {
        QString(),
        QStringLiteral(" leading space"),
        QStringLiteral("-dash"),
        QStringLiteral(".hidden"),
        QStringLiteral("_under"),
        QStringLiteral("#hash"),
        QStringLiteral("a"),
        QStringLiteral("A"),
        QStringLiteral("aa"),
        QStringLiteral("Aa"),
        QStringLiteral("å"),
        QStringLiteral("ä"),
        QStringLiteral("z"),
        QStringLiteral("ö"),
        QStringLiteral("ø"),
        QStringLiteral("ß"),
        QStringLiteral("ss"),
        QStringLiteral("café"),
        QStringLiteral("cafe\u0301"),
        QStringLiteral("cafe"),
        QStringLiteral("file2.txt"),
        QStringLiteral("file10.txt"),
        QStringLiteral("file02.txt"),
        QStringLiteral("file 2.txt"),
        QStringLiteral("report-2026-01-09.pdf"),
        QStringLiteral("report-2026-01-10.pdf"),
        QStringLiteral("report-2026-01-10.pdf_1"),
        QStringLiteral("report.2.pdf"),
        QStringLiteral("verylongcommonprefix-a"),
        QStringLiteral("verylongcommonprefix-b"),
        QStringLiteral("verylongcommonprefix"),
        QStringLiteral("中文"),
        QStringLiteral("中文名字"),
        QStringLiteral("项目"),
        QStringLiteral("阿"),
        QStringLiteral("Документы"),
        QStringLiteral("عربي"),
        QStringLiteral("\U0001F600 emoji"),
        QStringLiteral("\U0001D400 math"),
        QStringLiteral("caf\uFFFD"),
        QStringLiteral("ﬁle"),
        QStringLiteral("½"),
        QStringLiteral("١٢"),
        QStringLiteral("12"),
        QStringLiteral("y"),
        QStringLiteral("ch"),
        QStringLiteral("h"),
        QStringLiteral("i"),
        QStringLiteral("ı"),
    };
    const char* const locales[] = {"zh_CN", "en_US", "de_DE", "sv_SE", "da_DK", "lt_LT",
                                   "cs_CZ", "tr_TR", "ja_JP", "ar_EG", "C"};
    for (const char* name : locales) {
        const QLocale locale{QString::fromLatin1(name)};
        QCollator collator(locale);
        collator.setNumericMode(true);
        NameKeyMaker maker(locale);
        std::vector<std::string> bytes;
        std::vector<QCollatorSortKey> expected;
        for (const QString& text : names) {
            bytes.emplace_back();
            maker.append(text, bytes.back());
            expected.push_back(collator.sortKey(text));
        }
        for (std::size_t a = 0; a < bytes.size(); ++a) {
            const NameKey x = nameKey(bytes[a].data(), std::uint32_t(bytes[a].size()));
            for (std::size_t b = 0; b < bytes.size(); ++b) {
                const NameKey y = nameKey(bytes[b].data(), std::uint32_t(bytes[b].size()));
                EXPECT_EQ(sign(compareNameKeys(x, y)), sign(expected[a].compare(expected[b])))
                    << name << ": " << names[a].toStdString() << " / " << names[b].toStdString();
            }
        }
    }
}

} // namespace
} // namespace velmora
