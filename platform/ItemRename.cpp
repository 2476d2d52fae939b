// Renaming a trash item through its held info/ descriptor.
#include "platform/ItemRename.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/FileNames.h"
#include "platform/PosixFiles.h"
#include "platform/TrashInfo.h"

namespace velmora {

bool renameItem(const RenamedItem& item, const QString& newName, ino_t& newInfoIno) {
    if (newName.isEmpty() || newName.contains(u'/') || newName.contains(QChar(0)) ||
        newName == QStringLiteral(".") || newName == QStringLiteral("..") || item.infoFd < 0)
        return false;
    const QByteArray infoName = item.stored + TrashInfoSuffix;
    // The info file as it is now, and still the one the enumeration read.
    const InfoFileRead read = readInfoFile(item.infoFd, infoName.constData(), &item.info);
    if (read.state != InfoFileRead::State::Read)
        return false;
    const TrashInfo& info = read.info;
    QByteArrayView originalName;
    QByteArray folder;
    if (!info.hasPath || !splitOriginalPath(info.path, item.topDir, originalName, folder))
        return false;
    // The new name replaces the last segment of Path; a relative Path stays relative.
    QByteArrayView path = info.path;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray newPath = path.first(slash + 1).toByteArray() + fileNameToBytes(newName);
    // A date that could not be read is written as the one the list shows; the modification
    // time is kept, so that the directorysizes entry stays valid.
    const QByteArray content =
        trashInfoContent(newPath, info.hasDate ? info.deletionDate : item.shownDeletion);
    if (!replaceFileAtomically(item.infoFd, infoName.constData(), content, &read.st.st_mtim))
        return false;
    // The info file is a new one now: the item's, for a restore or removal to come.
    struct stat written {};
    newInfoIno = ::fstatat(item.infoFd, infoName.constData(), &written, AT_SYMLINK_NOFOLLOW) == 0
                     ? written.st_ino
                     : 0;
    return true;
}

} // namespace velmora
