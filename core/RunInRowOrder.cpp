// The runner of a removal: claims in row order, fewer threads when they cannot start.
#include "RunInRowOrder.h"

#include <algorithm>
#include <exception>
#include <mutex>

#include "ThreadStart.h"

namespace velmora {

void runInRowOrder(std::size_t count, int threads, const std::function<void(std::size_t)>& work,
                   const std::atomic<bool>* cancel) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex errorMutex;
    std::exception_ptr error;
    auto claimAndWork = [&]() noexcept {
        for (;;) {
            if ((cancel && cancel->load()) || failed.load())
                return;
            const std::size_t i = next.fetch_add(1);
            if (i >= count)
                return;
            try {
                work(i);
            } catch (...) {
                const std::lock_guard lock(errorMutex);
                if (!error)
                    error = std::current_exception();
                failed = true;
                return;
            }
        }
    };
    runWithHelpers(threads > 1 ? std::min(static_cast<std::size_t>(threads - 1), count) : 0,
                   claimAndWork);
    if (error)
        std::rethrow_exception(error);
}

} // namespace velmora
