// The lock that keeps two purges without a window from running at once: a lock file
// "velmoraPurge" beside the instance guard's, in the same private folder.
#pragma once

namespace velmora {

class PurgeLock {
public:
    enum class State {
        Held,        // this process holds it until the object goes
        Busy,        // another process holds it
        Unavailable, // no private folder, or the file is not ours: the purge runs without it
    };

    // Tries once, without waiting.
    PurgeLock();
    ~PurgeLock();
    PurgeLock(const PurgeLock&) = delete;
    PurgeLock& operator=(const PurgeLock&) = delete;

    State state() const { return state_; }

private:
    State state_ = State::Unavailable;
    int fd_ = -1;
};

} // namespace velmora
