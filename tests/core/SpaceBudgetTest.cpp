// The space budgets: sizes as the command line writes them, the plan over items of known sizes
// and dates, and the removal that reads the free space again as items go.
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <set>

#include "core/SpaceBudget.h"

namespace velmora {
namespace {

constexpr std::uint64_t K = 1024, M = K * K, G = M * K, T = G * K;

// Sizes: powers of 1024, percentages up to 100; everything else refused.
TEST(SpaceSize, ReadsNumbersUnitsAndPercentages) {
    struct Case {
        const char16_t* text;
        bool ok;
        std::uint64_t bytes; // of a size in bytes, or of the percentage of 1 TiB
    };
    const Case cases[] = {
        {u"0", true, 0},
        {u"4096", true, 4096},
        {u"1K", true, K},
        {u"1k", true, K},
        {u"1KB", true, K},
        {u"1KiB", true, K},
        {u"2M", true, 2 * M},
        {u"1G", true, G},
        {u"1.5G", true, G + G / 2},
        {u"3T", true, 3 * T},
        {u".5M", true, M / 2},
        {u"10%", true, T / 10},
        {u"100%", true, T},
        {u"0%", true, 0},
        {u"12.5%", true, T / 8},
        {u"", false, 0},
        {u"12Q", false, 0},
        {u"-1G", false, 0},
        {u"+1G", false, 0},
        {u"150%", false, 0},
        {u"100.1%", false, 0},
        {u"G", false, 0},
        {u"1 G", false, 0},
        {u" 1G", false, 0},
        {u"1G ", false, 0},
        {u"1GG", false, 0},
        {u"1Gb", false, 0},
        {u"1e3", false, 0},
        {u".", false, 0},
        {u"%", false, 0},
        {u"1%%", false, 0},
        {u"5000000T", false, 0}, // beyond any volume, and near the integer's range
        {u"99999999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        SpaceSize size;
        const bool ok = readSpaceSize(c.text, size);
        const std::string shown(c.text, c.text + std::char_traits<char16_t>::length(c.text));
        EXPECT_EQ(ok, c.ok) << shown;
        if (ok && c.ok) {
            EXPECT_EQ(size.resolve(T), c.bytes) << shown;
        }
    }
}

// Volumes of a given size whose free space grows by what the fake remover removes.
class FakeSpace : public VolumeSpace {
public:
    std::uint64_t totalBytes(int volume) override { return total[volume]; }
    std::uint64_t freeBytes(int volume) override {
        std::lock_guard lock(mutex);
        ++reads;
        return free[volume];
    }
    std::map<int, std::uint64_t> total, free;
    int reads = 0;
    std::mutex mutex;
};

// Removes a row and gives its bytes back to its volume (or keeps them, as a file still open
// elsewhere would), recording the order.
class SpaceRemover : public ItemRemover {
public:
    SpaceRemover(FakeSpace& space, const std::vector<BudgetItem>& items)
        : space_(space), items_(items) {}
    RemoveOutcome KillItem(int row) override {
        asked.push_back(row);
        const BudgetItem& item = items_[static_cast<std::size_t>(row)];
        if (stays.count(row))
            return RemoveOutcome::Stayed;
        if (!spaceStaysTaken) {
            std::lock_guard lock(space_.mutex);
            space_.free[item.volume] += item.bytes;
        }
        return RemoveOutcome::Removed;
    }
    std::vector<int> asked;
    std::set<int> stays;
    bool spaceStaysTaken = false;

private:
    FakeSpace& space_;
    const std::vector<BudgetItem>& items_;
};

BudgetItem item(std::uint64_t bytes, TDateTime deleted, int trash = 0, int volume = 0,
                bool taken = false) {
    BudgetItem i;
    i.bytes = bytes;
    i.deleted = deleted;
    i.trash = trash;
    i.volume = volume;
    i.taken = taken;
    return i;
}

std::vector<int> itemsOf(const BudgetPlan& plan, bool expectedOnly = true) {
    std::vector<int> out;
    for (const BudgetEntry& e : plan.entries)
        if (!expectedOnly || e.expected)
            out.push_back(e.item);
    return out;
}

SpaceSize bytes(std::uint64_t n) {
    SpaceSize s;
    s.bytes = n;
    return s;
}

SpaceSize percent(long double p) {
    SpaceSize s;
    s.percent = true;
    s.fraction = p / 100;
    return s;
}

// The oldest items go until the rule holds, ties in list order; an item goes when either the
// age cut-off (taken) or a budget takes it; each trash has its own --max-size, each volume its
// own --min-free.
TEST(SpaceBudget, PlansTheOldestItemsUntilTheRuleHolds) {
    // Two trashes on volume 0 (home, .Trash-0) and one on volume 1; dates out of list order.
    const std::vector<BudgetItem> items = {
        item(4 * M, 30, 0, 0),       // 0
        item(1 * M, 10, 0, 0),       // 1 oldest of trash 0
        item(2 * M, 20, 0, 0),       // 2
        item(3 * M, 20, 0, 0),       // 3 ties with 2: list order
        item(5 * M, 5, 1, 0),        // 4 trash 1
        item(1 * M, 40, 1, 0),       // 5
        item(8 * M, 1, 2, 1),        // 6 volume 1
        item(8 * M, 2, 2, 1),        // 7
        item(1 * M, 50, 0, 0, true), // 8 taken by the age rule already
    };
    struct Case {
        const char* what;
        BudgetRule rule;
        std::uint64_t free0, free1;
        std::vector<int> expected;              // in removal order
        std::map<int, std::uint64_t> shortfall; // volume -> bytes
    };
    BudgetRule none;
    BudgetRule max9M;
    max9M.maxSize = bytes(9 * M);
    BudgetRule max0;
    max0.maxSize = bytes(0);
    BudgetRule maxHuge;
    maxHuge.maxSize = bytes(T);
    BudgetRule maxPercent; // 10% of a 100 MiB volume 0 and of a 160 MiB volume 1
    maxPercent.maxSize = percent(10);
    BudgetRule free12M;
    free12M.minFree = bytes(12 * M);
    BudgetRule freeAll;
    freeAll.minFree = bytes(200 * M);
    BudgetRule both;
    both.maxSize = bytes(9 * M);
    both.minFree = bytes(12 * M);
    const Case cases[] = {
        {"no budget: the items taken only", none, 0, 0, {8}, {}},
        // trash 0 keeps 10M: 1 (1M) leaves 9M; trash 1 keeps 6M; trash 2 16M: 6 goes, 8M left.
        {"--max-size per trash", max9M, 0, 0, {6, 1, 8}, {}},
        {"--max-size 0 empties every trash", max0, 0, 0, {6, 7, 4, 1, 2, 3, 0, 5, 8}, {}},
        {"--max-size larger than every trash", maxHuge, 0, 0, {8}, {}},
        // 10M on volume 0: trash 0 keeps 10M (fits), trash 1 6M; 16M on volume 1: 16M fits.
        {"--max-size as a percentage of the volume", maxPercent, 0, 0, {8}, {}},
        // volume 0 has 5M free + 1M (item 8) = 6M: 4 (5M) gives 11M, 1 (1M) gives 12M.
        // volume 1 has 10M: 6 (8M) gives 18M.
        {"--min-free per volume", free12M, 5 * M, 10 * M, {6, 4, 1, 8}, {}},
        {"--min-free already there", free12M, 12 * M, 12 * M, {8}, {}},
        // everything: volume 0 reaches 0 + 17M, volume 1 16M: the rest is a shortfall.
        {"--min-free beyond an empty trash",
         freeAll,
         0,
         0,
         {6, 7, 4, 1, 2, 3, 0, 5, 8},
         {{0, 200 * M - 17 * M}, {1, 200 * M - 16 * M}}},
        // --max-size takes 6 and 1; volume 0 then expects 0 + 1M + 1M = 2M: 4, 2, 3 (+10M=12M).
        // volume 1 expects 10M + 8M = 18M.
        {"both budgets: either rule takes an item", both, 0, 10 * M, {6, 4, 1, 2, 3, 8}, {}},
    };
    for (const Case& c : cases) {
        FakeSpace space;
        space.total = {{0, 100 * M}, {1, 160 * M}};
        space.free = {{0, c.free0}, {1, c.free1}};
        const BudgetPlan plan = planBudget(items, c.rule, space);
        EXPECT_EQ(itemsOf(plan), c.expected) << c.what;
        EXPECT_EQ(plan.shortfall, c.shortfall) << c.what;
    }
}

std::vector<int> rowsOf(const std::vector<BudgetItem>& items) {
    std::vector<int> rows(items.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<int>(i);
    return rows;
}

std::vector<double> megabytesOf(const std::vector<BudgetItem>& items) {
    std::vector<double> sizes;
    for (const BudgetItem& i : items)
        sizes.push_back(static_cast<double>(i.bytes) / M);
    return sizes;
}

// --min-free reads the free space again before each item: when the space of the items gone
// returns as planned, exactly the expected items go; when it comes back sooner (another program
// freed space) fewer go, and the rest are left, not counted; when it does not come back (a file
// held open elsewhere), the removal goes on to the items not expected, and what is still missing
// is the shortfall.
TEST(SpaceBudget, TheRemovalReadsTheFreeSpaceAgain) {
    const std::vector<BudgetItem> items = {
        item(4 * M, 1), item(4 * M, 2), item(4 * M, 3), item(4 * M, 4), item(4 * M, 5),
    };
    BudgetRule rule;
    rule.minFree = bytes(10 * M);
    struct Case {
        const char* what;
        std::uint64_t freeAtStart;
        std::uint64_t freedByOthers; // added before the removal starts
        bool spaceStaysTaken;
        std::vector<int> asked;
        int removed;
        std::map<int, std::uint64_t> shortfall;
    };
    const Case cases[] = {
        {"the space returns as planned", 2 * M, 0, false, {0, 1}, 2, {}},
        {"another program freed space meanwhile", 2 * M, 4 * M, false, {0}, 1, {}},
        {"the space does not return", 2 * M, 0, true, {0, 1, 2, 3, 4}, 5, {{0, 8 * M}}},
        {"already there", 10 * M, 0, false, {}, 0, {}},
    };
    for (const Case& c : cases) {
        FakeSpace space;
        space.total = {{0, 100 * M}};
        space.free = {{0, c.freeAtStart}};
        const BudgetPlan plan = planBudget(items, rule, space);
        const PurgePlan rows = budgetPurgePlan(plan, rowsOf(items), megabytesOf(items), false);
        space.free[0] += c.freedByOthers;
        SpaceRemover remover(space, items);
        remover.spaceStaysTaken = c.spaceStaysTaken;
        PlainRemovalRunner runner(1);
        const BudgetRemoval removal = removeBudgetPlan(plan, items, rows, remover, runner, space);
        EXPECT_EQ(remover.asked, c.asked) << c.what;
        EXPECT_EQ(removal.report.removed, c.removed) << c.what;
        EXPECT_EQ(removal.report.stayed, 0) << c.what;
        EXPECT_EQ(removal.shortfall, c.shortfall) << c.what;
        // What was left is not an outcome: neither removed nor "not there".
        int left = 0;
        for (const auto& outcome : removal.report.outcomes)
            left += !outcome.has_value();
        EXPECT_EQ(left, static_cast<int>(rows.rows.size() - c.asked.size())) << c.what;
        EXPECT_EQ(removal.report.megabytes, 4.0 * c.removed) << c.what;
    }
}

// The items the age rule or --max-size take are removed whatever the free space, and an item
// that stays is counted as stayed.
TEST(SpaceBudget, ItemsOfOtherRulesGoWhateverTheFreeSpace) {
    const std::vector<BudgetItem> items = {
        item(4 * M, 1, 0, 0, true),
        item(4 * M, 2),
        item(4 * M, 3),
    };
    BudgetRule rule;
    rule.maxSize = bytes(4 * M);
    rule.minFree = bytes(1 * M);
    FakeSpace space;
    space.total = {{0, 100 * M}};
    space.free = {{0, 50 * M}};
    const BudgetPlan plan = planBudget(items, rule, space);
    EXPECT_EQ(itemsOf(plan), (std::vector<int>{0, 1}));
    const PurgePlan rows = budgetPurgePlan(plan, rowsOf(items), megabytesOf(items), false);
    SpaceRemover remover(space, items);
    remover.stays = {1};
    PlainRemovalRunner runner(1);
    const BudgetRemoval removal = removeBudgetPlan(plan, items, rows, remover, runner, space);
    EXPECT_EQ(remover.asked, (std::vector<int>{0, 1}));
    EXPECT_EQ(removal.report.removed, 1);
    EXPECT_EQ(removal.report.stayed, 1);
    EXPECT_TRUE(removal.shortfall.empty());
}

} // namespace
} // namespace velmora
