// The question before a purge.
#include "PurgeQuestion.h"

#include "Translate.h"

namespace velmora {

Text purgeQuestion(const PurgePlan& plan) {
    // The report the purge gives when every planned row is removed: its count and freed space
    // are what the question announces.
    const PurgeReport planned =
        purgeReport(plan, RemovalOutcomes(plan.rows.size(), RemoveOutcome::Removed));
    const int count = planned.removed;
    return withArguments(coreTranslate("PurgeQuestion",
                                       "将永久删除 %n项（共 %1），此操作无法撤销。是否继续？",
                                       nullptr, count),
                         {planned.freedSpace});
}

} // namespace velmora
