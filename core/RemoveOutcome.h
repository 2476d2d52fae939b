// What removing one trash item achieved, as the purge counts it.
#pragma once

namespace velmora {

enum class RemoveOutcome {
    Removed,  // this removal took away the stored object the list had read
    Stayed,   // the object, or part of it, could not be removed; its info file stays
    NotThere, // it had vanished, or is no longer the object the list read: nothing was touched
};

} // namespace velmora
