// A worker thread's word to the thread that waits in an event loop: an eventfd that the loop
// watches. A write on one side and a read on the other are what ThreadSanitizer sees as the
// hand-over they are; Qt's posted events it cannot see, since their queue is guarded by Qt's
// own futex-based locks.
#pragma once

#include "platform/PosixFiles.h"

namespace velmora {

class WakeUp {
public:
    WakeUp(); // valid() is false when no descriptor was left
    bool valid() const { return fd_.valid(); }
    int fd() const { return fd_.get(); } // readable once raise() has been called
    void raise() noexcept;               // from any thread
    void consume() noexcept;             // on the watching thread, once readable

private:
    Fd fd_;
};

} // namespace velmora
