// Restoring a trash item to its original location: the stored object moved back, never over an
// existing one, then its info file and its line in the trash's directorysizes cache removed.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>
#include <optional>

#include "core/RestoreOutcome.h"
#include "platform/TrashItemRef.h"

namespace velmora {

// The segments of an original location below the folder a restore starts from: "/" for the home
// trash (topDir empty), the volume's top directory for a volume trash. Refused (nullopt): an
// empty segment, a "." or ".." segment, a NUL; a relative Path in the home trash; an absolute
// Path of a volume trash that does not lie below its top directory.
std::optional<QList<QByteArray>> restoreSegments(QByteArrayView path, QByteArrayView topDir);

struct RestoreOptions {
    // renameat2(2); tests replace it to stand for a file system without RENAME_NOREPLACE.
    std::function<int(int fromDir, const char* from, int toDir, const char* to, unsigned flags)>
        renameat2;
};

// Restores the item when its stored object and its info file are still the ones the listing
// read (NotThere otherwise). The info file's Path is read afresh through the held info folder
// and must be safe (restoreSegments). Existing folders on the way are opened one at a time from
// the start folder (links followed only in the home trash's paths: a volume trash's item never
// leaves its volume through a link); missing ones are created with mkdirat, each opened without
// following a link. The object moves with renameat2(RENAME_NOREPLACE); where the file system
// lacks that flag, a file is linked and then unlinked, and a folder renamed after a check in the
// same parent (a short window in which an object appearing there would be replaced). Across file
// systems the object is copied, with modes and modification times, and the original removed only
// after the copy is complete; a failed copy is removed again. Then the info file goes, and a
// folder's directorysizes line.
RestoreOutcome restoreItem(const TrashItemRef& item, const RestoreOptions& options = {});

} // namespace velmora
