// The checks before a removal: the listing, then the lock.
#include "platform/RemovalPermit.h"

#include <QCoreApplication>

namespace velmora {

QString anotherPurgeRunning() {
    return QCoreApplication::translate("RemovalPermit", "另一个清除正在进行");
}

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
        permit.message = anotherPurgeRunning();
        break;
    case TrashLock::State::Failed:
        permit.refusal = RemovalPermit::Refusal::LockFailed;
        permit.message =
            QCoreApplication::translate("RemovalPermit", "无法锁定回收站，未删除任何项目");
        break;
    }
    return permit;
}

} // namespace velmora
