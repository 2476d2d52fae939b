#include <gtest/gtest.h>

#include "FakeFindRows.h"
#include "TestHelpers.h"
#include "core/Search.h"

namespace velmora {
namespace {

using test::errorOf;
using test::FakeFindRows;

// Twelve rows; "hit" on rows 5 and 9.
std::vector<Text> twelveRows() {
    std::vector<Text> names;
    for (int i = 0; i < 12; ++i)
        names.push_back(u"item" + decimalText(i) + (i == 5 || i == 9 ? u"-hit.txt" : u".txt"));
    return names;
}

TEST(SearchTest, NameContains) {
    struct Case {
        Text name, text;
        bool found;
    };
    const Case cases[] = {
        {u"Report.txt", u"Report", true},
        {u"Report.txt", u"report", false}, // letter case counts
        {u"Report.txt", u"REPORT.TXT", false},
        {u"Report.txt", u"port", true}, // inside a word
        {u"Report.txt", u"", false},    // an empty text matches nothing
        {u"", u"", false},
        {u"Report.txt", u"Report.txt.", false},
        {u"报告.txt", u"报告", true},
        {u"\U0001F600.txt", u"\xD83D", true}, // code units: half of a surrogate pair
        {u"caf\u00E9", u"cafe\u0301", false}, // no normalisation
        {u"a*b", u"a?b", false},              // no wildcards
        {u"a*b", u"*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nameContains(c.name, c.text), c.found)
            << toUtf8(c.name) << " / " << toUtf8(c.text);
}

TEST(SearchTest, StartSearchGoesBackToTheTop) {
    FakeFindRows rows(twelveRows());
    int pos = 7;
    startSearch(rows, pos);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(rows.scrolls, std::vector<int>{FakeFindRows::Top});
    EXPECT_TRUE(rows.read.empty());
    EXPECT_TRUE(rows.selected.empty());
}

// Each scenario starts from a new search (position 0) and presses Find Next step after step.
TEST(SearchTest, FindNextSteps) {
    struct Step {
        Text text;
        bool down;
        FindOutcome outcome;
        int selected; // -1: nothing selected
        int scrolled; // lines: down > 0, up < 0
        int posAfter;
        Text error = {};
        int rowsAfter = -1; // the list re-read with this many rows after the step; -1: unchanged
    };
    struct Scenario {
        const char* name;
        std::vector<Text> rows;
        std::vector<Step> steps;
    };
    using O = FindOutcome;
    const Scenario scenarios[] = {
        {"first match on row 0: no scroll",
         {u"apple", u"banana", u"apple pie"},
         {{u"apple", true, O::Found, 0, 0, 1}, {u"apple", true, O::Found, 2, 1, 3}}},
        {"rows 5 then 9, then the end, twice",
         twelveRows(),
         {{u"hit", true, O::Found, 5, 5, 6},
          {u"hit", true, O::Found, 9, 3, 10},
          {u"hit", true, O::EndOfList, -1, 0, 10},
          {u"hit", true, O::EndOfList, -1, 0, 10}}},
        {"direction switched after a match",
         twelveRows(),
         {{u"hit", true, O::Found, 5, 5, 6},
          {u"hit", false, O::Found, 5, -1, 4},
          {u"hit", false, O::EndOfList, -1, 0, 4},
          {u"hit", true, O::Found, 5, 1, 6}}},
        {"upwards over several rows",
         twelveRows(),
         {{u"item9", true, O::Found, 9, 9, 10},
          {u"hit", false, O::Found, 9, -1, 8},
          {u"hit", false, O::Found, 5, -3, 4},
          {u"hit", false, O::EndOfList, -1, 0, 4}}},
        {"an empty text matches nothing",
         twelveRows(),
         {{u"", true, O::EndOfList, -1, 0, 0}, {u"", false, O::EndOfList, -1, 0, 0}}},
        {"a text differing in case only",
         {u"Report.txt"},
         {{u"report", true, O::EndOfList, -1, 0, 0}, {u"Report", true, O::Found, 0, 0, 1}}},
        {"an empty list",
         {},
         {{u"a", true, O::NotSearched, -1, 0, 0},
          {u"a", false, O::NotSearched, -1, 0, 0, u"List index out of bounds (0)"}}},
        {"a match on the last row, then upwards",
         {u"a", u"b", u"c"},
         {{u"c", true, O::Found, 2, 2, 3},
          {u"c", true, O::NotSearched, -1, 0, 3},
          {u"c", false, O::NotSearched, -1, 0, 3, u"List index out of bounds (3)"},
          {u"c", false, O::NotSearched, -1, 0, 3, u"List index out of bounds (3)"}}},
        {"a match on row 0 upwards, then downwards",
         {u"a", u"b", u"c"},
         {{u"a", false, O::Found, 0, 0, -1},
          {u"a", false, O::NotSearched, -1, 0, -1},
          {u"a", true, O::NotSearched, -1, 0, -1, u"List index out of bounds (-1)"}}},
        {"a re-read with fewer rows",
         twelveRows(),
         {{u"item9", true, O::Found, 9, 9, 10, {}, 4},
          {u"hit", true, O::NotSearched, -1, 0, 10},
          {u"hit", false, O::NotSearched, -1, 0, 10, u"List index out of bounds (10)"}}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        FakeFindRows rows(s.rows);
        int pos = 0;
        startSearch(rows, pos);
        int n = 0;
        for (const Step& step : s.steps) {
            SCOPED_TRACE(++n);
            rows.forget();
            FindOutcome outcome = O::NotSearched;
            const Text error =
                errorOf([&] { outcome = findNext(rows, step.text, step.down, pos); });
            EXPECT_EQ(toUtf8(error), toUtf8(step.error.empty() ? u"(no error)" : step.error));
            EXPECT_EQ(outcome, step.outcome);
            EXPECT_EQ(rows.selected,
                      step.selected < 0 ? std::vector<int>{} : std::vector<int>{step.selected});
            EXPECT_EQ(rows.scrolls,
                      step.scrolled == 0 ? std::vector<int>{} : std::vector<int>{step.scrolled});
            EXPECT_EQ(pos, step.posAfter);
            if (step.rowsAfter >= 0)
                rows.names.resize(static_cast<std::size_t>(step.rowsAfter));
        }
    }
}

TEST(SearchTest, RowsTestedInOrder) {
    FakeFindRows rows(twelveRows());
    int pos = 0;
    // Down from 0: rows 0 to 5, stopping at the match.
    findNext(rows, u"hit", true, pos);
    EXPECT_EQ(rows.read, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    // Up from 6: rows 6 and 5.
    rows.forget();
    findNext(rows, u"hit", false, pos);
    EXPECT_EQ(rows.read, (std::vector<int>{6, 5}));
    // Down from 4 without a match: every row up to the last, once.
    rows.forget();
    findNext(rows, u"none", true, pos);
    EXPECT_EQ(rows.read, (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 11}));
}

} // namespace
} // namespace velmora
