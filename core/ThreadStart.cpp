// Starting a thread through the seam tests replace.
#include "ThreadStart.h"

#include <utility>
#include <vector>

namespace velmora {

namespace {
ThreadStarter& starter() {
    static ThreadStarter current;
    return current;
}
} // namespace

std::thread startThread(ThreadBody body) {
    if (const ThreadStarter& start = starter())
        return start(std::move(body));
    return std::thread(std::move(body));
}

void runWithHelpers(std::size_t helpers, const ThreadBody& body) {
    std::vector<std::thread> started;
    try {
        started.reserve(helpers);
        for (std::size_t k = 0; k < helpers; ++k)
            started.push_back(startThread(body));
    } catch (...) {
        // No more threads (a task limit, no memory): the ones started share the work.
    }
    body();
    for (std::thread& thread : started)
        thread.join();
}

ThreadStarter setThreadStarter(ThreadStarter replacement) {
    return std::exchange(starter(), std::move(replacement));
}

} // namespace velmora
