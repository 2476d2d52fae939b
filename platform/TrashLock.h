// The lock every removal holds (the window's 清除 and 删除, the command line's purge): flock on
// the trash directories it changes, through descriptors of the directories already held and
// checked, so that no other user can take it or turn it off without the trash itself.
#pragma once

#include <vector>

#include "platform/PosixFiles.h"

namespace velmora {

class TrashLock {
public:
    enum class State {
        Held,   // every directory is locked by this object until it goes
        Busy,   // another removal holds one of them: none is held
        Failed, // a directory could not be locked (no descriptor left): none is held
    };

    // Nothing to lock: held.
    TrashLock() = default;
    // Locks every trash directory given by an open descriptor, without waiting. Each lock is
    // taken on a description of its own (the directory opened again through "." of the held
    // descriptor, never by path), so that two removals conflict within one process as between
    // two. When one is held elsewhere, or fails, those taken are given back.
    explicit TrashLock(const std::vector<int>& trashDirFds);
    TrashLock(TrashLock&&) noexcept = default;
    TrashLock& operator=(TrashLock&&) noexcept = default;

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }

private:
    State state_ = State::Held;
    std::vector<Fd> locks_;
};

} // namespace velmora
