// Starting a thread, through one seam, so that tests can make it fail as a system at its task
// limit (systemd's TasksMax, ulimit -u) or out of memory does.
#pragma once

#include <cstddef>
#include <functional>
#include <thread>

namespace velmora {

using ThreadBody = std::function<void()>;
using ThreadStarter = std::function<std::thread(ThreadBody)>;

// Starts body on a new thread. Throws std::system_error when the system cannot start one, and
// std::bad_alloc when there is no memory for it.
std::thread startThread(ThreadBody body);

// Runs body on the calling thread and on up to `helpers` threads started beside it, and returns
// once every one has ended. A helper the system cannot start (std::system_error, std::bad_alloc)
// is done without: those running share the work, down to the calling thread alone. body must
// not throw.
void runWithHelpers(std::size_t helpers, const ThreadBody& body);

// For tests: how startThread starts threads from now on (empty: std::thread as it is). Returns
// the previous starter. Set it only while no thread is being started.
ThreadStarter setThreadStarter(ThreadStarter starter);

} // namespace velmora
