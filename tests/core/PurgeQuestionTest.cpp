// The question before a purge: the planned rows and their space, written as the report writes
// the freed space.
#include <gtest/gtest.h>

#include "ScopedFormatSettings.h"
#include "core/PurgeQuestion.h"

namespace velmora {
namespace {

PurgePlan planOf(std::vector<double> sizes) {
    PurgePlan plan;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        plan.rows.push_back(static_cast<int>(i) * 2);
    plan.sizes = std::move(sizes);
    return plan;
}

TEST(PurgeQuestionTest, NamesThePlannedRowsAndTheirSpace) {
    test::ScopedFormatSettings chinese{test::chineseSettings()};
    const struct {
        std::vector<double> sizes;
        Text question;
    } cases[] = {
        {{1234.0 / 1024, 3.5}, u"将永久删除 2项（共 4.71MB），此操作无法撤销。是否继续？"},
        {{12.5}, u"将永久删除 1项（共 12.5MB），此操作无法撤销。是否继续？"},
        {{0, 0, 0}, u"将永久删除 3项（共 0MB），此操作无法撤销。是否继续？"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(purgeQuestion(planOf(c.sizes)), c.question);
}

// The space is the one the second box reports once every planned row is removed, whatever the
// rule for adding up small items; with the locale's decimal separator.
TEST(PurgeQuestionTest, WritesTheSpaceAsTheReportDoes) {
    test::ScopedFormatSettings german{test::germanSettings()};
    EXPECT_EQ(purgeQuestion(planOf({1.5, 3})),
              u"将永久删除 2项（共 4,5MB），此操作无法撤销。是否继续？");
    const PurgePlan small = planOf(std::vector<double>(100, 1.0 / 1024));
    const PurgeReport removed =
        purgeReport(small, RemovalOutcomes(small.rows.size(), RemoveOutcome::Removed));
    EXPECT_EQ(u"释放空间：" + removed.freedSpace, removed.freedMessage);
    EXPECT_EQ(purgeQuestion(small),
              u"将永久删除 100项（共 " + removed.freedSpace + u"），此操作无法撤销。是否继续？");
}

} // namespace
} // namespace velmora
