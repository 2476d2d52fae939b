// Starting a thread through the seam tests replace.
#include "ThreadStart.h"

#include <utility>

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

ThreadStarter setThreadStarter(ThreadStarter replacement) {
    return std::exchange(starter(), std::move(replacement));
}

} // namespace velmora
