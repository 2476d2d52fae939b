// The single-instance guard of the Windows program: the named mutex "Ostrevane" and the main
// window's property "velmoraInstance".
#pragma once

#include <windows.h>

namespace velmora::win32 {

inline constexpr wchar_t InstanceMutexName[] = L"Ostrevane";
inline constexpr wchar_t InstancePropertyName[] = L"velmoraInstance";

// True only when the mutex already existed (its handle is then closed); a mutex this copy
// created stays open for the life of the process; no handle at all means "first copy".
bool IsAlreadyRunning();

// Walks the top-level windows from the top of the Z-order for the first one carrying the
// property; restores its owner, the window standing for that program, when minimised, and
// brings the marked window to the foreground.
// Returns whether it found one.
bool ActivatePreviousInstance();

// Marks the main window so that later copies find it.
void markMainWindow(HWND window);

} // namespace velmora::win32
