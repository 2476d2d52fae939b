// What every removal (the window's 清除 and 删除, the command line's purge) checks before it
// removes anything: a listing that did not fail, and the lock on the trash it changes.
#pragma once

#include <QString>

#include "platform/ItemSource.h"
#include "platform/TrashLock.h"

namespace velmora {

struct RemovalPermit {
    enum class Refusal {
        None,          // granted: the lock is held while the permit lives
        ListingFailed, // the last enumeration failed: its list may lack items
        Busy,          // another removal holds the lock
        LockFailed,    // the lock could not be taken
    };
    Refusal refusal = Refusal::None;
    QString message; // why it was refused, as a sentence for a box; empty when granted
    TrashLock lock;

    explicit operator bool() const { return refusal == Refusal::None; }
};

// The text of a removal refused because another one is running.
QString anotherPurgeRunning();

// Checks the source's last enumeration, then takes its removal lock, without waiting.
RemovalPermit permitRemoval(ItemSource& source);

} // namespace velmora
