// Reading one item's info file through its trash's info/ descriptor: the one step that the
// listing, the rename and the restore share.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include "platform/TrashInfo.h"

namespace velmora {

// The identity of the info file the listing read.
struct ListedInfoFile {
    dev_t dev = 0;
    ino_t ino = 0;
};

struct InfoFileRead {
    enum class State {
        Missing,    // no such file (ENOENT)
        Unopenable, // it exists but could not be opened (a link, no permission): see openError
        NotListed,  // not a regular file, or not the listed one: not read
        Unreadable, // a read failed, or the file is larger than MaxTrashInfoBytes: not parsed
        Read,       // info holds what it says
    };
    State state = State::Missing;
    int openError = 0; // errno of the failed open (Missing, Unopenable)
    bool haveStat = false;
    struct stat st {}; // the file's status (opened, or for Unopenable not followed), when haveStat
    TrashInfo info;    // parsed, when Read
};

// Opens `name` in the folder infoDir without following a link, checks it is a regular file and,
// when `listed` is given, the very file the listing read, then reads and parses it. A file larger
// than MaxTrashInfoBytes is refused as a whole: half of it could carry a Path cut short.
InfoFileRead readInfoFile(int infoDir, const char* name, const ListedInfoFile* listed = nullptr);

} // namespace velmora
