#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "FailingThreadStarts.h"
#include "FakeRows.h"
#include "ScopedFormatSettings.h"
#include "TestHelpers.h"
#include "core/AgeAnalysis.h"
#include "core/Purge.h"

namespace velmora {
namespace {

using test::errorOf;
using test::FakeRows;

// Records the rows it is asked to remove and answers with the outcome chosen for each (Removed
// unless told otherwise). Safe to call from several threads.
class FakeRemover : public ItemRemover {
public:
    explicit FakeRemover(std::map<int, RemoveOutcome> outcomes = {})
        : outcomes_(std::move(outcomes)) {}
    RemoveOutcome KillItem(int row) override {
        std::lock_guard lock(mutex_);
        asked.push_back(row);
        if (cancelAfter && static_cast<int>(asked.size()) == cancelAfter)
            progress->cancel = true;
        const auto it = outcomes_.find(row);
        return it == outcomes_.end() ? RemoveOutcome::Removed : it->second;
    }
    std::vector<int> asked;
    int cancelAfter = 0;
    RemovalProgress* progress = nullptr;

private:
    std::mutex mutex_;
    std::map<int, RemoveOutcome> outcomes_;
};

std::vector<Text> row(Text date, Text size) {
    return {u"/home/u", std::move(date), std::move(size)};
}

// Today is 27 November 2020; 30 days back is 28 October 2020, 00:00.
CutOffChoice byDays(Text days) {
    CutOffChoice choice;
    choice.byDate = false;
    choice.daysText = std::move(days);
    choice.today = test::date(2020, 11, 27);
    return choice;
}

const Text Old = u"2020/10/27 23:59";
const Text Boundary = u"2020/10/28 00:00";

class PurgeTest : public ::testing::Test {
protected:
    test::ScopedFormatSettings settings{test::chineseSettings()};
};

TEST_F(PurgeTest, RemovesTheQualifyingRowsAndReportsThem) {
    struct Case {
        const char* what;
        std::vector<std::vector<Text>> rows;
        std::map<int, RemoveOutcome> outcomes;
        std::vector<int> asked;
        Text removedMessage, freedMessage;
    };
    std::vector<std::vector<Text>> hundredKB(100, row(Old, u"1 KB"));
    std::vector<std::vector<Text>> hundred4KB(100, row(Old, u"4 KB"));
    std::vector<int> hundred;
    for (int i = 0; i < 100; ++i)
        hundred.push_back(i);
    const RemoveOutcome Stayed = RemoveOutcome::Stayed, NotThere = RemoveOutcome::NotThere;
    const Case cases[] = {
        {"empty list", {}, {}, {}, u"删除文件或文件夹：0项", u"释放空间：0MB"},
        {"nothing qualifies",
         {row(Boundary, u"5 MB"), row(u"2020/11/27 08:00", u"1 MB")},
         {},
         {},
         u"删除文件或文件夹：0项",
         u"释放空间：0MB"},
        {"the boundary stays, a minute earlier goes",
         {row(Boundary, u"5 MB"), row(Old, u"2 MB")},
         {},
         {1},
         u"删除文件或文件夹：1项",
         u"释放空间：2MB"},
        {"1 KB rows add up before the sum is rounded",
         hundredKB,
         {},
         hundred,
         u"删除文件或文件夹：100项",
         u"释放空间：0.1MB"},
        {"a hundred 4 KB rows",
         hundred4KB,
         {},
         hundred,
         u"删除文件或文件夹：100项",
         u"释放空间：0.39MB"},
        {"1,234 KB then 3.5 MB",
         {row(Old, u"1,234 KB"), row(Boundary, u"9 MB"), row(Old, u"3.5 MB")},
         {},
         {0, 2},
         u"删除文件或文件夹：2项",
         u"释放空间：4.71MB"},
        {"another unit counts and adds nothing",
         {row(Old, u"512 bytes"), row(Old, u"x.y GB"), row(Old, u"12.5 MB")},
         {},
         {0, 1, 2},
         u"删除文件或文件夹：3项",
         u"释放空间：12.5MB"},
        {"what stayed is counted apart and frees nothing",
         {row(Old, u"1 MB"), row(Old, u"2 MB"), row(Old, u"4 MB")},
         {{1, Stayed}},
         {0, 1, 2},
         u"删除文件或文件夹：2项\n未能删除：1项",
         u"释放空间：5MB"},
        {"what was not there counts nowhere",
         {row(Old, u"1 MB"), row(Old, u"2 MB"), row(Old, u"4 MB")},
         {{0, NotThere}, {2, Stayed}},
         {0, 1, 2},
         u"删除文件或文件夹：1项\n未能删除：1项",
         u"释放空间：2MB"},
        {"the total rounds only over removed rows",
         {row(Old, u"1,234 KB"), row(Old, u"1 MB"), row(Old, u"3.5 MB")},
         {{1, NotThere}},
         {0, 1, 2},
         u"删除文件或文件夹：2项",
         u"释放空间：4.71MB"},
    };
    for (const Case& c : cases) {
        for (int threads : {1, 4}) {
            FakeRows rows(c.rows);
            FakeRemover remover(c.outcomes);
            PlainRemovalRunner runner(threads);
            const PurgeReport report = purge(rows, byDays(u"30"), 1, 2, remover, runner);
            std::multiset<int> asked(remover.asked.begin(), remover.asked.end());
            EXPECT_EQ(asked, std::multiset<int>(c.asked.begin(), c.asked.end())) << c.what;
            if (threads == 1) {
                EXPECT_EQ(remover.asked, c.asked) << c.what;
            }
            EXPECT_EQ(report.removedMessage, c.removedMessage) << c.what;
            EXPECT_EQ(report.freedMessage, c.freedMessage) << c.what;
            // The selection rests on the last qualifying row, or never moved.
            EXPECT_EQ(rows.selected, c.asked) << c.what;
        }
    }
}

// The freed space of the purge and the space the analysis gives for the same rows rest on one
// sum, rounded once where each is written.
TEST_F(PurgeTest, TheFreedSpaceIsTheAnalysisSum) {
    struct Case {
        std::vector<Text> sizes;
        double megabytes;
        Text freed, analysed;
    };
    const Case cases[] = {
        {std::vector<Text>(100, u"4 KB"), 0.39, u"释放空间：0.39MB", u"合计占用空间：0MB"},
        {{u"1,234 KB", u"3.5 MB"}, 4.71, u"释放空间：4.71MB", u"合计占用空间：5MB"},
        {std::vector<Text>(3, u"1 KB"), 0, u"释放空间：0MB", u"合计占用空间：0MB"},
        {{u"511 KB", u"1 KB"}, 0.5, u"释放空间：0.5MB", u"合计占用空间：1MB"},
        {{u"0.004 MB", u"0.004 MB"}, 0.01, u"释放空间：0.01MB", u"合计占用空间：0MB"},
    };
    for (const Case& c : cases) {
        std::vector<std::vector<Text>> texts;
        for (const Text& size : c.sizes)
            texts.push_back(row(Old, size));
        FakeRows analysed(texts);
        const AgeAnalysis analysis = analyseAge(analysed, byDays(u"30"), 1, 2);
        FakeRows purged(texts);
        FakeRemover remover;
        PlainRemovalRunner runner(2);
        const PurgeReport report = purge(purged, byDays(u"30"), 1, 2, remover, runner);
        EXPECT_EQ(report.megabytes, c.megabytes) << toUtf8(c.freed);
        EXPECT_EQ(analysis.megabytes, report.megabytes) << toUtf8(c.freed);
        EXPECT_EQ(report.freedMessage, c.freed);
        EXPECT_TRUE(analysis.message.ends_with(c.analysed)) << toUtf8(analysis.message);
    }
}

TEST_F(PurgeTest, FreedSpaceUsesTheLocalesDecimalSeparator) {
    test::ScopedFormatSettings german{test::germanSettings()};
    PurgePlan plan;
    plan.rows = {0, 1};
    plan.sizes = {1.5, 3};
    const PurgeReport report = purgeReport(plan, {RemoveOutcome::Removed, RemoveOutcome::Removed});
    EXPECT_EQ(report.freedMessage, u"释放空间：4,5MB");
}

TEST_F(PurgeTest, AnErrorEndsThePurgeAfterRemovingWhatCameBefore) {
    const Text notADate = u"Could not convert variant of type (UnicodeString) into type (Date)";
    struct Case {
        const char* what;
        Text days;
        std::vector<std::vector<Text>> rows;
        Text message;
        std::vector<int> asked, selected;
    };
    const Case cases[] = {
        {"days text", u"30 ", {row(Old, u"1 MB")}, u"''30 '' is not a valid integer value", {}, {}},
        {"an unreadable date, even of a row that would stay",
         u"30",
         {row(Old, u"1 MB"), row(u"someday", u"1 MB"), row(Old, u"1 MB")},
         notADate,
         {0},
         {0}},
        {"an unreadable size: the row is selected, not removed",
         u"30",
         {row(Old, u"1 MB"), row(Boundary, u"1 MB"), row(Old, u"1.2.3 MB"), row(Old, u"1 MB")},
         u"'1.2.3' is not a valid floating point value",
         {0},
         {0, 2}},
        {"a missing size column",
         u"30",
         {row(Old, u"1 MB"), {u"/home/u", Old}},
         u"List index out of bounds (2)",
         {0},
         {0, 1}},
    };
    for (const Case& c : cases) {
        for (int threads : {1, 3}) {
            FakeRows rows(c.rows);
            FakeRemover remover;
            PlainRemovalRunner runner(threads);
            EXPECT_EQ(errorOf([&] { purge(rows, byDays(c.days), 1, 2, remover, runner); }),
                      c.message)
                << c.what;
            EXPECT_EQ(remover.asked, c.asked) << c.what;
            EXPECT_EQ(rows.selected, c.selected) << c.what;
        }
    }
}

TEST_F(PurgeTest, CancellingStartsNoNewItem) {
    std::vector<std::vector<Text>> sizes;
    for (int i = 0; i < 10; ++i)
        sizes.push_back(row(Old, u"1 MB"));
    FakeRows rows(sizes);
    FakeRemover remover({{1, RemoveOutcome::Stayed}});
    RemovalProgress progress;
    remover.progress = &progress;
    remover.cancelAfter = 3;
    const PurgePlan plan = planPurge(rows, byDays(u"30"), 1, 2);
    const RemovalOutcomes outcomes = removeRows(plan.rows, remover, 1, &progress);
    EXPECT_EQ(remover.asked, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(progress.finished, 3);
    EXPECT_EQ(progress.removed, 2);
    const PurgeReport report = purgeReport(plan, outcomes);
    EXPECT_EQ(report.removedMessage, u"删除文件或文件夹：2项\n未能删除：1项");
    EXPECT_EQ(report.freedMessage, u"释放空间：2MB");
}

// The plan takes exactly the rows the analysis counts, and the sizes it adds up: both walk the
// rows with the same loop, so the analysis of the plan's sizes is the analysis of its rows.
TEST_F(PurgeTest, ThePlanTakesTheRowsTheAnalysisCounts) {
    CutOffChoice byDate;
    byDate.pickerValue = test::date(2020, 10, 28);
    byDate.today = test::date(2020, 11, 27);
    const CutOffChoice choices[] = {byDays(u"30"), byDays(u"0"), byDate};
    const std::vector<std::vector<std::vector<Text>>> lists = {
        {},
        {row(Old, u"1 MB"), row(Boundary, u"2 MB"), row(Old, u"4 KB"),
         row(u"2020/11/1 9:00", u"1 MB")},
        {row(Boundary, u"1 MB"), row(u"2020/11/27 23:59", u"8 MB")},
        {row(Old, u"1,234 KB"), row(Old, u"3.5 MB")},
    };
    for (std::size_t i = 0; i < lists.size(); ++i) {
        for (const CutOffChoice& choice : choices) {
            FakeRows analysed(lists[i]), planned(lists[i]);
            const AgeAnalysis analysis = analyseAge(analysed, choice, 1, 2);
            const PurgePlan plan = planPurge(planned, choice, 1, 2);
            EXPECT_EQ(planned.selected, analysed.selected) << i;
            EXPECT_EQ(plan.rows, analysed.selected) << i;
            EXPECT_EQ(static_cast<int>(plan.rows.size()), analysis.count) << i;
            EXPECT_FALSE(plan.error) << i;
            const AgeAnalysis ofPlan = analysisOfSizes(choice, plan.sizes);
            EXPECT_EQ(ofPlan.count, analysis.count) << i;
            EXPECT_EQ(ofPlan.megabytes, analysis.megabytes) << i;
            EXPECT_EQ(ofPlan.message, analysis.message) << i << " " << toUtf8(ofPlan.message);
        }
    }
}

// Records what the removal was asked to run, and runs it plainly.
class RecordingRunner : public RemovalRunner {
public:
    RemovalOutcomes run(const std::vector<int>& rows, ItemRemover& remover) override {
        runs.push_back(rows);
        return removeRows(rows, remover);
    }
    std::vector<std::vector<int>> runs;
};

// removePlan hands the plan's rows to the runner once, none for an empty plan, and rethrows the
// plan's error after removing the rows before it.
TEST_F(PurgeTest, RemovePlanRunsThePlanThroughTheRunner) {
    FakeRemover remover({{4, RemoveOutcome::Stayed}});
    {
        RecordingRunner runner;
        const PurgeReport report = removePlan(PurgePlan{}, remover, runner);
        EXPECT_TRUE(runner.runs.empty());
        EXPECT_EQ(report.removedMessage, u"删除文件或文件夹：0项");
        EXPECT_EQ(report.freedMessage, u"释放空间：0MB");
    }
    {
        RecordingRunner runner;
        const PurgeReport report = removePlan(rowPlan(4), remover, runner);
        EXPECT_EQ(runner.runs, (std::vector<std::vector<int>>{{4}}));
        EXPECT_EQ(report.stayed, 1);
        EXPECT_EQ(report.removed, 0);
    }
    {
        RecordingRunner runner;
        FakeRows rows({row(Old, u"1 MB"), row(u"someday", u"1 MB")});
        EXPECT_EQ(errorOf([&] { purge(rows, byDays(u"30"), 1, 2, remover, runner); }),
                  u"Could not convert variant of type (UnicodeString) into type (Date)");
        EXPECT_EQ(runner.runs, (std::vector<std::vector<int>>{{0}}));
    }
}

// A helper thread the system will not start (a task limit, no memory) means fewer threads, down
// to the calling one: every row is removed once, in order of claims, and nothing escapes past a
// running thread (before, std::system_error did, and std::terminate ended the process with one
// item half removed).
TEST_F(PurgeTest, AThreadThatCannotStartMeansFewerThreads) {
    using Failure = test::FailingThreadStarts::Failure;
    struct Case {
        const char* what;
        int threads, allowed;
        Failure failure;
    };
    const Case cases[] = {
        {"no helper starts", 8, 0, Failure::TaskLimit},
        {"one helper starts, the second fails", 8, 1, Failure::TaskLimit},
        {"three of seven start", 8, 3, Failure::TaskLimit},
        {"no memory for the second", 4, 1, Failure::NoMemory},
    };
    std::vector<std::vector<Text>> texts(40, row(Old, u"1 MB"));
    for (const Case& c : cases) {
        const test::FailingThreadStarts starts(c.allowed, c.failure);
        FakeRows rows(texts);
        FakeRemover remover;
        RemovalProgress progress;
        const PurgePlan plan = planPurge(rows, byDays(u"30"), 1, 2);
        const RemovalOutcomes outcomes = removeRows(plan.rows, remover, c.threads, &progress);
        EXPECT_EQ(starts.started(), c.allowed) << c.what;
        EXPECT_EQ(starts.refused(), 1) << c.what; // no second try once one failed
        std::multiset<int> asked(remover.asked.begin(), remover.asked.end());
        EXPECT_EQ(asked, std::multiset<int>(plan.rows.begin(), plan.rows.end())) << c.what;
        EXPECT_EQ(progress.removed, 40) << c.what;
        const PurgeReport report = purgeReport(plan, outcomes);
        EXPECT_EQ(report.removedMessage, u"删除文件或文件夹：40项") << c.what;
        EXPECT_EQ(report.freedMessage, u"释放空间：40MB") << c.what;
    }
}

// With no helper at all the calling thread claims the rows in order and stops at a cancel.
TEST_F(PurgeTest, TheCallingThreadAloneKeepsTheOrderAndTheCancel) {
    const test::FailingThreadStarts starts(0);
    std::vector<std::vector<Text>> texts(10, row(Old, u"1 MB"));
    FakeRows rows(texts);
    FakeRemover remover;
    RemovalProgress progress;
    remover.progress = &progress;
    remover.cancelAfter = 4;
    const PurgePlan plan = planPurge(rows, byDays(u"30"), 1, 2);
    const RemovalOutcomes outcomes = removeRows(plan.rows, remover, 8, &progress);
    EXPECT_EQ(remover.asked, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(outcomes[3], RemoveOutcome::Removed);
    EXPECT_EQ(outcomes[4], std::nullopt);
    EXPECT_EQ(purgeReport(plan, outcomes).removedMessage, u"删除文件或文件夹：4项");
}

// A removal that throws while helpers run reaches the caller once they have ended.
TEST_F(PurgeTest, AThrowingRemovalReachesTheCallerAfterTheHelpers) {
    class ThrowingRemover : public ItemRemover {
    public:
        RemoveOutcome KillItem(int row) override {
            if (row == 5)
                throw std::bad_alloc();
            return RemoveOutcome::Removed;
        }
    };
    for (int allowed : {0, 1, 7}) {
        const test::FailingThreadStarts starts(allowed);
        ThrowingRemover remover;
        std::vector<int> rows(50);
        for (int i = 0; i < 50; ++i)
            rows[std::size_t(i)] = i;
        EXPECT_THROW(removeRows(rows, remover, 8), std::bad_alloc) << allowed;
    }
}

} // namespace
} // namespace velmora
