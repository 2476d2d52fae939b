// Renaming a trash item: the new name replaces the last segment of its info file's Path, so
// that the item is restored under it. The stored object keeps its name.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "core/DateTime.h"
#include "platform/TrashInfoFile.h"

namespace velmora {

// What a rename needs of the listed item.
struct RenamedItem {
    int infoFd = -1;           // the trash's info/ folder, held
    QByteArray stored;         // the stored name: info/STORED.trashinfo is rewritten
    ListedInfoFile info;       // the info file the listing read
    QByteArray topDir;         // the top directory a relative Path is taken from
    TDateTime shownDeletion{}; // written when the info file's DeletionDate cannot be read
};

// Rewrites the item's info file (write a temporary file, rename it over the old one, keep the
// modification time, so that the directorysizes entry stays valid) with Path's last segment
// replaced by newName; a relative Path stays relative. Refused (false, nothing written) for an
// empty name, one with '/' or NUL, "." or "..", an info file that is not the listed one (a new
// item trashed under the same name since is not renamed in its place) or whose Path cannot be
// read. On success newInfoIno is the new info file's inode (0 when it cannot be told).
bool renameItem(const RenamedItem& item, const QString& newName, ino_t& newInfoIno);

} // namespace velmora
