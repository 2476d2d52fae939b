// Work spread over the cores: one index at a time, claimed in runs, on up to one thread per core.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>

#include "core/ThreadStart.h"

namespace velmora {

// Runs work(k) for k = 0 .. count - 1 on up to one thread per core, the calling one included;
// each thread gets its work from makeWork(), which may set up what the thread keeps for itself.
// Small counts stay on the calling thread: starting threads costs more than they save.
// What makeWork or work throws, on any thread, stops the claiming of further work; once every
// thread has ended, the first exception is thrown again on the calling thread. A thread that
// cannot be started (startThread) is done without, down to the calling one.
template <class F> void runParallel(std::size_t count, std::size_t minimumPerThread, F makeWork) {
    std::atomic<std::size_t> next{0};
    std::mutex failureMutex;
    std::exception_ptr failure;
    // Runs of neighbouring indices per claim: threads then rarely write the same cache lines.
    constexpr std::size_t Run = 32;
    auto run = [&]() noexcept {
        try {
            auto work = makeWork();
            for (std::size_t first;
                 (first = next.fetch_add(Run, std::memory_order_relaxed)) < count;)
                for (std::size_t k = first; k < std::min(first + Run, count); ++k)
                    work(k);
        } catch (...) {
            next.store(count, std::memory_order_relaxed);
            const std::lock_guard lock(failureMutex);
            if (!failure)
                failure = std::current_exception();
        }
    };
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threads =
        std::min<std::size_t>({cores, 8, std::max<std::size_t>(1, count / minimumPerThread)});
    runWithHelpers(threads - 1, run);
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace velmora
