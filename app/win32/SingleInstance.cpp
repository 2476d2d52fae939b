// The named mutex and the window walk.
#include "SingleInstance.h"

namespace velmora::win32 {

bool IsAlreadyRunning() {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, InstanceMutexName);
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return true;
    }
    return false;
}

bool ActivatePreviousInstance() {
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (!GetPropW(window, InstancePropertyName))
            continue;
        if (HWND owner = GetWindow(window, GW_OWNER); owner && IsIconic(owner))
            ShowWindow(GetWindow(window, GW_OWNER), SW_RESTORE);
        SetForegroundWindow(window);
        return true;
    }
    return false;
}

void markMainWindow(HWND window) {
    SetPropW(window, InstancePropertyName, HANDLE(window));
}

} // namespace velmora::win32
