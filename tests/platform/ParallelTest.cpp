// Tests of the parallel runner: every index once, and what a task throws reaches the caller.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <vector>

#include "FailingThreadStarts.h"
#include "platform/Parallel.h"

namespace velmora {
namespace {

TEST(ParallelTest, RunsEveryIndexOnce) {
    for (const std::size_t count : {0u, 1u, 31u, 1000u, 100000u}) {
        std::vector<std::atomic<int>> runs(count);
        runParallel(count, 16, [&] { return [&](std::size_t k) { ++runs[k]; }; });
        for (std::size_t k = 0; k < count; ++k)
            ASSERT_EQ(runs[k].load(), 1) << k << " of " << count;
    }
}

// A task that throws, on a helper thread or on the caller's, stops the work and its exception
// reaches the caller once every thread has ended (before, std::terminate ended the process).
TEST(ParallelTest, AThrowingTaskReachesTheCaller) {
    struct Case {
        const char* what;
        bool inMakeWork;
        std::size_t throwAt;
    };
    const Case cases[] = {
        {"a task near the start", false, 3},
        {"a task in the middle", false, 50000},
        {"the last task", false, 99999},
        {"setting up a thread's work", true, 0},
    };
    for (const Case& c : cases) {
        std::atomic<int> setups{0};
        const auto run = [&] {
            runParallel(100000, 16, [&] {
                if (c.inMakeWork && setups++ > 0)
                    throw std::runtime_error("no memory for the work");
                return [&](std::size_t k) {
                    if (!c.inMakeWork && k == c.throwAt)
                        throw std::bad_alloc();
                };
            });
        };
        if (c.inMakeWork && std::thread::hardware_concurrency() < 2)
            continue; // one thread: nothing but the caller sets up work
        if (c.inMakeWork)
            EXPECT_THROW(run(), std::runtime_error) << c.what;
        else
            EXPECT_THROW(run(), std::bad_alloc) << c.what;
    }
}

// A thread the system will not start means fewer threads, down to the calling one: every index
// still runs once, and nothing escapes.
TEST(ParallelTest, AThreadThatCannotStartMeansFewerThreads) {
    using Failure = test::FailingThreadStarts::Failure;
    for (const auto& [allowed, failure] :
         {std::pair{0, Failure::TaskLimit}, std::pair{1, Failure::TaskLimit},
          std::pair{0, Failure::NoMemory}, std::pair{2, Failure::NoMemory}}) {
        const test::FailingThreadStarts starts(allowed, failure);
        constexpr std::size_t count = 100000;
        std::vector<std::atomic<int>> runs(count);
        runParallel(count, 16, [&] { return [&](std::size_t k) { ++runs[k]; }; });
        for (std::size_t k = 0; k < count; ++k)
            ASSERT_EQ(runs[k].load(), 1) << k << ", " << allowed << " threads started";
        const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
        EXPECT_EQ(starts.started(), std::min(allowed, std::min(cores, 8) - 1));
    }
}

} // namespace
} // namespace velmora
