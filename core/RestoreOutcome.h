// What restoring one trash item to its original location achieved.
#pragma once

namespace velmora {

enum class RestoreOutcome {
    Restored,      // the object is back at its original path; its info file is gone
    TargetExists,  // something already stands at the original path: nothing moved
    InvalidTarget, // no original path, or one that is not safe to write to: nothing moved
    NotThere,      // the item vanished, or is no longer the one the list read: nothing moved
    Failed,        // the system refused a step: the object stays in the trash
};

} // namespace velmora
