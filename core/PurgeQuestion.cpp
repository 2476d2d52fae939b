// The question before a purge.
#include "PurgeQuestion.h"

namespace velmora {

Text purgeQuestion(const PurgePlan& plan) {
    // The report the purge gives when every planned row is removed: its count and freed space
    // are what the question announces.
    const PurgeReport planned =
        purgeReport(plan, RemovalOutcomes(plan.rows.size(), RemoveOutcome::Removed));
    return u"将永久删除 " + decimalText(planned.removed) + u"项（共 " + planned.freedSpace +
           u"），此操作无法撤销。是否继续？";
}

} // namespace velmora
