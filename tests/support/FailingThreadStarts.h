// Makes the thread seam (core/ThreadStart.h) start a given number of threads and then fail as
// a system at its task limit does, for the life of the object.
#pragma once

#include <atomic>
#include <cerrno>
#include <new>
#include <system_error>
#include <thread>
#include <utility>

#include "core/ThreadStart.h"

namespace velmora::test {

class FailingThreadStarts {
public:
    enum class Failure { TaskLimit, NoMemory };

    explicit FailingThreadStarts(int allowed, Failure failure = Failure::TaskLimit)
        : allowed_(allowed) {
        previous_ = setThreadStarter([this, failure](ThreadBody body) {
            if (started_.load() >= allowed_) {
                ++refused_;
                if (failure == Failure::NoMemory)
                    throw std::bad_alloc();
                throw std::system_error(EAGAIN, std::generic_category(),
                                        "Resource temporarily unavailable");
            }
            ++started_;
            return std::thread(std::move(body));
        });
    }
    ~FailingThreadStarts() { setThreadStarter(std::move(previous_)); }
    FailingThreadStarts(const FailingThreadStarts&) = delete;
    FailingThreadStarts& operator=(const FailingThreadStarts&) = delete;

    int started() const { return started_.load(); }
    int refused() const { return refused_.load(); }

private:
    int allowed_;
    std::atomic<int> started_{0};
    std::atomic<int> refused_{0};
    ThreadStarter previous_;
};

} // namespace velmora::test
