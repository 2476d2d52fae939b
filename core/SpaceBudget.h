// The space budgets of a purge: how much the trash may take (--max-size) and how much a volume
// must have free (--min-free), planned over the items' sizes and dates, and the removal that
// stops taking items from a volume once it has its free space.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "DateTime.h"
#include "Purge.h"
#include "Text.h"

namespace velmora {

// A size as the command line gives it: bytes, or a percentage of the volume's size.
struct SpaceSize {
    bool percent = false;
    std::uint64_t bytes = 0;  // when !percent
    long double fraction = 0; // when percent: 0 to 1

    // The bytes this size stands for on a volume of volumeBytes.
    std::uint64_t resolve(std::uint64_t volumeBytes) const;
};

// Reads a size: digits with an optional fraction ("1.5"), then optionally K, M, G or T (powers of
// 1024, upper or lower case, an optional trailing "B" or "iB") or "%" (at most 100). A plain
// number is bytes. False for anything else: empty, negative, an unknown unit, too large.
bool readSpaceSize(TextView text, SpaceSize& size);

// One item as the budgets see it.
struct BudgetItem {
    std::uint64_t bytes = 0; // the space it takes on disk
    TDateTime deleted = 0;   // its deletion date
    int trash = 0;           // its trash directory: --max-size holds for each
    int volume = 0;          // the volume of that trash: --min-free holds for each
    bool taken = false;      // taken already by the age cut-off or --all
};

// The space of the volumes, read again each time it is asked for.
class VolumeSpace {
public:
    virtual ~VolumeSpace() = default;
    virtual std::uint64_t totalBytes(int volume) = 0;
    virtual std::uint64_t freeBytes(int volume) = 0;
};

struct BudgetRule {
    std::optional<SpaceSize> maxSize;
    std::optional<SpaceSize> minFree;
};

// Why an item is in the plan.
enum class BudgetReason { Taken, MaxSize, MinFree };

struct BudgetEntry {
    int item = 0; // index into the items given
    BudgetReason reason = BudgetReason::Taken;
    // False for the items --min-free takes only if the space of the items before them does not
    // return as their sizes promise (a dry run does not list them).
    bool expected = true;
};

struct BudgetPlan {
    // Oldest first, ties in the order given (list order).
    std::vector<BudgetEntry> entries;
    // --min-free: the free space each volume must have, in bytes.
    std::map<int, std::uint64_t> minFreeTarget;
    // --min-free: what each volume would still lack with every expected item gone.
    std::map<int, std::uint64_t> shortfall;
};

// The items taken already, then for each trash the oldest items until the rest take at most
// --max-size (of its volume's size for a percentage), then for each volume short of --min-free
// the oldest items of its trashes until the free space and the sizes of the items going reach
// it; the rest of that volume's items follow as not expected. An item goes when any rule takes
// it.
BudgetPlan planBudget(const std::vector<BudgetItem>& items, const BudgetRule& rule,
                      VolumeSpace& space);

// The rows of the plan, in its order, for removePlan: rows[k] is the list row of items[k], and
// sizes[k] its size in megabytes as the list's size text gives it. Entries that are not expected
// are included unless `expectedOnly`.
PurgePlan budgetPurgePlan(const BudgetPlan& plan, const std::vector<int>& rows,
                          const std::vector<double>& sizes, bool expectedOnly);

struct BudgetRemoval {
    PurgeReport report; // outcomes[k] nullopt for an entry left because its volume had the space
    // --min-free: what each volume still lacked when the removal ended.
    std::map<int, std::uint64_t> shortfall;
};

// Removes the plan (budgetPurgePlan of every entry) through removePlan. An entry that --min-free
// took is removed only when its volume, read again just before, still lacks the space; otherwise
// it is left and its outcome is nullopt. Run it on one thread for --min-free, so that no item
// goes while the removal of an older one is still returning its space.
BudgetRemoval removeBudgetPlan(const BudgetPlan& plan, const std::vector<BudgetItem>& items,
                               const PurgePlan& rows, ItemRemover& remover, RemovalRunner& runner,
                               VolumeSpace& space);

} // namespace velmora
