// The Recycle Bin through the shell's folder interfaces, under Wine over a trash made by
// make-trash (Wine's shell keeps its Recycle Bin in the freedesktop.org trash under
// XDG_DATA_HOME; the test runs in a Simplified Chinese locale, as test-windows.sh sets it).
#include <gtest/gtest.h>

#include <objbase.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "core/Conversions.h"
#include "core/DetailColumns.h"
#include "core/Errors.h"
#include "platform/win32/RecycleBinFolder.h"
#include "platform/win32/ShellText.h"
#include "platform/win32/WindowsLocale.h"

using namespace velmora;
using namespace velmora::win32;
namespace fs = std::filesystem;

namespace {
Text fromUtf8(const std::string& bytes) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return fromWide(wide.c_str());
}

std::string percentDecoded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The trash folder as Windows sees it: XDG_DATA_HOME on Wine's drive Z:.
fs::path trashFolder() {
    const wchar_t* home = _wgetenv(L"XDG_DATA_HOME");
    std::wstring path = std::wstring(L"Z:") + (home ? home : L"");
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return fs::path(path) / L"Trash";
}

using Row = std::pair<Text, Text>; // name, original folder

// The rows the trash should give: every info file (a make-trash trash without its hard cases has
// a stored object for each), by the name and folder of its Path. Windows names hold no
// backslash and end in no blank: Wine's shell leaves the first out and trims the second.
std::multiset<Row> expectedRows() {
    std::multiset<Row> rows;
    for (const fs::directory_entry& entry : fs::directory_iterator(trashFolder() / L"info")) {
        if (entry.path().extension() != L".trashinfo")
            continue;
        // An info file whose name Windows cannot spell (a backslash: Wine gives it a mangled
        // short name) cannot be opened; its item is one the shell leaves out.
        std::ifstream in(entry.path());
        if (!in)
            continue;
        std::string line, path;
        while (std::getline(in, line))
            if (line.rfind("Path=", 0) == 0 && path.empty())
                path = percentDecoded(line.substr(5));
        const std::size_t slash = path.rfind('/');
        Text name = fromUtf8(path.substr(slash + 1));
        Text folder = u"Z:" + fromUtf8(path.substr(0, slash));
        std::replace(folder.begin(), folder.end(), u'/', u'\\');
        if (name.find(u'\\') != Text::npos)
            continue;
        while (!name.empty() && name.back() == u' ')
            name.pop_back();
        rows.insert({name, folder});
    }
    return rows;
}

class RecycleBinFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};
} // namespace

// The headings as the shell gives them, the name first; the walks find the date and the size
// by them.
TEST_F(RecycleBinFolderTest, HeadingsFindTheDateAndSizeColumns) {
    RecycleBinFolder bin;
    bin.enumerate(nullptr);
    const std::vector<Text> headings = bin.headings();
    ASSERT_GE(headings.size(), 4u);
    EXPECT_EQ(headings[0], u"文件");
    const DetailColumns columns = findDetailColumns(headings);
    EXPECT_NE(headings[std::size_t(columns.date + 1)].find(u"删除日期"), Text::npos);
    EXPECT_NE(headings[std::size_t(columns.size + 1)].find(u"大小"), Text::npos);
    EXPECT_EQ(columns.date, 1);
    EXPECT_EQ(columns.size, 2);
}

// Every item of the trash is one row with its name and original folder; its size and deletion
// date are texts the cleaning logic reads in the user's locale.
TEST_F(RecycleBinFolderTest, ListsEveryItemWithTextsTheConversionsRead) {
    loadUserFormatSettings();
    RecycleBinFolder bin;
    bin.enumerate(nullptr);
    const DetailColumns columns = findDetailColumns(bin.headings());
    std::multiset<Row> rows;
    for (int i = 0; i < bin.itemCount(); ++i) {
        rows.insert({bin.displayName(i), bin.detailText(i, 1)});
        const Text size = bin.detailText(i, columns.size + 1);
        const Text date = bin.detailText(i, columns.date + 1);
        EXPECT_NO_THROW(SizeTextToMB(size)) << i;
        EXPECT_NO_THROW(DateTextToDateTime(date)) << i;
        EXPECT_GE(SizeTextToMB(size), 0.0);
    }
    EXPECT_EQ(rows, expectedRows());
    EXPECT_GT(bin.itemCount(), 30);
}

// Wine's shell gives a bare stored name as the parsing name, never a path: the purge must
// refuse it (the removal's tests show that it does).
TEST_F(RecycleBinFolderTest, ParsingNamesUnderWineAreNoPaths) {
    RecycleBinFolder bin;
    bin.enumerate(nullptr);
    ASSERT_GT(bin.itemCount(), 0);
    for (int i = 0; i < bin.itemCount(); ++i)
        EXPECT_EQ(bin.pathName(i).find(u'\\'), Text::npos) << i;
}

// Two reads give the same order, and each row comes no later than the next by CompareIDs.
TEST_F(RecycleBinFolderTest, OrderIsFixedBetweenReads) {
    RecycleBinFolder bin;
    bin.enumerate(nullptr);
    std::vector<Text> first;
    for (int i = 0; i < bin.itemCount(); ++i)
        first.push_back(bin.displayName(i) + u"|" + bin.detailText(i, 1));
    bin.enumerate(nullptr);
    std::vector<Text> second;
    for (int i = 0; i < bin.itemCount(); ++i)
        second.push_back(bin.displayName(i) + u"|" + bin.detailText(i, 1));
    EXPECT_EQ(first, second);
    for (int i = 0; i + 1 < bin.itemCount(); ++i) {
        if (bin.isFolder(i) != bin.isFolder(i + 1))
            continue;
        const HRESULT order = bin.folder()->CompareIDs(0, bin.relativeId(i), bin.relativeId(i + 1));
        EXPECT_LE(static_cast<short>(HRESULT_CODE(order)), 0) << i;
    }
}

TEST_F(RecycleBinFolderTest, RowsOutsideTheListAreRefused) {
    RecycleBinFolder bin;
    bin.enumerate(nullptr);
    EXPECT_THROW(bin.displayName(bin.itemCount()), ListIndexError);
    EXPECT_THROW(bin.detailText(-1, 1), ListIndexError);
    EXPECT_THROW(bin.detailText(0, int(bin.columns().size())), ListIndexError);
}

// A shell text that begins with "?" and a digit loses every "?"; others keep them.
TEST(ShellTextTest, DateMarks) {
    const struct {
        Text in, out;
    } cases[] = {
        {u"?2020/11/27 ?10:30", u"2020/11/27 10:30"},
        {u"?a?b", u"?a?b"},
        {u"?", u"?"},
        {u"?9", u"9"},
        {u"1?2", u"1?2"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withoutDateMarks(c.in), c.out);
}

// Windows' time formats in the core's letters.
TEST(WindowsLocaleTest, TimeFormats) {
    const struct {
        Text in, out;
    } cases[] = {
        {u"h:mm tt", u"h:mm AP"},
        {u"tt h:mm", u"AP h:mm"},
        {u"H:mm:ss", u"H:mm:ss"},
        {u"h 't' mm t", u"h 't' mm A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(coreTimeFormat(c.in), c.out);
}
