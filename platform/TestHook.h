// Points between the steps of a change to the trash at which a test acts as another program
// would (restores an item, swaps a folder for a link). Compiled in only where
// VELMORA_TEST_HOOKS is defined, as in test builds; elsewhere the calls cost nothing.
#pragma once

#include <functional>

namespace velmora {

enum class HookPoint {
    RemovalChecked, // files/NAME (dirFd, name) and its info file checked, not yet moved
    RemovalStaged,  // the object moved into staging (dirFd, name) and checked, not yet removed
    RemovalUnlink,  // an entry of a folder being removed (dirFd, name), just before its unlink
    RemovalInfo,    // the stored object is gone; its info file (dirFd, name) not yet checked again
    WalkOpen,       // a folder of a walk (dirFd, name) examined, just before it is opened
};

#ifdef VELMORA_TEST_HOOKS
// The hook receives every point; an empty function removes it. Calls are serialised.
using TestHook = std::function<void(HookPoint point, int dirFd, const char* name)>;
void setTestHook(TestHook hook);
void runTestHook(HookPoint point, int dirFd, const char* name);
#else
inline void runTestHook(HookPoint, int, const char*) {}
#endif

} // namespace velmora
