// The program's own top-level window: it has no size, so the user never sees it, owns the main
// window and stands for the program on the taskbar. Minimising the program minimises it (the main
// window is hidden meanwhile); restoring it brings the main window back.
#pragma once

#include <windows.h>

namespace velmora::win32 {

class ApplicationWindow {
public:
    // Creates the window hidden, captioned with the application title.
    ApplicationWindow();
    ~ApplicationWindow();
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;
    HWND handle() const { return hwnd_; }

    // Shows the program: the main window with `command`, or, for SW_SHOWMINNOACTIVE, the program
    // minimised, the main window appearing when it is restored.
    void showMainWindow(HWND mainWindow, int command);

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HWND main_ = nullptr;
    bool showOnRestore_ = false; // the program is minimised: the main window waits for the restore
};

// Minimises the program a window belongs to: the owner standing for it when there is one.
// Returns false when `window` has no such owner.
bool minimiseProgram(HWND window);

} // namespace velmora::win32
