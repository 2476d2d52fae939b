// The Windows program's entry: the single-instance guard, OLE, the windows and the message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/win32/SingleInstance.h"
#include "platform/win32/WindowsLocale.h"
#include "ui/win32/ApplicationWindow.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/Win32Ui.h"

using namespace velmora::win32;

namespace {
// The show command the process was started with; SW_SHOWDEFAULT when it carries none.
int startShowCommand() {
    STARTUPINFOW info{};
    info.cb = sizeof info;
    GetStartupInfoW(&info);
    const int command = (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
    if (command == SW_SHOWMAXIMIZED)
        return SW_SHOWMAXIMIZED;
    if (command == SW_SHOWMINNOACTIVE)
        return SW_SHOWMINNOACTIVE;
    return SW_SHOWNORMAL;
}
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (FAILED(OleInitialize(nullptr)))
        return 0;
    if (IsAlreadyRunning()) {
        ActivatePreviousInstance();
        OleUninitialize();
        return 0;
    }
    initialiseCommonControls();
    loadUserFormatSettings();
    int status = 0;
    guarded([&] {
        ApplicationWindow application;
        TForm1 form(velmora::today, application.handle());
        markMainWindow(form.handle());
        application.showMainWindow(form.handle(), startShowCommand());
        form.runMessageLoop();
        status = 0;
    });
    OleUninitialize();
    return status;
}
