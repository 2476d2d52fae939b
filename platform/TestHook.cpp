// The test hook: one function, called under a lock so that a test's actions happen one at a time
// even when the removal runs on several threads.
#include "platform/TestHook.h"

#ifdef VELMORA_TEST_HOOKS

#include <atomic>
#include <mutex>

namespace velmora {

namespace {

std::recursive_mutex hookMutex; // a hook may run code that reaches a hook point again
TestHook hook;
std::atomic<bool> hookSet{false};

} // namespace

void setTestHook(TestHook h) {
    std::lock_guard lock(hookMutex);
    hook = std::move(h);
    hookSet = bool(hook);
}

void runTestHook(HookPoint point, int dirFd, const char* name) {
    if (!hookSet.load(std::memory_order_acquire))
        return;
    std::lock_guard lock(hookMutex);
    const TestHook current = hook; // the hook may replace itself
    if (current)
        current(point, dirFd, name);
}

} // namespace velmora

#endif
