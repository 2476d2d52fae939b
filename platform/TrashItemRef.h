// How removal and restore reach one trash item: the descriptors of its trash folder, held by the
// source for the lifetime of one enumeration, the stored name as bytes, and the identity of the
// stored object and of the info file that the listing read.
#pragma once

#include <sys/types.h>

#include <QByteArray>

namespace velmora {

struct TrashItemRef {
    int trashFd = -1;  // the trash folder itself: holds directorysizes
    int filesFd = -1;  // its files/
    int infoFd = -1;   // its info/; -1 when the trash has none
    QByteArray stored; // the entry's name in files/ (and info/<stored>.trashinfo), as on disk
    // files/<stored> as the listing saw it: a different object there now is not this item.
    dev_t dev = 0;
    ino_t ino = 0;
    // info/<stored>.trashinfo as the listing saw it (hasInfo false for an orphan).
    bool hasInfo = false;
    dev_t infoDev = 0;
    ino_t infoIno = 0;
    // A volume trash: the volume's top directory, from which relative Paths start and below
    // which a restored item must land. Empty for the home trash, whose Paths are absolute.
    QByteArray topDir{};
};

} // namespace velmora
