// The purge: which rows go, their removal, and what it reports.
#include "Purge.h"

#include "Conversions.h"
#include "NumberRules.h"
#include "RunInRowOrder.h"
#include "Translate.h"

namespace velmora {

PurgePlan planPurge(ListRows& rows, const CutOffChoice& choice, int dateColumn, int sizeColumn) {
    const TDateTime cutOff =
        AgeCutOff(choice.byDate, choice.pickerValue, choice.daysText, choice.today);
    PurgePlan plan;
    try {
        forEachDeletedBefore(rows, cutOff, dateColumn, sizeColumn, [&](int row, double megabytes) {
            plan.rows.push_back(row);
            plan.sizes.push_back(megabytes);
        });
    } catch (...) {
        plan.error = std::current_exception();
    }
    return plan;
}

RemovalOutcomes removeRows(const std::vector<int>& rows, ItemRemover& remover, int threads,
                           RemovalProgress* progress) {
    RemovalOutcomes outcomes(rows.size());
    runInRowOrder(
        rows.size(), threads,
        [&](std::size_t i) {
            const RemoveOutcome outcome = remover.KillItem(rows[i]);
            outcomes[i] = outcome;
            if (progress) {
                if (outcome == RemoveOutcome::Removed)
                    progress->removed.fetch_add(1);
                progress->finished.fetch_add(1);
            }
        },
        progress ? &progress->cancel : nullptr);
    return outcomes;
}

PurgeReport purgeReport(const PurgePlan& plan, const RemovalOutcomes& outcomes) {
    PurgeReport report;
    MegabyteSum freed;
    for (std::size_t i = 0; i < plan.rows.size() && i < outcomes.size(); ++i) {
        if (outcomes[i] == RemoveOutcome::Stayed) {
            ++report.stayed;
        } else if (outcomes[i] == RemoveOutcome::Removed) {
            ++report.removed;
            freed.add(plan.sizes[i]);
        }
    }
    report.megabytes = freed.hundredths();
    report.outcomes = outcomes;
    const int removed = report.removed;
    const int stayed = report.stayed;
    report.removedMessage = coreTranslate("Purge", "删除文件或文件夹：%n项", nullptr, removed);
    if (stayed > 0)
        report.removedMessage += u'\n' + coreTranslate("Purge", "未能删除：%n项", nullptr, stayed);
    report.freedSpace = formatGeneral(report.megabytes) + u"MB";
    report.freedMessage =
        withArguments(coreTranslate("Purge", "释放空间：%1"), {report.freedSpace});
    return report;
}

PurgePlan rowPlan(int row) {
    PurgePlan plan;
    plan.rows = {row};
    plan.sizes = {0};
    return plan;
}

RemovalOutcomes PlainRemovalRunner::run(const std::vector<int>& rows, ItemRemover& remover) {
    return removeRows(rows, remover, threads_);
}

PurgeReport removePlan(const PurgePlan& plan, ItemRemover& remover, RemovalRunner& runner) {
    const RemovalOutcomes outcomes =
        plan.rows.empty() ? RemovalOutcomes{} : runner.run(plan.rows, remover);
    if (plan.error)
        std::rethrow_exception(plan.error);
    return purgeReport(plan, outcomes);
}

PurgeReport purge(ListRows& rows, const CutOffChoice& choice, int dateColumn, int sizeColumn,
                  ItemRemover& remover, RemovalRunner& runner) {
    return removePlan(planPurge(rows, choice, dateColumn, sizeColumn), remover, runner);
}

} // namespace velmora
