// The purge lock: taken once, held until the object goes.
#include "platform/PurgeLock.h"

#include <unistd.h>

#include "platform/InstanceMarker.h"

namespace velmora {

PurgeLock::PurgeLock() {
    const InstanceFolder folder = InstanceFolder::open();
    switch (lockFileIn(folder, "velmoraPurge", fd_)) {
    case LockAttempt::Taken:
        state_ = State::Held;
        break;
    case LockAttempt::HeldElsewhere:
        state_ = State::Busy;
        break;
    case LockAttempt::Failed:
        state_ = State::Unavailable;
        break;
    }
}

PurgeLock::~PurgeLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace velmora
