// The checks before a removal: the listing, then the lock.
#include "platform/RemovalPermit.h"

namespace velmora {

RemovalPermit permitRemoval(ItemSource& source) {
    RemovalPermit permit;
    const QString listingError = source.listingError();
    if (!listingError.isEmpty()) {
        permit.refusal = RemovalPermit::Refusal::ListingFailed;
        permit.message = listingError;
        return permit;
    }
    permit.lock = source.lockForRemoval();
    switch (permit.lock.state()) {
    case TrashLock::State::Held:
        break;
    case TrashLock::State::Busy:
        permit.refusal = RemovalPermit::Refusal::Busy;
        permit.message = AnotherPurgeRunning;
        break;
    case TrashLock::State::Failed:
        permit.refusal = RemovalPermit::Refusal::LockFailed;
        permit.message = QStringLiteral("无法锁定回收站，未删除任何项目");
        break;
    }
    return permit;
}

} // namespace velmora
