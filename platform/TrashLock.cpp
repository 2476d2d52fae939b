// The removal lock: flock on a description of each held trash directory of its own.
#include "platform/TrashLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace velmora {

TrashLock::TrashLock(const std::vector<int>& trashDirFds) {
    for (const int dirFd : trashDirFds) {
        Fd lock(::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        int result = -1;
        if (lock.valid()) {
            do
                result = ::flock(lock.get(), LOCK_EX | LOCK_NB);
            while (result != 0 && errno == EINTR);
        }
        if (result != 0) {
            state_ = lock.valid() && errno == EWOULDBLOCK ? State::Busy : State::Failed;
            locks_.clear();
            return;
        }
        locks_.push_back(std::move(lock));
    }
}

} // namespace velmora
