// The eventfd behind WakeUp.
#include "platform/WakeUp.h"

#include <sys/eventfd.h>

#include <cerrno>
#include <cstdint>

namespace velmora {

WakeUp::WakeUp() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

// Plain write and read rather than eventfd_write and eventfd_read: glibc implements those with
// internal calls that ThreadSanitizer does not intercept.
void WakeUp::raise() noexcept {
    const std::uint64_t one = 1;
    while (::write(fd_.get(), &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void WakeUp::consume() noexcept {
    std::uint64_t count = 0;
    while (::read(fd_.get(), &count, sizeof count) < 0 && errno == EINTR) {
    }
}

} // namespace velmora
