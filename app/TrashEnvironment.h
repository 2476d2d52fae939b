// Where the trash is looked for, as the environment says: tests and demonstrations keep the
// program off the real volumes with VELMORA_TRASH_VOLUMES.
#pragma once

#include <QtGlobal>

#include "platform/TrashSource.h"

namespace velmora {

// The user's trash; VELMORA_TRASH_VOLUMES (colon-separated top directories, empty for none)
// replaces the volumes of the mount table.
inline TrashSourceOptions trashSourceOptionsFromEnvironment() {
    TrashSourceOptions options;
    if (qEnvironmentVariableIsSet("VELMORA_TRASH_VOLUMES"))
        options.volumeRoots =
            qEnvironmentVariable("VELMORA_TRASH_VOLUMES").split(u':', Qt::SkipEmptyParts);
    return options;
}

} // namespace velmora
