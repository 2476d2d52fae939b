// Tests of the walks over the list: the totals and the age analysis.
#include <gtest/gtest.h>

#include "FakeRows.h"
#include "ScopedFormatSettings.h"
#include "TestHelpers.h"
#include "core/AgeAnalysis.h"
#include "core/Totals.h"

namespace velmora {
namespace {

using test::errorOf;

using test::FakeRows;
using test::ScopedFormatSettings;

// Where the rows below hold their texts: the date, then the size, after the original folder.
constexpr int DateSubItem = 1;
constexpr int SizeSubItem = 2;

// A row as the list shows it: original folder, deletion date, size.
std::vector<Text> row(Text date, Text size) {
    return {u"/home/u", std::move(date), std::move(size)};
}

std::vector<std::vector<Text>> rowsOfSizes(std::initializer_list<Text> sizes) {
    std::vector<std::vector<Text>> rows;
    for (const Text& s : sizes)
        rows.push_back(row(u"2020/1/1 10:00", s));
    return rows;
}

class TotalsAndAnalysisTest : public ::testing::Test {
protected:
    ScopedFormatSettings settings{test::chineseSettings()};
};

TEST_F(TotalsAndAnalysisTest, TotalsCountEveryRowAndRoundOnce) {
    struct Case {
        std::vector<std::vector<Text>> rows;
        double megabytes;
        Text countText, spaceText;
    };
    std::vector<std::vector<Text>> hundredKB(100, row(u"2020/1/1 10:00", u"1 KB"));
    std::vector<std::vector<Text>> hundred4KB(100, row(u"2020/1/1 10:00", u"4 KB"));
    const Case cases[] = {
        {{}, 0, u"0个", u"0MB"},
        {rowsOfSizes({u"512 bytes", u"1.5 GB", u"12 kb"}), 0, u"3个", u"0MB"},
        {rowsOfSizes({u"1,234 KB", u"3.5 MB"}), 4.71, u"2个", u"5MB"},
        {rowsOfSizes({u"128 KB"}), 0.12, u"1个", u"0MB"},
        {rowsOfSizes({u"508 KB", u"4 KB"}), 0.5, u"2个", u"1MB"},
        {rowsOfSizes({u"0.4951 MB"}), 0.5, u"1个", u"0MB"}, // rounded once: 0.4951 is under half
        {hundred4KB, 0.39, u"100个", u"0MB"},
        {rowsOfSizes({u"512 KB"}), 0.5, u"1个", u"1MB"},
        {rowsOfSizes({u"2.5 MB"}), 2.5, u"1个", u"3MB"},
        {rowsOfSizes({u"12 KB ", u"1 MB"}), 1, u"2个", u"1MB"},
        {rowsOfSizes({u"1,234,567.89 MB"}), 1234567.89, u"1个", u"1,234,568MB"},
        {hundredKB, 0.1, u"100个", u"0MB"},
    };
    for (const Case& c : cases) {
        FakeRows rows(c.rows);
        const Totals t = computeTotals(rows, SizeSubItem);
        EXPECT_EQ(t.megabytes, c.megabytes) << toUtf8(c.spaceText);
        EXPECT_EQ(t.countText, c.countText);
        EXPECT_EQ(t.spaceText, c.spaceText);
        // Every row is selected in turn; the last one stays selected.
        ASSERT_EQ(rows.selected.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.selected.size(); ++i)
            EXPECT_EQ(rows.selected[i], static_cast<int>(i));
    }
}

TEST_F(TotalsAndAnalysisTest, TotalsStopAtTheFirstUnreadableRow) {
    struct Case {
        std::vector<std::vector<Text>> rows;
        Text message;
        int selectedLast;
    };
    const Case cases[] = {
        {rowsOfSizes({u"1 MB", u"1.2.3 MB", u"2 MB"}),
         u"'1.2.3' is not a valid floating point value", 1},
        {{row(u"2020/1/1 10:00", u"1 MB"), {u"/home/u", u"2020/1/1 10:00"}},
         u"List index out of bounds (2)",
         1},
    };
    for (const Case& c : cases) {
        FakeRows rows(c.rows);
        EXPECT_EQ(errorOf([&] { computeTotals(rows, SizeSubItem); }), c.message);
        EXPECT_EQ(rows.selected.back(), c.selectedLast);
    }
}

// Today is 27 November 2020 in these cases; 30 days back is 28 October 2020, 00:00.
CutOffChoice byDays(Text days) {
    CutOffChoice choice;
    choice.byDate = false;
    choice.daysText = std::move(days);
    EXPECT_TRUE(tryEncodeDate(2020, 11, 27, choice.today));
    return choice;
}

TEST_F(TotalsAndAnalysisTest, AnalysisCountsAndSumsTheQualifyingRows) {
    const Text old = u"2020/10/27 23:59";
    const Text recent = u"2020/10/28 00:00";
    struct Case {
        const char* what;
        Text days;
        std::vector<std::vector<Text>> rows;
        double megabytes;
        Text message;
        std::vector<int> selected;
    };
    std::vector<std::vector<Text>> hundredKB(100, row(old, u"1 KB"));
    std::vector<int> hundred;
    for (int i = 0; i < 100; ++i)
        hundred.push_back(i);
    const Case cases[] = {
        {"empty list",
         u"60",
         {},
         0,
         u"回收站中有 60 天前删除文件或文件夹：0项\r合计占用空间：0MB",
         {}},
        {"nothing qualifies",
         u"30",
         {row(recent, u"5 MB"), row(u"2020/11/27 08:00", u"1 MB")},
         0,
         u"回收站中有 30 天前删除文件或文件夹：0项\r合计占用空间：0MB",
         {}},
        {"sizes in bytes",
         u"30",
         {row(old, u"512 bytes"), row(recent, u"1 MB"), row(old, u"2 GB")},
         0,
         u"回收站中有 30 天前删除文件或文件夹：2项\r合计占用空间：0MB",
         {0, 2}},
        {"128 KB",
         u"30",
         {row(old, u"128 KB")},
         0.12,
         u"回收站中有 30 天前删除文件或文件夹：1项\r合计占用空间：0MB",
         {0}},
        {"a hundred 1 KB rows", u"30", hundredKB, 0.1,
         u"回收站中有 30 天前删除文件或文件夹：100项\r合计占用空间：0MB", hundred},
        {"1,234 KB and 3.5 MB",
         u"30",
         {row(old, u"1,234 KB"), row(recent, u"9 MB"), row(old, u"3.5 MB")},
         4.71,
         u"回收站中有 30 天前删除文件或文件夹：2项\r合计占用空间：5MB",
         {0, 2}},
        {"blank before the days",
         u" 30",
         {row(old, u"1 MB")},
         1,
         u"回收站中有  30 天前删除文件或文件夹：1项\r合计占用空间：1MB",
         {0}},
        {"hexadecimal days",
         u"$1E",
         {row(old, u"1 MB"), row(recent, u"1 MB")},
         1,
         u"回收站中有 $1E 天前删除文件或文件夹：1项\r合计占用空间：1MB",
         {0}},
        {"unread size of a row that does not qualify",
         u"30",
         {row(recent, u"garbage MB")},
         0,
         u"回收站中有 30 天前删除文件或文件夹：0项\r合计占用空间：0MB",
         {}},
    };
    for (const Case& c : cases) {
        FakeRows rows(c.rows);
        const AgeAnalysis a = analyseAge(rows, byDays(c.days), DateSubItem, SizeSubItem);
        EXPECT_EQ(a.megabytes, c.megabytes) << c.what;
        EXPECT_EQ(a.message, c.message) << c.what;
        EXPECT_EQ(rows.selected, c.selected) << c.what;
    }
}

TEST_F(TotalsAndAnalysisTest, AnalysisByDateNamesThePickedDate) {
    CutOffChoice choice;
    choice.byDate = true;
    ASSERT_TRUE(tryEncodeDate(2020, 10, 28, choice.pickerValue));
    FakeRows rows({row(u"2020/10/28 00:00", u"1 MB"), row(u"2020/10/27 23:59", u"2 MB")});
    const AgeAnalysis a = analyseAge(rows, choice, DateSubItem, SizeSubItem);
    EXPECT_EQ(a.message, u"回收站中有 2020/10/28 前删除文件或文件夹：1项\r合计占用空间：2MB");
    EXPECT_EQ(rows.selected, std::vector<int>{1});
}

TEST_F(TotalsAndAnalysisTest, AnalysisEndsAtAnyUnreadableText) {
    const Text notADate = u"Could not convert variant of type (UnicodeString) into type (Date)";
    struct Case {
        const char* what;
        Text days;
        std::vector<std::vector<Text>> rows;
        Text message;
        std::vector<int> selected;
        int reads;
    };
    const Case cases[] = {
        {"days text",
         u"30 ",
         {row(u"2020/1/1 10:00", u"1 MB")},
         u"''30 '' is not a valid integer value",
         {},
         0},
        {"day count out of range",
         u"2147483647",
         {row(u"2020/1/1 10:00", u"1 MB")},
         u"Overflow: the cut-off falls before 1 January of year 1",
         {},
         0},
        {"date of a row that would not qualify",
         u"30",
         {row(u"2020/1/1 10:00", u"1 MB"), row(u"someday", u"1 MB"),
          row(u"2020/1/2 10:00", u"1 MB")},
         notADate,
         {0},
         3},
        {"size of a qualifying row",
         u"30",
         {row(u"2020/1/1 10:00", u"1,2.3.4 MB")},
         u"'12.3.4' is not a valid floating point value",
         {0},
         2},
        {"missing date column", u"30", {{u"/home/u"}}, u"List index out of bounds (1)", {}, 1},
        {"missing size column of a qualifying row",
         u"30",
         {{u"/home/u", u"2020/1/1 10:00"}},
         u"List index out of bounds (2)",
         {0},
         2},
    };
    for (const Case& c : cases) {
        FakeRows rows(c.rows);
        EXPECT_EQ(errorOf([&] { analyseAge(rows, byDays(c.days), DateSubItem, SizeSubItem); }),
                  c.message)
            << c.what;
        EXPECT_EQ(rows.selected, c.selected) << c.what;
        EXPECT_EQ(rows.reads, c.reads) << c.what;
    }
}

} // namespace
} // namespace velmora
