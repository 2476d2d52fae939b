// The space budgets: sizes read from the command line, the plan, and the removal that watches the
// free space.
#include "SpaceBudget.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace velmora {

namespace {

constexpr std::uint64_t LargestSize = std::uint64_t(1) << 62; // 4 EiB: more than any volume

int unitPower(TextView unit) {
    if (unit.empty())
        return 0;
    const char16_t letters[] = {u'K', u'M', u'G', u'T'};
    for (int power = 1; power <= 4; ++power) {
        const char16_t upper = letters[power - 1];
        const char16_t lower = char16_t(upper - u'A' + u'a');
        if (unit[0] != upper && unit[0] != lower)
            continue;
        const TextView rest = unit.substr(1);
        if (rest.empty() || rest == u"B" || rest == u"iB")
            return power;
        return -1;
    }
    return -1;
}

} // namespace

std::uint64_t SpaceSize::resolve(std::uint64_t volumeBytes) const {
    if (!percent)
        return bytes;
    return static_cast<std::uint64_t>(std::floor(static_cast<long double>(volumeBytes) * fraction));
}

bool readSpaceSize(TextView text, SpaceSize& size) {
    std::size_t i = 0;
    long double value = 0;
    bool digits = false;
    while (i < text.size() && isAsciiDigit(text[i])) {
        value = value * 10 + (text[i] - u'0');
        digits = true;
        ++i;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        long double scale = 1;
        while (i < text.size() && isAsciiDigit(text[i])) {
            scale /= 10;
            value += (text[i] - u'0') * scale;
            digits = true;
            ++i;
        }
    }
    if (!digits)
        return false;
    const TextView unit = text.substr(i);
    SpaceSize read;
    if (unit == u"%") {
        if (value > 100)
            return false;
        read.percent = true;
        read.fraction = value / 100;
        size = read;
        return true;
    }
    const int power = unitPower(unit);
    if (power < 0)
        return false;
    const long double bytes = std::floor(value * std::pow(1024.0L, power));
    if (bytes > static_cast<long double>(LargestSize))
        return false;
    read.bytes = static_cast<std::uint64_t>(bytes);
    size = read;
    return true;
}

BudgetPlan planBudget(const std::vector<BudgetItem>& items, const BudgetRule& rule,
                      VolumeSpace& space) {
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return items[a].deleted < items[b].deleted;
    });
    const auto entry = [](std::size_t i, BudgetReason reason, bool expected) {
        return BudgetEntry{static_cast<int>(i), reason, expected};
    };

    std::vector<std::optional<BudgetEntry>> chosen(items.size());
    for (const std::size_t i : order)
        if (items[i].taken)
            chosen[i] = entry(i, BudgetReason::Taken, true);

    BudgetPlan plan;
    if (rule.maxSize) {
        // What each trash keeps once the items taken are gone, then its oldest until it fits.
        std::map<int, std::uint64_t> kept;
        std::map<int, int> volumeOf;
        for (std::size_t i = 0; i < items.size(); ++i) {
            volumeOf[items[i].trash] = items[i].volume;
            if (!chosen[i])
                kept[items[i].trash] += items[i].bytes;
        }
        std::map<int, std::uint64_t> limit;
        for (const auto& [trash, volume] : volumeOf)
            limit[trash] = rule.maxSize->resolve(space.totalBytes(volume));
        for (const std::size_t i : order) {
            const int trash = items[i].trash;
            if (chosen[i] || kept[trash] <= limit[trash])
                continue;
            chosen[i] = entry(i, BudgetReason::MaxSize, true);
            kept[trash] -= items[i].bytes;
        }
    }
    if (rule.minFree) {
        // The space each volume will have: its free space now and the items going already.
        std::map<int, std::uint64_t> expectedFree;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const int volume = items[i].volume;
            if (!plan.minFreeTarget.count(volume)) {
                plan.minFreeTarget[volume] = rule.minFree->resolve(space.totalBytes(volume));
                expectedFree[volume] = space.freeBytes(volume);
            }
            if (chosen[i])
                expectedFree[volume] += items[i].bytes;
        }
        for (const std::size_t i : order) {
            if (chosen[i])
                continue;
            const int volume = items[i].volume;
            const bool expected = expectedFree[volume] < plan.minFreeTarget[volume];
            chosen[i] = entry(i, BudgetReason::MinFree, expected);
            if (expected)
                expectedFree[volume] += items[i].bytes;
        }
        for (const auto& [volume, target] : plan.minFreeTarget)
            if (expectedFree[volume] < target)
                plan.shortfall[volume] = target - expectedFree[volume];
    }
    for (const std::size_t i : order)
        if (chosen[i])
            plan.entries.push_back(*chosen[i]);
    return plan;
}

PurgePlan budgetPurgePlan(const BudgetPlan& plan, const std::vector<int>& rows,
                          const std::vector<double>& sizes, bool expectedOnly) {
    PurgePlan purgePlan;
    for (const BudgetEntry& entry : plan.entries) {
        if (expectedOnly && !entry.expected)
            continue;
        const auto i = static_cast<std::size_t>(entry.item);
        purgePlan.rows.push_back(rows[i]);
        purgePlan.sizes.push_back(sizes[i]);
    }
    return purgePlan;
}

namespace {

// Lets an entry of --min-free through only while its volume still lacks the space.
class FreeSpaceGate final : public ItemRemover {
public:
    FreeSpaceGate(const BudgetPlan& plan, const std::vector<BudgetItem>& items,
                  const PurgePlan& rows, ItemRemover& remover, VolumeSpace& space)
        : plan_(plan), items_(items), remover_(remover), space_(space) {
        for (std::size_t k = 0; k < rows.rows.size() && k < plan.entries.size(); ++k)
            entryOfRow_[rows.rows[k]] = k;
        left_.assign(rows.rows.size(), 0);
    }

    RemoveOutcome KillItem(int row) override {
        const std::size_t k = entryOfRow_.at(row);
        const BudgetEntry& entry = plan_.entries[k];
        if (entry.reason == BudgetReason::MinFree) {
            const int volume = items_[static_cast<std::size_t>(entry.item)].volume;
            if (space_.freeBytes(volume) >= plan_.minFreeTarget.at(volume)) {
                left_[k] = 1; // each row is claimed once: no two threads write one element
                return RemoveOutcome::NotThere;
            }
        }
        return remover_.KillItem(row);
    }

    bool left(std::size_t k) const { return left_[k] != 0; }

private:
    const BudgetPlan& plan_;
    const std::vector<BudgetItem>& items_;
    ItemRemover& remover_;
    VolumeSpace& space_;
    std::map<int, std::size_t> entryOfRow_;
    std::vector<char> left_;
};

} // namespace

BudgetRemoval removeBudgetPlan(const BudgetPlan& plan, const std::vector<BudgetItem>& items,
                               const PurgePlan& rows, ItemRemover& remover, RemovalRunner& runner,
                               VolumeSpace& space) {
    FreeSpaceGate gate(plan, items, rows, remover, space);
    BudgetRemoval removal;
    removal.report = removePlan(rows, gate, runner);
    for (std::size_t k = 0; k < removal.report.outcomes.size(); ++k)
        if (gate.left(k))
            removal.report.outcomes[k].reset();
    for (const auto& [volume, target] : plan.minFreeTarget) {
        const std::uint64_t free = space.freeBytes(volume);
        if (free < target)
            removal.shortfall[volume] = target - free;
    }
    return removal;
}

} // namespace velmora
