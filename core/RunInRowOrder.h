// The runner of a removal: items claimed one at a time in row order, on as many threads as the
// system lets it start, and never a new item once cancelled.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

namespace velmora {

// Calls work(0), work(1), … work(count - 1), each index once, on up to `threads` threads, the
// calling one among them; each thread claims the next index when it has finished its last, so
// indices start in order. Once *cancel is true (when given) no index is claimed any more; those
// claimed finish. A helper thread the system cannot start (std::system_error, std::bad_alloc)
// is done without: the threads that run share the work, down to the calling one alone. What
// work throws stops the claiming, and is rethrown on the calling thread once every helper has
// ended; nothing else escapes while a helper runs.
void runInRowOrder(std::size_t count, int threads, const std::function<void(std::size_t)>& work,
                   const std::atomic<bool>* cancel = nullptr);

} // namespace velmora
