// The purge: which rows go, their removal (on several threads when asked), and what it reports.
#pragma once

#include <atomic>
#include <exception>
#include <optional>
#include <vector>

#include "AgeAnalysis.h"
#include "ListRows.h"
#include "RemoveOutcome.h"

namespace velmora {

// Removes the item behind one row. Called from several threads at once when the removal runs
// in parallel, each row at most once.
class ItemRemover {
public:
    virtual ~ItemRemover() = default;
    virtual RemoveOutcome KillItem(int row) = 0;
};

// The rows the purge removes, decided before anything is removed.
struct PurgePlan {
    std::vector<int> rows;     // the qualifying rows, from the first upwards
    std::vector<double> sizes; // their sizes in megabytes
    std::exception_ptr error;  // the conversion error that ended the walk, if any
};

// Computes the cut-off once (its error is thrown at once: no row is read), then walks the rows
// with forEachDeletedBefore: each qualifying row is selected and its size read. A text that
// cannot be read ends the walk there; the rows before it are kept in the plan and the error with
// them, the selection left where the walk put it.
PurgePlan planPurge(ListRows& rows, const CutOffChoice& choice, int dateColumn, int sizeColumn);

// The plan of one row (the item menu's 删除), its size not counted.
PurgePlan rowPlan(int row);

// Shared with the threads of a removal: how far it is, and the request to start no new item.
struct RemovalProgress {
    std::atomic<int> finished{0};
    std::atomic<int> removed{0};
    std::atomic<bool> cancel{false};
};

// The outcome of each row, in the order given; nullopt for a row never started (cancelled).
using RemovalOutcomes = std::vector<std::optional<RemoveOutcome>>;

// Removes the rows through remover on `threads` threads (the calling one among them), taking
// them one at a time in order (runInRowOrder). Once progress->cancel is set no new row is
// started; rows in flight finish. A thread that cannot be started means fewer threads, down to
// the calling one. An exception a removal throws is rethrown once every thread has stopped.
RemovalOutcomes removeRows(const std::vector<int>& rows, ItemRemover& remover, int threads = 1,
                           RemovalProgress* progress = nullptr);

struct PurgeReport {
    int removed = 0;      // items this purge removed
    int stayed = 0;       // qualifying items that could not be removed (or not completely)
    double megabytes = 0; // the sum of the removed items' sizes, rounded to hundredths once
    Text removedMessage; // the first box: "删除文件或文件夹：N项", then "未能删除：N项" when some
                         // stayed
    Text freedMessage;        // the second box: "释放空间：4.71MB"
    Text freedSpace;          // the freed space as that box writes it: "4.71MB"
    RemovalOutcomes outcomes; // of each row of the plan, in its order
};

// Counts the removed items and adds up their sizes in row order, as the analysis adds up the
// same rows, rounding the sum once. Items not there count nowhere.
PurgeReport purgeReport(const PurgePlan& plan, const RemovalOutcomes& outcomes);

// How a removal runs: the window runs it off the GUI thread with its progress window and cancel
// button, the command line on the calling thread.
class RemovalRunner {
public:
    virtual ~RemovalRunner() = default;
    // Removes the rows (never empty) through remover with removeRows, on threads and with a
    // RemovalProgress of the runner's choosing, and returns their outcomes in the order given.
    // An exception a removal throws is rethrown once the removal has stopped.
    virtual RemovalOutcomes run(const std::vector<int>& rows, ItemRemover& remover) = 0;
};

// Runs the removal on the calling thread and threads - 1 helpers, without progress or cancel.
class PlainRemovalRunner final : public RemovalRunner {
public:
    explicit PlainRemovalRunner(int threads = 1) : threads_(threads) {}
    RemovalOutcomes run(const std::vector<int>& rows, ItemRemover& remover) override;

private:
    int threads_;
};

// The one removal call of 清除, the item menu's 删除 and the command line. Removes the plan's rows
// through remover as runner runs them (nothing runs for an empty plan), then either rethrows the
// plan's walk error (the rows before it are removed by then) or returns the report.
PurgeReport removePlan(const PurgePlan& plan, ItemRemover& remover, RemovalRunner& runner);

// planPurge, then removePlan.
PurgeReport purge(ListRows& rows, const CutOffChoice& choice, int dateColumn, int sizeColumn,
                  ItemRemover& remover, RemovalRunner& runner);

} // namespace velmora
