// The program's own owner window.
#include "ApplicationWindow.h"

#include <string_view>

#include "Resources.h"
#include "Win32Ui.h"

namespace velmora::win32 {

namespace {
constexpr wchar_t kClass[] = L"TApplication";
} // namespace

ApplicationWindow::ApplicationWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(kClass, windowProc, nullptr,
                        LoadIconW(instance, MAKEINTRESOURCEW(VELMORA_ICON_ID)));
    // No thick frame: nothing gives the window a size of its own. In the middle of the screen, so
    // that the main window, shown over it, opens on the same screen.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    hwnd_ = CreateWindowExW(0, kClass, ApplicationTitle,
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            x, y, 0, 0, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, LONG_PTR(this));
}

ApplicationWindow::~ApplicationWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void ApplicationWindow::showMainWindow(HWND mainWindow, int command) {
    main_ = mainWindow;
    if (command == SW_SHOWMINNOACTIVE) {
        showOnRestore_ = true;
        ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
        return;
    }
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    ShowWindow(main_, command);
}

bool minimiseProgram(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    wchar_t name[32] = {};
    if (!owner || !GetClassNameW(owner, name, 31) || std::wstring_view(name) != kClass)
        return false;
    SendMessageW(owner, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return true;
}

LRESULT CALLBACK ApplicationWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    auto* self = reinterpret_cast<ApplicationWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT ApplicationWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        // The main window goes out of sight with the program and comes back with it, however
        // the program was minimised or restored (its taskbar button, SW_RESTORE from a later
        // copy). Wine hides it itself as its owner is minimised, and leaves it hidden when the
        // owner is restored.
        if (!main_)
            return 0;
        if (wParam == SIZE_MINIMIZED) {
            showOnRestore_ = true;
            ShowWindow(main_, SW_HIDE);
        } else if (showOnRestore_) {
            showOnRestore_ = false;
            ShowWindow(main_, SW_SHOW);
        }
        return 0;
    case WM_SETFOCUS:
        // Activating the program activates the window the user last worked in.
        if (main_) {
            HWND target = GetLastActivePopup(main_);
            if (IsWindowVisible(target) && IsWindowEnabled(target))
                SetActiveWindow(target);
        }
        return 0;
    case WM_CLOSE:
        // Closing the program from its taskbar button closes the main window.
        if (main_)
            PostMessageW(main_, WM_CLOSE, 0, 0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

} // namespace velmora::win32
